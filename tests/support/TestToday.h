// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QDate>

// The day the tests hand to the core as today: years typed with two digits are read against it.
inline const QDate TestToday(2026, 12, 7);
