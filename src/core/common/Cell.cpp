// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "Cell.h"

#include "LeadingNumber.h"

double Cell::numericValue() const
{
    if (isNumber())
        return number();
    if (isText())
        return LeadingNumber(text());
    return 0.0;
}
