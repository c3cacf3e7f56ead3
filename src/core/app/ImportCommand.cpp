#include "ImportCommand.h"

#include "core/common/SaveFile.h"
#include "core/draws/DrawFile.h"
#include "core/draws/DrawHistoryImport.h"
#include "core/draws/ImportView.h"

#include <QLocale>

ImportCommandResult RunImportCommand(const CommandLine::ImportRequest& request,
                                     const QString& program, const QDate& today)
{
    ImportCommandResult result;
    const QString& history = request.history;
    auto failed = [&](const QString& message) {
        result.exitCode = 1;
        result.err += program + QStringLiteral(": ") + message + u'\n';
        return result;
    };

    QString reason;
    DrawStore store;
    qsizetype skipped = 0;
    int leftOut = 0;
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

        ImportView::Plan plan = ImportView::PlanImport(store, *import, ImportView::Mode::Replace);
        if (!plan.refusal.isEmpty())
            return failed(QStringLiteral("%1: %2 Nothing was written.").arg(history, plan.refusal));
        skipped = qsizetype(import->skippedLines().size());
        leftOut = import->leftOut();
        import.reset();
        ImportView::Apply(store, plan, request.shape,
                          request.title.value_or(ImportView::DefaultTitle(history)));
    }
    const std::optional<QByteArray> content = DrawFile::Bytes(store);
    if (!content)
        reason = QStringLiteral("A record's date is no date that can be written.");
    if (!content || !SaveFileAtomically(request.output, *content, &reason))
        return failed(QStringLiteral("cannot write %1: %2").arg(request.output, reason));

    // One arg() for all: a name holding "%3" must not take the place of the next value.
    result.out = QStringLiteral("%1 draws written to %2, %3 lines skipped, %4 draws left out\n")
                     .arg(QString::number(store.RecCount()), request.output,
                          QString::number(skipped), QString::number(leftOut));
    return result;
}
