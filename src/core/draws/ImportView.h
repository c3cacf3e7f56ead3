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

// "152 draws found", "3 lines skipped" and "0 draws left out", and "2 duplicates dropped" when
// there are any; the reason instead when the import refused the shape or the file.
QStringList SummaryLines(const DrawHistoryImport& import);
// Every skipped line, as "line 12: bad date: 31.02.2020;3;11;12;14;41;43".
QStringList SkippedLineTexts(const DrawHistoryImport& import);
// The record grid's texts of the first `count` draws as the database window will show them:
// record number, date in the short date form, numbers.
QList<QStringList> PreviewRows(const DrawHistoryImport& import, int count = PreviewDraws);

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
    // Adding keeps the newest draws only: some of those in memory would go.
    bool dropsDrawsInMemory = false;
};
Plan PlanImport(const DrawStore& store, const DrawHistoryImport& import, Mode mode);

// Puts the planned records in the store with the import's shape and `title` (cut to the longest
// title a draw file holds); the store's draws are then unsaved.
void Apply(DrawStore& store, const Plan& plan, DrawHistoryImport::Shape shape,
           const QString& title);

} // namespace ImportView
