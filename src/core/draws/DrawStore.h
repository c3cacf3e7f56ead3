// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/common/Document.h"
#include "core/draws/DrawRecords.h"
#include "core/draws/LotteryShape.h"

#include <QDate>
#include <QString>

#include <array>
#include <span>

// A number and how often it was drawn. In the counts, row n holds number n (0 while it was never
// drawn); in a ranking, row r holds the number at rank r.
struct NumberCount {
    int number = 0;
    int count = 0;

    bool operator==(const NumberCount&) const = default;
};

// One row per number 0..99, as the counts and the ranking use it; row 0 stays empty, but for the
// extra numbers of an own pool that starts at 0.
using NumberTable = std::array<NumberCount, LotteryShape::MaxHighestNumber + 1>;

// The one in-memory database of winning draws: the lottery's shape and title, the records, and
// how often each number was drawn. It tells whoever listens what changed, and keeps its counts
// current itself, so that no window refreshes another's view by hand. It is the document of the
// draw files: adding, correcting, retitling and importing change it; a file read or written, or
// an erased store, leaves nothing to lose.
class DrawStore : public Document {
    Q_OBJECT

public:
    // Every draw of a daily game for a few thousand years; a draw costs a few bytes.
    static constexpr int MaxRecords = 1'000'000;
    // A draw file may hold two more records than the window adds.
    static constexpr int MaxLoadedRecords = MaxRecords + 2;
    static constexpr int HighestNumber = LotteryShape::MaxHighestNumber;

    explicit DrawStore(QObject* parent = nullptr);

    // Empties the records, counts, title and file name; the shape stays. Nothing is left to lose.
    void Reset();
    // Adds a record of already checked numbers (the main numbers, then the extra ones); false
    // when the store is full.
    bool AppendRecord(const QDate& date, std::span<const int> numbers);
    // Overwrites the date and numbers of record `record` (1..RecCount); the spare fields stay.
    bool ReplaceRecord(int record, const QDate& date, std::span<const int> numbers);
    // Replaces everything with the draws of an import, not saved yet; the shape is cut to the
    // program's limits. False, with nothing changed, when the records are too many.
    bool Load(const LotteryShape& shape, const QString& title, DrawRecords records);

    int RecCount() const { return m_records.size(); }
    const DrawRecords& records() const { return m_records; }
    // Record `record` (1..RecCount): its date and the number in field `field` (0..9, or up to
    // the shape's main and extra numbers): the main numbers come first, then the extra ones.
    QDate date(int record) const { return m_records.date(record); }
    int number(int record, int field) const { return m_records.number(record, field); }

    LotteryShape shape() const { return m_shape; }
    // Takes the shape cut to the program's limits; the records gain the fields it needs.
    void setShape(const LotteryShape& shape);

    QString Title() const { return m_title; }
    // The title as a draw file can keep it: without control characters and double quotes.
    void SetTitle(const QString& title);
    // The draw file's name without its folder, as the questions and dialogs show it.
    QString FileDisplayName() const { return fileName(); }
    // Whether records were added or changed since the last open or save.
    bool ChangedFlag() const { return isModified(); }
    // An empty store holds nothing to lose, whatever happened to it.
    bool hasUnsavedWork() const override { return isModified() && RecCount() > 0; }
    QString dropQuestion() const override;

    // How often each number 1..99 occurs in the number fields of the records (every field but
    // the extra numbers', whatever the shape; 0 and values above 99 never count).
    const NumberTable& NumberCounts() const { return m_numberCounts; }
    // How often each extra number occurs, counted apart from the main numbers: values within
    // the extra numbers' range only. All zero when the shape has none.
    const NumberTable& ExtraCounts() const { return m_extraCounts; }

Q_SIGNALS:
    // Record `record`, the last, was added.
    void recordAppended(int record);
    // Record `record` was overwritten.
    void recordReplaced(int record);
    // Every record may differ: a load, a reset.
    void storeReset();
    void shapeChanged();
    void titleChanged();

protected:
    bool readFrom(QIODevice& device, QString& reason) override;
    bool writeTo(QIODevice& device, QString& reason) const override;

private:
    // Takes the content of a file or an import.
    bool take(const LotteryShape& shape, const QString& title, DrawRecords records);
    void count(int record, int step);
    void CountNumbers();

    DrawRecords m_records;
    NumberTable m_numberCounts {};
    NumberTable m_extraCounts {};
    LotteryShape m_shape;
    QString m_title;
};

// The date proposed for the next record: a week after the last record's, or `today` when there
// is none or that date would fall beyond the year 9999.
QDate ProposeNewDate(const DrawStore& store, const QDate& today);
