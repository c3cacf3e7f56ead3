// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/common/Printout.h"

#include <QString>

struct DrawStatistics;

// The printout of the number statistics: the per-number table, the most frequent pairs and the
// fairness sentence, in fixed character columns up to column 80. Every page starts with an
// empty line, the heading and its underline and an empty line, and a table that goes on from the
// page before repeats its column header. A page holds at most `linesPerPage` lines; when the
// printout takes more than one page, each page ends with an empty line and "Page n" at column
// 40. A section's header is never left alone at the foot of a page.
Printout NumberStatsPrintout(const DrawStatistics& stats, const QString& title, int linesPerPage);
