// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/draws/DrawFile.h"
#include "core/draws/DrawHistoryImport.h"
#include "core/draws/DrawStore.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// What the import window shows and does with a draw history, kept apart from its widgets. The
// command line's conversion tells the user the same things in the same words.
namespace ImportView {

// Draws shown before the user decides.
constexpr int PreviewDraws = 20;

// The bytes of the history file at `path`; nothing, with the system's reason in `error`, when it
// cannot be read. A file larger than the import takes is read only as far as it takes to say so.
std::optional<QByteArray> ReadHistoryFile(const QString& path, QString* error);

// Every skipped line, as "line 12: bad date: 31.02.2020;3;11;12;14;41;43".
QStringList SkippedLineTexts(const DrawHistoryImport& import);
// The record grid's texts of the first `count` draws as the database window will show them:
// record number, date in the short date form, main numbers, extra numbers. `newest` > 0: of that
// many newest draws.
QList<QStringList> PreviewRows(const DrawHistoryImport& import, int count = PreviewDraws,
                               int newest = 0);

// The title a history gets unless the user types another: its file name without the extension.
QString DefaultTitle(const QString& path);
// The name proposed when the imported draws are saved: the history's name ending in .lto.
QString DrawFileName(const QString& path);

// A line whose date reads as one day with the day first and as another with the month first.
struct DateOrderExample {
    int line = 0;
    QDate dayFirst;
    QDate monthFirst;
};
// The first such line of the history, read in both orders; nothing when no line differs.
std::optional<DateOrderExample>
FindDateOrderExample(const QByteArray& bytes, DrawHistoryImport::Shape shape, const QDate& today,
                     const DrawHistoryImport::Columns& columns = DrawHistoryImport::Columns());
// The question whose Yes means day first and No month first.
QString DateOrderQuestion(const DateOrderExample& example);

enum class Mode {
    Replace, // the imported draws take the place of those in memory
    Add, // they are merged with those in memory by date
};

struct Plan {
    QString refusal; // why nothing can be imported this way; empty when it can
    DrawRecords records; // what the store will hold, numbered from 1
    int added = 0; // draws of the history the store did not hold
    int duplicates = 0; // draws already stored, or twice in the history
    std::vector<DrawHistoryImport::Conflict> conflicts; // not added
    int leftOut = 0; // older draws of the history not taken: only the newest were asked for
    // Records beyond DrawStore::MaxRecords: the store cannot hold them all.
    int excess = 0;
    // Keeping the newest DrawStore::MaxRecords drops some of the draws in memory.
    bool dropsDrawsInMemory = false;
};
// `newest` > 0 takes only that many of the history's newest draws. Adding keeps every draw in
// memory; whether the result fits the store is told in `excess`, never settled by dropping.
Plan PlanImport(const DrawStore& store, const DrawHistoryImport& import, Mode mode, int newest = 0);
// What the user may choose when the plan does not fit: only the newest DrawStore::MaxRecords
// records, the oldest dropped.
void KeepNewestThatFit(Plan& plan, const DrawRecords& inMemory);
// The question asked before that choice is taken.
QString TooManyQuestion(const Plan& plan);

// "152 draws found, 2 lines skipped" and "3 to add, 1 duplicate, 0 conflicts", then
// "500 older draws left out" when only the newest were taken and "2003 draws in all: more than
// the 2000 that fit" when they do not fit; the reason instead when the import refused the shape
// or the file.
QStringList SummaryLines(const DrawHistoryImport& import, const Plan& plan);
// Each conflict, as "line 7: conflict: the database holds 5 9 on 1982-06-19, the history 3 4",
// extra numbers after a plus: "the history 3 4 + 7".
QStringList ConflictTexts(const Plan& plan, const LotteryShape& shape);
// The same for a shape without extra numbers.
QStringList ConflictTexts(const Plan& plan, int numbersPerDraw);
// The one-line summary of the command line: "6059 draws written to x.lto: 12 added,
// 6047 duplicates, 0 conflicts, 3 lines skipped".
QString WrittenLine(const Plan& plan, int skipped, const QString& output);

// Puts the planned records in the store with the import's shape and `title` (cut to the longest
// title a draw file holds); the store's draws are then unsaved.
void Apply(DrawStore& store, Plan plan, DrawHistoryImport::Shape shape, const QString& title);

} // namespace ImportView
