// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/common/Printout.h"
#include "core/tickets/TicketCheck.h"

#include <QString>

// The ticket book printed: each ticket with its numbers and the draws it plays, below it each
// draw checked with the numbers matched, the prize and its amount, and the draws still to come;
// then the totals per draw and overall. A page ends after `linesPerPage` lines with its number.
Printout TicketsPrintout(const TicketBook& book, const BookCheck& check, int linesPerPage);

// An amount of ten-thousandths as the printout and the window show it: "1,234.50".
QString AmountText(long long tenThousandths);
