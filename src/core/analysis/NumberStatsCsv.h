// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QByteArray>
#include <QString>

struct DrawStatistics;

// The figures as CSV for a spreadsheet, UTF-8 without a byte order mark: first what they are,
// as rows of a label and a value (the draw file's `title`, the numbers, the draws counted, the
// fairness figures), then an empty line, the per-number table with its header line, an empty
// line, then the pairs with theirs (the main numbers' only). Lines
// end in CR LF, as in the program's other files and RFC 4180. Fields are separated by commas
// whatever the locale, decimals use a point and two places, dates are year-month-day, so that
// any spreadsheet reads the file the same way. A text is quoted when it holds a comma, a quote
// or a line break; a text that a spreadsheet would take for a formula (starting with = + - @ or
// a tab) is written after an apostrophe, so that opening the file runs nothing.
QByteArray NumberStatsCsv(const DrawStatistics& stats, const QString& title = QString());

// The draws counted as the CSV and the printout name them: "last 10 of 150 draws", "all 150
// draws", "1 draw", "no draws".
QString CountedDrawsText(const DrawStatistics& stats);

// The file name proposed for the CSV, naming the draw file (`drawFile`, its name without the
// folder and suffix, or empty), the pool and the draws counted: "Lotto statistics last 10.csv",
// "Lotto extra statistics all draws.csv", "Number statistics last 10.csv".
QString NumberStatsCsvName(const DrawStatistics& stats, const QString& drawFile);
