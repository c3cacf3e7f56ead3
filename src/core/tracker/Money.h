// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/common/Cell.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

class Sheet;

// The tracker's money: amounts counted in ten-thousandths (a 64-bit count, so that no sum loses
// a cent), and the pictures that show them with the thousands separator and decimal point of the
// user's locale: rounded to cents, the whole part grouped by thousands, a leading minus when
// negative.
namespace Money {

constexpr long long TenThousandths = 10000;

// A number as the sheet counts it: the decimal it was typed or read as (fifteen significant
// digits), rounded to four decimals, halves to even. Beyond 9e14 in magnitude it is held there.
long long ToTenThousandths(double value);

// A plain decimal with at most four decimals and `wholeDigits` digits before the point ("2",
// "-103999999999998.96", ".5"), read exactly in ten-thousandths: sums can have more digits than a
// double holds. Nothing for anything else, blanks included.
std::optional<long long> ExactUnits(QByteArrayView text, int wholeDigits);

// "###,,###.00": no digit before the decimal point when the whole part is 0 (.50, -.25, .00).
QString Format(double value);
QString FormatUnits(long long tenThousandths);
// "####,,##0.00": at least one digit before the decimal point (0.00, -0.25, 1,234.50).
QString FormatTotal(double value);
QString FormatTotalUnits(long long tenThousandths);

// An amount cell as the sheet shows it: empty stays empty, a number (or a text that reads as
// one) takes the picture, any other text is shown as it stands.
QString FormatAmountCell(const Cell& cell);
// A row's amount as the sheet shows it, a subtotal as it was summed.
QString FormatRowAmount(const Sheet& sheet, int row);

// A cell as text, for descriptions: a number in plain decimal form.
QString CellText(const Cell& cell);

// The value of a text when the whole text, blanks around it aside, is a number in plain decimal
// form ("12.5", " -3 ", ".5"): the value the leading-number rule counts. Nothing otherwise.
std::optional<double> ReadsAsNumber(const QString& text);
// Whether a text amount shows what it counts: a number in plain decimal form, or a text with no
// number at its start (shown as it stands, counting 0). "1,234.50" shows a thousand and counts 1.
bool ShowsWhatItCounts(const QString& text);

} // namespace Money
