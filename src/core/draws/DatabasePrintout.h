#pragma once

#include "core/common/Printout.h"

#include <QDate>
#include <QString>

class DrawStore;

// The database printout: every record with its date and numbers, page by page, then the top
// numbers line and the distribution block (each number over its count, 18 to a line). Dates
// typed with a two-digit year are read in the hundred years around `today`.
Printout DatabasePrintout(const DrawStore& store, const QString& topNumbersLine, int linesPerPage,
                          const QDate& today);
