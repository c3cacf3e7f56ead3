#pragma once

#include "core/common/Printout.h"

#include <QString>

#include <array>

class DrawStore;

// The database printout: every record with its date and numbers, page by page, then the top
// numbers line and the distribution block, which is also left in `printLines` (1..8).
Printout DatabasePrintout(const DrawStore& store, const QString& distributionText, int linesPerPage,
                          std::array<QString, 9>& printLines);
