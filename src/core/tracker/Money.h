#pragma once

#include "core/common/Cell.h"

#include <QString>

// The tracker's money pictures, with the thousands separator and decimal point of the user's
// locale: rounded to cents, the whole part grouped by thousands, a leading minus when negative.
namespace Money {

// "###,,###.00": no digit before the decimal point when the whole part is 0 (.50, -.25, .00).
QString Format(double value);
// "####,,##0.00": at least one digit before the decimal point (0.00, -0.25, 1,234.50).
QString FormatTotal(double value);

// An amount cell as the sheet shows it: empty stays empty, a number (or a text that reads as
// one) takes the picture, any other text is shown as it stands.
QString FormatAmountCell(const Cell& cell);

// A cell as text, for descriptions: a number in plain decimal form.
QString CellText(const Cell& cell);

// The numeric value of a text when the whole text is a number ("12.5", " -3 "), or nothing.
std::optional<double> ReadsAsNumber(const QString& text);

} // namespace Money
