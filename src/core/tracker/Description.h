// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QString>

// Descriptions counted and cut in characters as the user sees them: a character beyond the
// first 65536 (an emoji, say) takes two units of a QString but is one character, and is never
// cut in half.
namespace Description {

qsizetype characterCount(const QString& text);
// The first `count` characters.
QString left(const QString& text, qsizetype count);
// The text less its last character.
void chopCharacter(QString& text);
// Whether a typed character may go into a description: control characters (Escape, Ctrl
// combinations and their like) and halves of characters may not.
bool isTypable(char32_t c);

} // namespace Description
