#pragma once

#include <QByteArray>

struct DrawStatistics;

// The per-number table and the pairs as CSV for a spreadsheet, UTF-8 without a byte order mark:
// the per-number table with its header line, an empty line, then the pairs with theirs (the
// main numbers' only). Lines
// end in CR LF, as in the program's other files and RFC 4180. Fields are separated by commas
// whatever the locale, decimals use a point and two places, dates are year-month-day, so that
// any spreadsheet reads the file the same way. A text is quoted when it holds a comma, a quote
// or a line break; a text that a spreadsheet would take for a formula (starting with = + - @ or
// a tab) is written after an apostrophe, so that opening the file runs nothing.
QByteArray NumberStatsCsv(const DrawStatistics& stats);
