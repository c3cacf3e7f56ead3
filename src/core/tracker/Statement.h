#pragma once

#include "core/common/Printout.h"

#include <QString>

class Sheet;

// The printed investment statement: every counted row of the sheet with its amount, then the
// total after the currency symbol; amounts and total end in column 67.
Printout InvestmentStatement(const Sheet& sheet, const QString& currencySymbol);
