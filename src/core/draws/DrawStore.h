#pragma once

#include "core/common/Cell.h"
#include "core/draws/LotteryShape.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

// A number and how often it was drawn. In the counts, row n holds number n (0 while it was never
// drawn); in a ranking, row r holds the number at rank r.
struct NumberCount {
    int number = 0;
    int count = 0;

    bool operator==(const NumberCount&) const = default;
};

// One row per number 0..60, as the counts and the ranking use it; row 0 stays empty.
using NumberTable = std::array<NumberCount, LotteryShape::MaxHighestNumber + 1>;

// The one in-memory database of winning draws: the lottery's shape and title, the records, and
// how often each number was drawn.
class DrawStore {
public:
    static constexpr int MaxRecords = 2000;
    // Records are numbered 1..TableRows - 1: a draw file may hold two more than the window adds.
    static constexpr int TableRows = 2003;
    // The record number, the date and a column for every number a draw can have.
    static constexpr int TableColumns = LotteryShape::MaxNumbersPerDraw + 2;
    static constexpr int HighestNumber = LotteryShape::MaxHighestNumber;

    using Record = std::array<Cell, TableColumns>;

    DrawStore();

    // Empties the records, counts and title; the shape, proposed date and flags stay.
    void Reset();
    // Adds a record from already checked entries; false when the store is full. A date typed
    // with a two-digit year is read in the hundred years around `today`.
    bool AppendRecord(const QString& dateText, const QStringList& numberTexts, const QDate& today);
    // Overwrites the date and numbers of record `record` (1..RecCount) as AppendRecord fills them.
    bool ReplaceRecord(int record, const QString& dateText, const QStringList& numberTexts,
                       const QDate& today);
    // Replaces every record with those of a draw file: records[i] becomes record i + 1, cells as
    // they were read. False, with nothing changed, when they do not fit the table. Taken by
    // value: a reader hands its records over without a copy.
    bool LoadRecords(std::vector<Record> records);
    void CountNumbers();
    // Sets NewDate to the last record's date + 7 days, or to `today` when there is none or that
    // date would fall beyond the year 9999.
    void ProposeNewDate(const QDate& today);

    int RecCount() const { return int(m_records.size()); }
    int ColCount() const { return m_colCount; }
    void SetColCount(int colCount) { m_colCount = colCount; }
    int HighNum() const { return m_highNum; }
    void SetHighNum(int highNum) { m_highNum = highNum; }
    LotteryShape shape() const { return {m_colCount - 2, m_highNum}; }
    void setShape(const LotteryShape& shape);
    QString Title() const { return m_title; }
    // The title as a draw file can keep it: without control characters and double quotes.
    void SetTitle(const QString& title);
    QString FileDisplayName() const { return m_fileDisplayName; }
    void SetFileDisplayName(const QString& name) { m_fileDisplayName = name; }
    QDate NewDate() const { return m_newDate; }
    bool ChangedFlag() const { return m_changedFlag; }
    void SetChangedFlag(bool changed) { m_changedFlag = changed; }

    // Row `row` (record number) of the table; row 0 and the rows after the last record are empty.
    const Cell& cell(int row, int column) const;

    const NumberTable& NumberCounts() const { return m_numberCounts; }
    NumberTable& SortedCounts() { return m_sortedCounts; }
    const NumberTable& SortedCounts() const { return m_sortedCounts; }

private:
    void writeEntry(int record, const QString& dateText, const QStringList& numberTexts,
                    const QDate& today);

    // Record n is m_records[n - 1]: the rows after the last one are never stored.
    std::vector<Record> m_records;
    NumberTable m_numberCounts {};
    NumberTable m_sortedCounts {};
    int m_colCount = LotteryShape::DefaultNumbersPerDraw + 2;
    int m_highNum = LotteryShape::DefaultHighestNumber;
    QString m_title;
    QString m_fileDisplayName;
    QDate m_newDate;
    bool m_changedFlag = false;
};
