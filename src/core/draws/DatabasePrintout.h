// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/common/Printout.h"

#include <QString>

class DrawStore;

// The database printout: every record with its date and numbers, page by page, then the top
// numbers line and the distribution block (each number over its count, 18 to a line).
Printout DatabasePrintout(const DrawStore& store, const QString& topNumbersLine, int linesPerPage);

// The pages DatabasePrintout makes of the store, worked out without laying them out: a long
// history is asked about before its thousands of pages are built.
int DatabasePrintoutPages(const DrawStore& store, int linesPerPage);
// More pages than this are printed only when the user says so.
constexpr int LongPrintoutPages = 50;
