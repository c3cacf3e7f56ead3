#pragma once

#include "core/common/Cell.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

// Per-number table of 61 rows (0..60) by 2 columns, as the counts and the ranking use it.
using NumberTable = std::array<std::array<int, 2>, 61>;

// The one in-memory database of winning draws: the lottery's shape and title, the records, and
// how often each number was drawn.
class DrawStore {
public:
    static constexpr int MaxRecords = 2000;
    static constexpr int TableRows = 2003; // rows 0..2002; row 0 is never filled
    static constexpr int TableColumns = 12; // record number, date, ten number columns
    static constexpr int HighestNumber = 60;

    using Record = std::array<Cell, TableColumns>;

    DrawStore();

    // Empties the records, counts and title; the shape, proposed date and flags stay.
    void Reset();
    // Adds a record from already checked entries; false when the store is full.
    bool AppendRecord(const QString& dateText, const QStringList& numberTexts);
    // Overwrites the date and numbers of record `record` (1..RecCount) as AppendRecord fills them.
    bool ReplaceRecord(int record, const QString& dateText, const QStringList& numberTexts);
    // Replaces every record with those of a draw file: records[i] becomes record i + 1, cells as
    // they were read. False, with nothing changed, when they do not fit the table.
    bool LoadRecords(const std::vector<Record>& records);
    void CountNumbers();
    // Sets NewDate to the last record's date + 7 days, or to `today` when there is none or that
    // date would fall beyond the year 9999.
    void ProposeNewDate(const QDate& today);

    int RecCount() const { return m_recCount; }
    int ColCount() const { return m_colCount; }
    void SetColCount(int colCount) { m_colCount = colCount; }
    int HighNum() const { return m_highNum; }
    void SetHighNum(int highNum) { m_highNum = highNum; }
    QString Title() const { return m_title; }
    // The title as a draw file can keep it: without control characters and double quotes.
    void SetTitle(const QString& title);
    QString FileDisplayName() const { return m_fileDisplayName; }
    void SetFileDisplayName(const QString& name) { m_fileDisplayName = name; }
    QDate NewDate() const { return m_newDate; }
    bool ChangedFlag() const { return m_changedFlag; }
    void SetChangedFlag(bool changed) { m_changedFlag = changed; }

    const Cell& cell(int row, int column) const { return m_records[row][column]; }

    const NumberTable& NumberCounts() const { return m_numberCounts; }
    NumberTable& SortedCounts() { return m_sortedCounts; }
    const NumberTable& SortedCounts() const { return m_sortedCounts; }

private:
    void writeEntry(int record, const QString& dateText, const QStringList& numberTexts);

    std::vector<Record> m_records;
    NumberTable m_numberCounts {};
    NumberTable m_sortedCounts {};
    int m_recCount = 0;
    int m_colCount = 8;
    int m_highNum = 49;
    QString m_title;
    QString m_fileDisplayName;
    QDate m_newDate;
    bool m_changedFlag = false;
};
