// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "ImportCommand.h"

#include "core/cli/CommandFiles.h"
#include "core/common/SaveFile.h"
#include "core/draws/DrawFile.h"
#include "core/draws/DrawHistoryImport.h"
#include "core/draws/ImportView.h"

#include <QCommandLineParser>
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

// Fills the extra numbers of `shape` from --extra, --extra-from and --extra-range; what is wrong
// with them, or nothing. Whether the pool fits the shape is the import's to say, as for --highest.
QString readExtra(const QCommandLineParser& parser, LotteryShape& shape)
{
    const bool from = parser.isSet(QStringLiteral("extra-from"));
    const bool range = parser.isSet(QStringLiteral("extra-range"));
    if (parser.isSet(QStringLiteral("extra"))) {
        bool read = false;
        shape.extraNumbers = parser.value(QStringLiteral("extra")).toInt(&read);
        if (!read || shape.extraNumbers < 0 || shape.extraNumbers > LotteryShape::MaxExtraNumbers)
            return QStringLiteral("--extra takes 0, 1 or 2.");
    }
    if (shape.extraNumbers == 0) {
        if (from || range)
            return QStringLiteral("--extra-from and --extra-range are only for --extra 1 or 2.");
        return {};
    }
    if (from == range)
        return QStringLiteral(
            "--extra needs --extra-from main or --extra-range L-M (its own pool), one of them.");
    if (from) {
        if (parser.value(QStringLiteral("extra-from")) != QLatin1String("main"))
            return QStringLiteral(
                "--extra-from takes main; an own pool is given with --extra-range, such as 1-26.");
        shape.extraPool = LotteryShape::ExtraPool::Main;
        return {};
    }
    const QStringList bounds = parser.value(QStringLiteral("extra-range")).split(u'-');
    bool lowRead = false;
    bool highRead = false;
    if (bounds.size() == 2) {
        shape.extraLowest = bounds[0].toInt(&lowRead);
        shape.extraHighest = bounds[1].toInt(&highRead);
    }
    if (!lowRead || !highRead)
        return QStringLiteral(
            "--extra-range takes the lowest and highest number, such as 1-26 or 0-9.");
    shape.extraPool = LotteryShape::ExtraPool::Own;
    return {};
}

// Fills `request` from the options of --import; what is wrong with them, or nothing.
QString readImportRequest(const QCommandLineParser& parser, CommandLine::ImportRequest& request)
{
    if (!parser.positionalArguments().isEmpty())
        return QStringLiteral(
            "--import opens no file: write to the one --output or --add-to names.");
    if (!parser.isSet(QStringLiteral("numbers")) || !parser.isSet(QStringLiteral("highest"))
        || (!parser.isSet(QStringLiteral("output")) && !parser.isSet(QStringLiteral("add-to"))))
        return QStringLiteral("--import needs --numbers, --highest and --output or --add-to.");
    request.history = parser.value(QStringLiteral("import"));
    request.output = parser.value(QStringLiteral("output"));
    request.addTo = parser.value(QStringLiteral("add-to"));
    if (request.history.isEmpty()
        || (parser.isSet(QStringLiteral("output")) && request.output.isEmpty())
        || (parser.isSet(QStringLiteral("add-to")) && request.addTo.isEmpty()))
        return QStringLiteral("the file name is empty.");
    bool numbersRead = false;
    bool highestRead = false;
    request.shape.numbersPerDraw = parser.value(QStringLiteral("numbers")).toInt(&numbersRead);
    request.shape.highestNumber = parser.value(QStringLiteral("highest")).toInt(&highestRead);
    if (!numbersRead || !highestRead)
        return QStringLiteral("--numbers and --highest take whole numbers.");
    if (const QString wrong = readExtra(parser, request.shape); !wrong.isEmpty())
        return wrong;
    if (parser.isSet(QStringLiteral("newest"))) {
        bool newestRead = false;
        request.newest = parser.value(QStringLiteral("newest")).toInt(&newestRead);
        if (!newestRead || request.newest < 1)
            return QStringLiteral("--newest takes a whole number from 1.");
    }
    if (parser.isSet(QStringLiteral("title")))
        request.title = parser.value(QStringLiteral("title"));
    if (parser.isSet(QStringLiteral("dates"))) {
        const QString order = parser.value(QStringLiteral("dates"));
        if (order == QLatin1String("day-first"))
            request.dateOrder = DrawHistoryImport::DateOrder::DayMonth;
        else if (order == QLatin1String("month-first"))
            request.dateOrder = DrawHistoryImport::DateOrder::MonthDay;
        else
            return QStringLiteral("--dates takes day-first or month-first.");
    }
    if (parser.isSet(QStringLiteral("date-column"))) {
        bool read = false;
        request.columns.date = parser.value(QStringLiteral("date-column")).toInt(&read);
        if (!read || request.columns.date < 1
            || request.columns.date > DrawHistoryImport::MaxColumn)
            return QStringLiteral("--date-column takes a column number from 1 to 9999.");
    }
    if (parser.isSet(QStringLiteral("columns"))) {
        const std::optional<DrawHistoryImport::Columns> columns = DrawHistoryImport::ParseColumns(
            parser.value(QStringLiteral("columns")), request.columns.date);
        if (!columns)
            return QStringLiteral(
                "--columns takes column numbers from 1 to 9999 such as 3-8 or 5,7,9-12, each once.");
        request.columns = *columns;
    }
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

QString ImportCommand::name() const
{
    return QStringLiteral("import");
}

QString ImportCommand::description() const
{
    return QStringLiteral(
        "Reads the draw history <file> (a lottery's CSV, tab-separated or text file) and writes its draws to the draw database given by --output, or adds them to the one given by --add-to, without a window. Needs --numbers, --highest and --output or --add-to.");
}

QString ImportCommand::valueName() const
{
    return QStringLiteral("file");
}

QList<QCommandLineOption> ImportCommand::options() const
{
    return {
        NumbersOption(),
        QCommandLineOption(
            QStringLiteral("highest"),
            QStringLiteral("With --import: the highest number of the lottery, 1 to %1.")
                .arg(LotteryShape::MaxHighestNumber),
            QStringLiteral("n")),
        QCommandLineOption(
            QStringLiteral("extra"),
            QStringLiteral(
                "With --import: the extra numbers drawn beside the main ones (a bonus ball, a star), 0 to %1; with --extra-from or --extra-range. They stand after the main numbers in the history.")
                .arg(LotteryShape::MaxExtraNumbers),
            QStringLiteral("e")),
        QCommandLineOption(
            QStringLiteral("extra-from"),
            QStringLiteral(
                "With --extra: main, when the extra numbers are drawn from the main numbers' pool after them (a bonus ball), each differing from them."),
            QStringLiteral("pool")),
        QCommandLineOption(
            QStringLiteral("extra-range"),
            QStringLiteral(
                "With --extra: the extra numbers' own pool, such as 1-26 or 0-9, from 0 or 1 up to at most %1; an extra number may equal a main one.")
                .arg(LotteryShape::MaxExtraHighest),
            QStringLiteral("l-m")),
        OutputOption(),
        QCommandLineOption(
            QStringLiteral("add-to"),
            QStringLiteral(
                "With --import: the draw database (.lto) the history's draws are added to, for the weekly update. Draws it holds already are counted as duplicates; a draw on a date it holds with other numbers is a conflict, listed and not added. Its lottery must be the one of --numbers, --highest and --extra, and its title stays unless --title is given. The database is replaced only once the new one is complete; with --output as well, the result goes there and the database stays as it is."),
            QStringLiteral("file")),
        QCommandLineOption(
            QStringLiteral("title"),
            QStringLiteral(
                "With --import: the database's title; the history's file name without its extension by default."),
            QStringLiteral("text")),
        QCommandLineOption(
            QStringLiteral("dates"),
            QStringLiteral(
                "With --import: day-first or month-first, how to read dates such as 03/04/2025 when the history does not tell."),
            QStringLiteral("order")),
        QCommandLineOption(
            QStringLiteral("newest"),
            QStringLiteral(
                "With --import: takes only the <count> newest draws of the history. Without it every draw is taken, and a database that would hold more than %1 draws is not written.")
                .arg(DrawStore::MaxRecords),
            QStringLiteral("count")),
        QCommandLineOption(
            QStringLiteral("columns"),
            QStringLiteral(
                "With --import: the columns that hold the drawn numbers, counted from 1, such as 3-8 or 5,7,9-12, the main numbers first and the extra numbers last; everything else on a line is passed over."),
            QStringLiteral("list")),
        QCommandLineOption(
            QStringLiteral("date-column"),
            QStringLiteral("With --import: the column that holds the date, counted from 1."),
            QStringLiteral("n")),
    };
}

QString ImportCommand::read(const QCommandLineParser& parser, CommandLine& line) const
{
    return readImportRequest(parser, line.import);
}

CommandResult ImportCommand::execute(const CommandLine& line, const QDate& today) const
{
    return RunImportCommand(line.import, line.program, today);
}
