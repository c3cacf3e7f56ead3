// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/common/Printout.h"

#include <QString>

class Sheet;

// The printed investment statement: every counted row of the sheet with its amount, then the
// total after the currency symbol; amounts and total end in column 67.
Printout InvestmentStatement(const Sheet& sheet, const QString& currencySymbol);
