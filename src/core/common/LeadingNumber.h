// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QStringView>

// The numeric value of a typed text: leading blanks, an optional sign, digits and at most one
// period followed by digits; reading stops at the first character that does not fit, and a
// text without digits is 0. "-12.5" -> -12.5, "1.2.3" -> 1.2, "5-" -> 5, ".5" -> 0.5.
double LeadingNumber(QStringView text);

// The same value rounded to the nearest whole number, halves to even, as the program's
// whole-number boxes take it.
long long LeadingWholeNumber(QStringView text);
