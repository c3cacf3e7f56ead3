// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "CommandLine.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <algorithm>

namespace {

QCommandLineOption valueOption(const char* name, const QString& description, const char* valueName)
{
    return QCommandLineOption(QString::fromLatin1(name), description,
                              QString::fromLatin1(valueName));
}

// Whether `word` (after its dash) is an option QApplication takes out of the command line itself,
// on every platform or on X11, and whether the next argument is its value.
bool isQtOption(QStringView word, bool& takesValue)
{
    // Separated and ended by blanks, so that a whole word is looked for.
    constexpr QLatin1StringView withValue(
        " platform platformpluginpath platformtheme plugin qwindowgeometry qwindowtitle "
        "qwindowicon session style stylesheet qmljsdebugger display name visual geometry title "
        "icon ");
    constexpr QLatin1StringView alone(
        " reverse testability widgetcount nograb dograb qdevel qdebug ");
    const QString padded = u' ' + word.toString() + u' ';
    const auto listed = [&padded](QLatin1StringView words) {
        return padded.count(u' ') == 2 && words.contains(padded);
    };
    takesValue = listed(withValue);
    return takesValue || listed(alone)
        || (word.startsWith(u"style=") || word.startsWith(u"stylesheet=")
            || word.startsWith(u"qmljsdebugger="));
}

// The arguments without Qt's own options, which QApplication takes and the program never sees.
QStringList withoutQtOptions(const QStringList& arguments)
{
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        bool takesValue = false;
        if (i > 0 && argument.size() > 2 && argument[0] == u'-' && argument[1] != u'-'
            && isQtOption(QStringView(argument).sliced(1), takesValue)) {
            if (takesValue)
                ++i;
            continue;
        }
        kept.append(argument);
        if (argument == QLatin1String("--")) {
            kept += arguments.mid(i + 1);
            break;
        }
    }
    return kept;
}

// The program's options; `all` in the order the help lists them.
struct Options {
    QCommandLineOption help;
    QCommandLineOption version;
    QCommandLineOption quitAfterShow;
    QCommandLineOption import;
    QCommandLineOption numbers;
    QCommandLineOption highest;
    QCommandLineOption extra;
    QCommandLineOption extraFrom;
    QCommandLineOption extraRange;
    QCommandLineOption output;
    QCommandLineOption addTo;
    QCommandLineOption title;
    QCommandLineOption dates;
    QCommandLineOption newest;
    QCommandLineOption columns;
    QCommandLineOption dateColumn;
    QCommandLineOption exportDraws;
    QCommandLineOption wheel;
    QCommandLineOption size;
    QCommandLineOption guarantee;
    QCommandLineOption ifDrawn;
    QCommandLineOption keys;
    QCommandLineOption seconds;
    QCommandLineOption seed;
    QCommandLineOption check;
    QCommandLineOption draws;

    QList<const QCommandLineOption*> all() const
    {
        return {&help,      &version,    &quitAfterShow, &import, &numbers, &highest,   &extra,
                &extraFrom, &extraRange, &output,        &addTo,  &title,   &dates,     &newest,
                &columns,   &dateColumn, &exportDraws,   &wheel,  &size,    &guarantee, &ifDrawn,
                &keys,      &seconds,    &seed,          &check,  &draws};
    }

    // The options only --import takes.
    QList<const QCommandLineOption*> importOnly() const
    {
        return {&highest, &extra, &extraFrom, &extraRange, &addTo,
                &title,   &dates, &newest,    &columns,    &dateColumn};
    }

    // The options only --wheel takes.
    QList<const QCommandLineOption*> wheelOnly() const
    {
        return {&size, &guarantee, &ifDrawn, &keys, &seconds, &seed};
    }

    // The options only --check takes.
    QList<const QCommandLineOption*> checkOnly() const { return {&draws}; }
};

Options declareOptions()
{
    QCommandLineOption quitAfterShow(QStringLiteral("quit-after-show"),
                                     QStringLiteral("Ends once the menu is painted."));
    quitAfterShow.setFlags(QCommandLineOption::HiddenFromHelp);
    return {
        // Declared by hand: Qt's own help option would also offer --help-all, whose text only
        // QCommandLineParser::process() can print, and that ends the program on the spot.
        .help = QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                                   QStringLiteral("Shows these options and ends.")),
        .version = QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                                      QStringLiteral("Shows the version and ends.")),
        .quitAfterShow = quitAfterShow,
        .import = valueOption(
            "import",
            QStringLiteral(
                "Reads the draw history <file> (a lottery's CSV, tab-separated or text file) and writes its draws to the draw database given by --output, or adds them to the one given by --add-to, without a window. Needs --numbers, --highest and --output or --add-to."),
            "file"),
        .numbers = valueOption(
            "numbers",
            QStringLiteral(
                "With --import: the numbers per draw of the lottery, 1 to %1. With --wheel: the pool, the numbers 1 to <k>, at most %2.")
                .arg(LotteryShape::MaxNumbersPerDraw)
                .arg(WheelRequest::MaxPool),
            "k"),
        .highest
        = valueOption("highest",
                      QStringLiteral("With --import: the highest number of the lottery, 1 to %1.")
                          .arg(LotteryShape::MaxHighestNumber),
                      "n"),
        .extra = valueOption(
            "extra",
            QStringLiteral(
                "With --import: the extra numbers drawn beside the main ones (a bonus ball, a star), 0 to %1; with --extra-from or --extra-range. They stand after the main numbers in the history.")
                .arg(LotteryShape::MaxExtraNumbers),
            "e"),
        .extraFrom = valueOption(
            "extra-from",
            QStringLiteral(
                "With --extra: main, when the extra numbers are drawn from the main numbers' pool after them (a bonus ball), each differing from them."),
            "pool"),
        .extraRange = valueOption(
            "extra-range",
            QStringLiteral(
                "With --extra: the extra numbers' own pool, such as 1-26 or 0-9, from 0 or 1 up to at most %1; an extra number may equal a main one.")
                .arg(LotteryShape::MaxExtraHighest),
            "l-m"),
        .output = valueOption(
            "output",
            QStringLiteral(
                "With --import: the draw database (.lto) to write; with --export: the CSV file to write; with --wheel: the file of tickets to write; with --check: the CSV file of results to write. A file of that name is replaced only once the new one is complete. It cannot be the file read."),
            "file"),
        .addTo = valueOption(
            "add-to",
            QStringLiteral(
                "With --import: the draw database (.lto) the history's draws are added to, for the weekly update. Draws it holds already are counted as duplicates; a draw on a date it holds with other numbers is a conflict, listed and not added. Its lottery must be the one of --numbers, --highest and --extra, and its title stays unless --title is given. The database is replaced only once the new one is complete; with --output as well, the result goes there and the database stays as it is."),
            "file"),
        .title = valueOption(
            "title",
            QStringLiteral(
                "With --import: the database's title; the history's file name without its extension by default."),
            "text"),
        .dates = valueOption(
            "dates",
            QStringLiteral(
                "With --import: day-first or month-first, how to read dates such as 03/04/2025 when the history does not tell."),
            "order"),
        .newest = valueOption(
            "newest",
            QStringLiteral(
                "With --import: takes only the <count> newest draws of the history. Without it every draw is taken, and a database that would hold more than %1 draws is not written.")
                .arg(DrawStore::MaxRecords),
            "count"),
        .columns = valueOption(
            "columns",
            QStringLiteral(
                "With --import: the columns that hold the drawn numbers, counted from 1, such as 3-8 or 5,7,9-12, the main numbers first and the extra numbers last; everything else on a line is passed over."),
            "list"),
        .dateColumn = valueOption(
            "date-column",
            QStringLiteral("With --import: the column that holds the date, counted from 1."), "n"),
        .exportDraws = valueOption(
            "export",
            QStringLiteral(
                "Writes the draws of the draw database <file> (.lto) as CSV to the file given by --output, without a window: a header line, then one line per draw, oldest first, with the ISO date, the main numbers and the extra numbers."),
            "file"),
        .wheel = QCommandLineOption(
            QStringLiteral("wheel"),
            QStringLiteral(
                "Searches a wheel over the pool given by --numbers: tickets of --size numbers with at least --guarantee matches on one of them whenever --if of the drawn numbers are in the pool. Writes one ticket per line to the file given by --output, the numbers ascending and separated by commas, and prints the ticket count, without a window.")),
        .size = valueOption("size", QStringLiteral("With --wheel: the numbers per ticket."), "k"),
        .guarantee
        = valueOption("guarantee",
                      QStringLiteral("With --wheel: the matches guaranteed on one ticket."), "t"),
        .ifDrawn = valueOption(
            "if",
            QStringLiteral(
                "With --wheel: how many of the drawn numbers must be in the pool for the guarantee to hold; at least --guarantee, at most --size."),
            "m"),
        .keys = valueOption(
            "keys", QStringLiteral("With --wheel: numbers on every ticket, such as 7,19."), "list"),
        .seconds = valueOption(
            "seconds",
            QStringLiteral(
                "With --wheel: how long the search may take, 10 seconds by default; it ends sooner when it cannot do better."),
            "s"),
        .seed = valueOption(
            "seed",
            QStringLiteral(
                "With --wheel: starts the search's random choices from <n>, 0 by default."),
            "n"),
        .check = valueOption(
            "check",
            QStringLiteral(
                "Checks the tickets in <file> (one a line, the numbers separated by commas, extra numbers after a +) against every draw of the draw database given by --draws, and writes to the CSV file given by --output a header and one line per draw and ticket: the draw's date, the ticket's line number, the main numbers and the extra numbers matched. Without a window."),
            "file"),
        .draws = valueOption(
            "draws",
            QStringLiteral(
                "With --check: the draw database (.lto) the tickets are checked against."),
            "file"),
    };
}

// What is wrong with a word after one dash; empty when there is none. Options of one letter take
// one dash, words two: the parser would read "-import" as the letters i, m, p, o, r and t, and
// say so.
QString wordAfterOneDash(const QStringList& arguments, const Options& options)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--"))
            break;
        const bool word = argument.startsWith(u'-') && argument.size() > 2;
        if (word && argument[1] != u'-') {
            for (const QCommandLineOption* option : options.all())
                if (option->names().constLast() == argument.sliced(1))
                    return QStringLiteral("Unknown option '%1'; did you mean -%1?").arg(argument);
            return QStringLiteral("Unknown option '%1'.").arg(argument);
        }
        // A value may begin with a dash ("--title -Six-").
        if (word && !argument.contains(u'='))
            for (const QCommandLineOption* option : options.all())
                if (!option->valueName().isEmpty()
                    && option->names().constLast() == argument.sliced(2))
                    ++i;
    }
    return {};
}

// The option given more than once, if any: the parser keeps every value of an option given
// twice, and which one was meant is a guess.
QString repeatedOption(const QCommandLineParser& parser, const Options& options)
{
    const QStringList given = parser.optionNames();
    for (const QCommandLineOption* option : options.all()) {
        const QStringList names = option->names();
        const auto named = [&names](const QString& name) { return names.contains(name); };
        if (std::count_if(given.begin(), given.end(), named) > 1)
            return QStringLiteral("--%1 is given more than once.").arg(names.constLast());
    }
    return {};
}

// The parser names the program by its full path, or not at all before the application object
// exists.
QString usageText(const QCommandLineParser& parser, const QString& program)
{
    const QString usage = parser.helpText();
    const qsizetype afterName = usage.indexOf(QLatin1String(" [options]"));
    return afterName < 0 ? usage : QStringLiteral("Usage: ") + program + usage.mid(afterName);
}

// Fills the extra numbers of `shape` from --extra, --extra-from and --extra-range; what is wrong
// with them, or nothing. Whether the pool fits the shape is the import's to say, as for --highest.
QString readExtra(const QCommandLineParser& parser, const Options& options, LotteryShape& shape)
{
    const bool from = parser.isSet(options.extraFrom);
    const bool range = parser.isSet(options.extraRange);
    if (parser.isSet(options.extra)) {
        bool read = false;
        shape.extraNumbers = parser.value(options.extra).toInt(&read);
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
        if (parser.value(options.extraFrom) != QLatin1String("main"))
            return QStringLiteral(
                "--extra-from takes main; an own pool is given with --extra-range, such as 1-26.");
        shape.extraPool = LotteryShape::ExtraPool::Main;
        return {};
    }
    const QStringList bounds = parser.value(options.extraRange).split(u'-');
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

// What is wrong when one of `only`, the options of --`command` alone, is given; empty when none
// is.
QString onlyFor(const QCommandLineParser& parser, const QList<const QCommandLineOption*>& only,
                const char* command)
{
    for (const QCommandLineOption* option : only)
        if (parser.isSet(*option))
            return QStringLiteral("--%1 is only for --%2.")
                .arg(option->names().constFirst(), QLatin1String(command));
    return {};
}

QString onlyForWheel(const QCommandLineParser& parser, const Options& options)
{
    if (const QString wrong = onlyFor(parser, options.checkOnly(), "check"); !wrong.isEmpty())
        return wrong;
    return onlyFor(parser, options.wheelOnly(), "wheel");
}

// Fills `request` from the options of --import; what is wrong with them, or nothing.
QString readImportRequest(const QCommandLineParser& parser, const Options& options,
                          CommandLine::ImportRequest& request)
{
    if (const QString wrong = onlyForWheel(parser, options); !wrong.isEmpty())
        return wrong;
    if (!parser.positionalArguments().isEmpty())
        return QStringLiteral(
            "--import opens no file: write to the one --output or --add-to names.");
    if (!parser.isSet(options.numbers) || !parser.isSet(options.highest)
        || (!parser.isSet(options.output) && !parser.isSet(options.addTo)))
        return QStringLiteral("--import needs --numbers, --highest and --output or --add-to.");
    request.history = parser.value(options.import);
    request.output = parser.value(options.output);
    request.addTo = parser.value(options.addTo);
    if (request.history.isEmpty() || (parser.isSet(options.output) && request.output.isEmpty())
        || (parser.isSet(options.addTo) && request.addTo.isEmpty()))
        return QStringLiteral("the file name is empty.");
    bool numbersRead = false;
    bool highestRead = false;
    request.shape.numbersPerDraw = parser.value(options.numbers).toInt(&numbersRead);
    request.shape.highestNumber = parser.value(options.highest).toInt(&highestRead);
    if (!numbersRead || !highestRead)
        return QStringLiteral("--numbers and --highest take whole numbers.");
    if (const QString wrong = readExtra(parser, options, request.shape); !wrong.isEmpty())
        return wrong;
    if (parser.isSet(options.newest)) {
        bool newestRead = false;
        request.newest = parser.value(options.newest).toInt(&newestRead);
        if (!newestRead || request.newest < 1)
            return QStringLiteral("--newest takes a whole number from 1.");
    }
    if (parser.isSet(options.title))
        request.title = parser.value(options.title);
    if (parser.isSet(options.dates)) {
        const QString order = parser.value(options.dates);
        if (order == QLatin1String("day-first"))
            request.dateOrder = DrawHistoryImport::DateOrder::DayMonth;
        else if (order == QLatin1String("month-first"))
            request.dateOrder = DrawHistoryImport::DateOrder::MonthDay;
        else
            return QStringLiteral("--dates takes day-first or month-first.");
    }
    if (parser.isSet(options.dateColumn)) {
        bool read = false;
        request.columns.date = parser.value(options.dateColumn).toInt(&read);
        if (!read || request.columns.date < 1
            || request.columns.date > DrawHistoryImport::MaxColumn)
            return QStringLiteral("--date-column takes a column number from 1 to 9999.");
    }
    if (parser.isSet(options.columns)) {
        const std::optional<DrawHistoryImport::Columns> columns
            = DrawHistoryImport::ParseColumns(parser.value(options.columns), request.columns.date);
        if (!columns)
            return QStringLiteral(
                "--columns takes column numbers from 1 to 9999 such as 3-8 or 5,7,9-12, each once.");
        request.columns = *columns;
    }
    return {};
}

// Fills `request` from the options of --export; what is wrong with them, or nothing.
QString readExportRequest(const QCommandLineParser& parser, const Options& options,
                          CommandLine::ExportRequest& request)
{
    if (const QString wrong = onlyFor(
            parser, QList<const QCommandLineOption*> {&options.numbers} + options.importOnly(),
            "import");
        !wrong.isEmpty())
        return wrong;
    if (const QString wrong = onlyForWheel(parser, options); !wrong.isEmpty())
        return wrong;
    if (!parser.positionalArguments().isEmpty())
        return QStringLiteral("--export opens no file: write to the one --output names.");
    if (!parser.isSet(options.output))
        return QStringLiteral("--export needs --output.");
    request.drawFile = parser.value(options.exportDraws);
    request.output = parser.value(options.output);
    if (request.drawFile.isEmpty() || request.output.isEmpty())
        return QStringLiteral("the file name is empty.");
    return {};
}

// Fills `request` from the options of --wheel; what is wrong with them, or nothing. Whether the
// numbers make a wheel is the search's to say.
QString readWheelRequest(const QCommandLineParser& parser, const Options& options,
                         CommandLine::WheelRequest& request)
{
    if (const QString wrong = onlyFor(parser, options.importOnly(), "import"); !wrong.isEmpty())
        return wrong;
    if (const QString wrong = onlyFor(parser, options.checkOnly(), "check"); !wrong.isEmpty())
        return wrong;
    if (!parser.positionalArguments().isEmpty())
        return QStringLiteral("--wheel opens no file: write to the one --output names.");
    if (!parser.isSet(options.numbers) || !parser.isSet(options.size)
        || !parser.isSet(options.guarantee) || !parser.isSet(options.ifDrawn)
        || !parser.isSet(options.output))
        return QStringLiteral("--wheel needs --numbers, --size, --guarantee, --if and --output.");
    request.output = parser.value(options.output);
    if (request.output.isEmpty())
        return QStringLiteral("the file name is empty.");
    ::WheelRequest& search = request.search;
    bool read[4] = {};
    search.poolSize = parser.value(options.numbers).toInt(&read[0]);
    search.ticketSize = parser.value(options.size).toInt(&read[1]);
    search.guarantee = parser.value(options.guarantee).toInt(&read[2]);
    search.ifDrawn = parser.value(options.ifDrawn).toInt(&read[3]);
    if (!read[0] || !read[1] || !read[2] || !read[3])
        return QStringLiteral("--numbers, --size, --guarantee and --if take whole numbers.");
    if (parser.isSet(options.keys)) {
        for (const QString& key : parser.value(options.keys).split(u',')) {
            bool keyRead = false;
            search.keys.append(key.trimmed().toInt(&keyRead));
            if (!keyRead)
                return QStringLiteral("--keys takes numbers separated by commas, such as 7,19.");
        }
    }
    if (parser.isSet(options.seconds)) {
        bool secondsRead = false;
        search.seconds = parser.value(options.seconds).toDouble(&secondsRead);
        if (!secondsRead || !(search.seconds > 0) || search.seconds > 86400)
            return QStringLiteral("--seconds takes a number of seconds above 0, at most 86400.");
    }
    if (parser.isSet(options.seed)) {
        bool seedRead = false;
        search.seed = parser.value(options.seed).toULongLong(&seedRead);
        if (!seedRead)
            return QStringLiteral("--seed takes a whole number from 0.");
    }
    return {};
}

// Fills `request` from the options of --check; what is wrong with them, or nothing.
QString readCheckRequest(const QCommandLineParser& parser, const Options& options,
                         CommandLine::CheckRequest& request)
{
    if (const QString wrong = onlyFor(
            parser, QList<const QCommandLineOption*> {&options.numbers} + options.importOnly(),
            "import");
        !wrong.isEmpty())
        return wrong;
    if (const QString wrong = onlyFor(parser, options.wheelOnly(), "wheel"); !wrong.isEmpty())
        return wrong;
    if (!parser.positionalArguments().isEmpty())
        return QStringLiteral("--check opens no file: write to the one --output names.");
    if (!parser.isSet(options.draws) || !parser.isSet(options.output))
        return QStringLiteral("--check needs --draws and --output.");
    request.tickets = parser.value(options.check);
    request.drawFile = parser.value(options.draws);
    request.output = parser.value(options.output);
    if (request.tickets.isEmpty() || request.drawFile.isEmpty() || request.output.isEmpty())
        return QStringLiteral("the file name is empty.");
    return {};
}

// Without --import: no option of --import, and at most one file to open.
QString readRun(const QCommandLineParser& parser, const Options& options, QString& file)
{
    if (const QString wrong = onlyForWheel(parser, options); !wrong.isEmpty())
        return wrong;
    if (const QString wrong = onlyFor(parser,
                                      QList<const QCommandLineOption*> {&options.numbers}
                                          + options.importOnly() + QList {&options.output},
                                      "import");
        !wrong.isEmpty())
        return wrong;
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return QStringLiteral("only one file can be opened at a time.");
    if (!files.isEmpty()) {
        if (files.first().isEmpty())
            return QStringLiteral("the file name is empty.");
        file = files.first();
    }
    return {};
}

} // namespace

CommandLine ParseCommandLine(const QStringList& allArguments)
{
    const QStringList arguments = withoutQtOptions(allArguments);
    CommandLine result;
    result.program = arguments.isEmpty() ? QStringLiteral("numerion")
                                         : QFileInfo(arguments.first()).fileName();
    const auto fail = [&result](const QString& message) {
        result.action = CommandLine::Action::Fail;
        result.text = QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n")
                          .arg(result.program, message);
        return result;
    };

    const Options options = declareOptions();
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Keeps lottery draws, counts the numbers and picks sets to play."));
    for (const QCommandLineOption* option : options.all())
        parser.addOption(*option);
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QStringLiteral(
            "A draw database (.lto), investment tracker file (.inv) or ticket book (.ltk) to open."),
        QStringLiteral("[file]"));

    if (const QString wrong = wordAfterOneDash(arguments, options); !wrong.isEmpty())
        return fail(wrong);
    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (const QString repeated = repeatedOption(parser, options); !repeated.isEmpty())
        return fail(repeated);
    if (parser.isSet(options.help)) {
        result.action = CommandLine::Action::ShowHelp;
        result.text = usageText(parser, result.program);
        return result;
    }
    if (parser.isSet(options.version)) {
        result.action = CommandLine::Action::ShowVersion;
        result.text = result.program + QStringLiteral(" " NUMERION_VERSION "\n");
        return result;
    }
    result.quitAfterShow = parser.isSet(options.quitAfterShow);
    if (parser.isSet(options.import) && parser.isSet(options.exportDraws))
        return fail(QStringLiteral("--import and --export cannot be given together."));
    if (parser.isSet(options.wheel)
        && (parser.isSet(options.import) || parser.isSet(options.exportDraws)))
        return fail(QStringLiteral("--wheel cannot be given with --import or --export."));
    if (parser.isSet(options.check)
        && (parser.isSet(options.import) || parser.isSet(options.exportDraws)
            || parser.isSet(options.wheel)))
        return fail(QStringLiteral("--check cannot be given with --import, --export or --wheel."));
    if (parser.isSet(options.check)) {
        if (const QString wrong = readCheckRequest(parser, options, result.check); !wrong.isEmpty())
            return fail(wrong);
        result.action = CommandLine::Action::Check;
        return result;
    }
    if (parser.isSet(options.wheel)) {
        if (const QString wrong = readWheelRequest(parser, options, result.wheel); !wrong.isEmpty())
            return fail(wrong);
        result.action = CommandLine::Action::Wheel;
        return result;
    }
    if (parser.isSet(options.exportDraws)) {
        if (const QString wrong = readExportRequest(parser, options, result.exportDraws);
            !wrong.isEmpty())
            return fail(wrong);
        result.action = CommandLine::Action::Export;
        return result;
    }
    if (parser.isSet(options.import)) {
        if (const QString wrong = readImportRequest(parser, options, result.import);
            !wrong.isEmpty())
            return fail(wrong);
        result.action = CommandLine::Action::Import;
        return result;
    }
    if (const QString wrong = readRun(parser, options, result.file); !wrong.isEmpty())
        return fail(wrong);
    return result;
}
