#pragma once

#include "core/common/Printout.h"

#include <QString>

class DrawStore;

// The database printout: every record with its date and numbers, page by page, then the top
// numbers line and the distribution block (each number over its count, 18 to a line).
Printout DatabasePrintout(const DrawStore& store, const QString& topNumbersLine, int linesPerPage);
