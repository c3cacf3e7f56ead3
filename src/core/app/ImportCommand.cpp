// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "ImportCommand.h"

#include "core/app/CommandFiles.h"
#include "core/common/SaveFile.h"
#include "core/draws/DrawFile.h"
#include "core/draws/DrawHistoryImport.h"
#include "core/draws/ImportView.h"

#include <QLocale>

namespace {

// The draws of the draw file an import adds to; why they cannot be, or nothing.
QString readDrawFile(const QString& path, const LotteryShape& shape, DrawStore& store)
{
    QString error;
    DrawFile::ReadResult read = ReadDrawFileForCommand(path, error);
    if (read.error != DrawFile::ReadError::None)
        return error;
    const LotteryShape held = read.content.shape;
    if (held != shape.clamped() && (held.extraNumbers > 0 || shape.extraNumbers > 0))
        return QStringLiteral("%1 holds draws of %2, not %3. Nothing was written.")
            .arg(path, ShapeName(held), ShapeName(shape));
    if (held != shape)
        return QStringLiteral(
                   "%1 holds draws of %2 numbers from 1 to %3, not %4 from 1 to %5. Nothing was written.")
            .arg(path, QString::number(held.numbersPerDraw), QString::number(held.highestNumber),
                 QString::number(shape.numbersPerDraw), QString::number(shape.highestNumber));
    if (!store.Load(held, read.content.title, std::move(read.content.records)))
        return QStringLiteral("cannot read %1: it holds more draws than a database can.").arg(path);
    return {};
}

} // namespace

CommandResult RunImportCommand(const CommandLine::ImportRequest& request, const QString& program,
                               const QDate& today)
{
    CommandResult result;
    const QString& history = request.history;
    const auto failed = [&](const QString& message) { return result.failed(program, message); };

    if (SameFile(history, request.destination()))
        return failed(
            QStringLiteral("%1 is the history itself: it would be lost. Nothing was written.")
                .arg(request.destination()));
    if (!request.addTo.isEmpty() && SameFile(history, request.addTo))
        return failed(
            QStringLiteral("%1 is the history itself: it is no draw database. Nothing was written.")
                .arg(request.addTo));

    // The draw file added to first: the history's lines are worth reporting only when it can be.
    DrawStore store;
    ImportView::Mode mode = ImportView::Mode::Replace;
    if (!request.addTo.isEmpty()) {
        if (const QString wrong = readDrawFile(request.addTo, request.shape, store);
            !wrong.isEmpty())
            return failed(wrong);
        mode = ImportView::Mode::Add;
    }

    QString reason;
    QString written;
    LotteryShape shape;
    {
        // The history's bytes and draws are let go before the draw file is built: a million
        // draws must fit beside it.
        std::optional<QByteArray> bytes = ImportView::ReadHistoryFile(history, &reason);
        if (!bytes)
            return failed(QStringLiteral("cannot read %1: %2").arg(history, reason));
        std::optional<DrawHistoryImport> import;
        import.emplace(*bytes, request.shape, today, request.dateOrder, request.columns);
        for (const QString& line : ImportView::SkippedLineTexts(*import))
            result.err += history + QStringLiteral(": ") + line + u'\n';
        if (import->dateOrderUndecided()) {
            const bool dayFirst = import->dateOrder() == DrawHistoryImport::DateOrder::DayMonth;
            QString example;
            if (const auto found
                = ImportView::FindDateOrderExample(*bytes, request.shape, today, request.columns))
                example = QStringLiteral(" (line %1 is %2)")
                              .arg(QString::number(found->line),
                                   QLocale(QLocale::English)
                                       .toString(dayFirst ? found->dayFirst : found->monthFirst,
                                                 QStringLiteral("d MMMM yyyy")));
            result.err
                += QStringLiteral(
                       "%1: %2: the dates can be read day first or month first; they were read %3%4. Choose with --dates.\n")
                       .arg(program, history,
                            dayFirst ? QStringLiteral("day first") : QStringLiteral("month first"),
                            example);
        }
        bytes.reset();
        if (import->columnsNeeded())
            return failed(QStringLiteral("%1: %2 Give them with --columns. Nothing was written.")
                              .arg(history, import->refusal()));

        ImportView::Plan plan = ImportView::PlanImport(store, *import, mode, request.newest);
        if (!plan.refusal.isEmpty())
            return failed(QStringLiteral("%1: %2 Nothing was written.").arg(history, plan.refusal));
        for (const QString& line : ImportView::ConflictTexts(plan, import->shape()))
            result.err += history + QStringLiteral(": ") + line + u'\n';
        // Old draws are never dropped to make room: the user says which to keep.
        if (plan.excess > 0)
            return failed(
                QStringLiteral(
                    "%1: the database would hold %2 draws, more than the %3 it can hold. Nothing was written; --newest takes only the newest draws of the history.")
                    .arg(history, QString::number(plan.records.size()),
                         QString::number(DrawStore::MaxRecords)));
        written = ImportView::WrittenLine(plan, int(import->skippedLines().size()),
                                          request.destination());
        shape = import->shape();
        import.reset();
        // Adding keeps the title of the draw file added to.
        const QString title = request.title.value_or(
            mode == ImportView::Mode::Add ? store.Title() : ImportView::DefaultTitle(history));
        ImportView::Apply(store, std::move(plan), shape, title);
    }
    const std::optional<QByteArray> content = DrawFile::Bytes(store);
    if (!content)
        reason = QStringLiteral("A record's date is no date that can be written.");
    const QString& output = request.destination();
    if (!content || !SaveFileAtomically(output, *content, &reason))
        return failed(QStringLiteral("cannot write %1: %2").arg(output, reason));
    result.out = written;
    return result;
}
