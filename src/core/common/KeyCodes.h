// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

// Character codes as the key handlers see them: the Unicode code point of the character a key
// types, with these for the keys that type none.
inline constexpr int KeyBackspace = 8;
inline constexpr int KeyEnter = 13;
inline constexpr int KeyQuote = '"';
// What a key handler returns to drop the key.
inline constexpr int KeyDropped = 0;
