// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/draws/LotteryShape.h"

#include <QByteArray>

class DrawRecords;

// The draws as a CSV file for spreadsheets and other programs: a header line, then one line per
// draw, oldest first (draws of one date in record order): the ISO date, the main numbers in the
// order they are stored, then the extra numbers. Lines end with CR LF.
namespace DrawCsv {

QByteArray Bytes(const LotteryShape& shape, const DrawRecords& records);

} // namespace DrawCsv
