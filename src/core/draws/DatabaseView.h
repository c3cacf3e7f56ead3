// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/draws/DrawStore.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// What the database window shows and checks, kept apart from its widgets.
namespace DatabaseView {

// The numbers of an entry row, each from 1 to highNum, or the message for its first faulty box.
// New records and corrections word the first two faults differently.
enum class EntryKind { NewRecord, Correction };
struct Entry {
    std::vector<int> numbers;
    std::optional<QString> fault;
};
Entry ParseEntry(const QStringList& numberTexts, int highNum, EntryKind kind);
// The extra numbers of an entry row: each within the shape's extra range, none twice, and a
// bonus from the main pool none of `mainNumbers`; or the message for the first faulty box.
Entry ParseExtras(const QStringList& extraTexts, const LotteryShape& shape,
                  const std::vector<int>& mainNumbers);

// The texts of a record's row in the record grid: record number, date and numbers.
QStringList RecordRowTexts(const DrawRecords& records, int numbersPerDraw, int record);
// One of them, for column 0 (record number), 1 (date) or 2.. (numbers).
QString RecordCellText(const DrawRecords& records, int record, int column);
// The same for a store of `shape`: an extra number of a pool that starts at 0 shows its 0.
QString RecordCellText(const DrawRecords& records, int record, int column,
                       const LotteryShape& shape);
// The record grid's header over a column: "Record", "Date", " 1", " 2", ...
QString RecordHeaderText(int column);
// The same, the columns after the `numbersPerDraw` main numbers headed " +1", " +2" for the extra
// numbers.
QString RecordHeaderText(int column, int numbersPerDraw);

// The numbers first..first+19 as the header row of a distribution grid (empty above highNum),
// and their counts (empty for 0; from 10000 on in thousands or millions, to fit the cells).
QStringList DistributionHeaders(int first, int highNum);
QStringList DistributionCounts(const NumberTable& counts, int first);

// "Distribution of numbers in database.  Top 6 =  ..." from the ranking; nothing when no
// number was ever drawn.
std::optional<QString> TopNumbersLine(const NumberTable& sortedCounts, int numbersPerDraw);

// The note of the draws in memory shown by the menu and Rado-d-Idorur: " File in Memory ",
// a line break and the title.
QString FileInMemoryText(const QString& title);

} // namespace DatabaseView
