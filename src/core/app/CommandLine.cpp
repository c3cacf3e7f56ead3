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

} // namespace

CommandLine ParseCommandLine(const QStringList& allArguments)
{
    const QStringList arguments = withoutQtOptions(allArguments);
    CommandLine result;
    result.program = arguments.isEmpty() ? QStringLiteral("numerion")
                                         : QFileInfo(arguments.first()).fileName();
    const QString& program = result.program;

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Keeps lottery draws, counts the numbers and picks sets to play."));
    // Declared by hand: Qt's own help option would also offer --help-all, whose text only
    // QCommandLineParser::process() can print, and that ends the program on the spot.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows these options and ends."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the version and ends."));
    const QCommandLineOption import = valueOption(
        "import",
        QStringLiteral(
            "Reads the draw history <file> (a lottery's CSV, tab-separated or text file) and writes its draws to the draw database given by --output, without a window. Needs --numbers, --highest and --output."),
        "file");
    const QCommandLineOption numbers
        = valueOption("numbers",
                      QStringLiteral("With --import: the numbers per draw of the lottery, 1 to %1.")
                          .arg(LotteryShape::MaxNumbersPerDraw),
                      "k");
    const QCommandLineOption highest
        = valueOption("highest",
                      QStringLiteral("With --import: the highest number of the lottery, 1 to %1.")
                          .arg(LotteryShape::MaxHighestNumber),
                      "n");
    const QCommandLineOption output = valueOption(
        "output",
        QStringLiteral(
            "With --import: the draw database (.lto) to write; a file of that name is replaced only once the new one is complete."),
        "file");
    const QCommandLineOption title = valueOption(
        "title",
        QStringLiteral(
            "With --import: the database's title; the history's file name without its extension by default."),
        "text");
    const QCommandLineOption dates = valueOption(
        "dates",
        QStringLiteral(
            "With --import: day-first or month-first, how to read dates such as 03/04/2025 when the history does not tell."),
        "order");
    QCommandLineOption quitAfterShow(QStringLiteral("quit-after-show"),
                                     QStringLiteral("Ends once the menu is painted."));
    quitAfterShow.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions(
        {help, version, quitAfterShow, import, numbers, highest, output, title, dates});
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QStringLiteral("A draw database (.lto) or investment tracker file (.inv) to open."),
        QStringLiteral("[file]"));

    auto fail = [&](const QString& message) {
        result.action = CommandLine::Action::Fail;
        result.text = QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n")
                          .arg(program, message);
        return result;
    };

    const QList<const QCommandLineOption*> options {
        &help, &version, &quitAfterShow, &import, &numbers, &highest, &output, &title, &dates};
    // Options of one letter take one dash, words two. The parser would read "-import" as the
    // letters i, m, p, o, r and t, and say so.
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--"))
            break;
        const bool word = argument.startsWith(u'-') && argument.size() > 2;
        if (word && argument[1] != u'-') {
            for (const QCommandLineOption* option : options)
                if (option->names().constLast() == argument.sliced(1))
                    return fail(
                        QStringLiteral("Unknown option '%1'; did you mean -%1?").arg(argument));
            return fail(QStringLiteral("Unknown option '%1'.").arg(argument));
        }
        // A value may begin with a dash ("--title -Six-").
        if (word && !argument.contains(u'='))
            for (const QCommandLineOption* option : options)
                if (!option->valueName().isEmpty()
                    && option->names().constLast() == argument.sliced(2))
                    ++i;
    }
    if (!parser.parse(arguments))
        return fail(parser.errorText());
    // The parser keeps every value of an option given twice; which one was meant is a guess.
    const QStringList given = parser.optionNames();
    for (const QCommandLineOption* option : options) {
        const QStringList names = option->names();
        const auto named = [&names](const QString& name) { return names.contains(name); };
        if (std::count_if(given.begin(), given.end(), named) > 1)
            return fail(QStringLiteral("--%1 is given more than once.").arg(names.constLast()));
    }
    if (parser.isSet(help)) {
        result.action = CommandLine::Action::ShowHelp;
        // The parser names the program by its full path, or not at all before the application
        // object exists.
        const QString usage = parser.helpText();
        const qsizetype afterName = usage.indexOf(QLatin1String(" [options]"));
        result.text
            = afterName < 0 ? usage : QStringLiteral("Usage: ") + program + usage.mid(afterName);
        return result;
    }
    if (parser.isSet(version)) {
        result.action = CommandLine::Action::ShowVersion;
        result.text = program + QStringLiteral(" " NUMERION_VERSION "\n");
        return result;
    }
    const QStringList files = parser.positionalArguments();
    result.quitAfterShow = parser.isSet(quitAfterShow);

    if (!parser.isSet(import)) {
        for (const QCommandLineOption* option : {&numbers, &highest, &output, &title, &dates})
            if (parser.isSet(*option))
                return fail(
                    QStringLiteral("--%1 is only for --import.").arg(option->names().constFirst()));
    } else {
        if (!files.isEmpty())
            return fail(QStringLiteral("--import opens no file: write to the one --output names."));
        if (!parser.isSet(numbers) || !parser.isSet(highest) || !parser.isSet(output))
            return fail(QStringLiteral("--import needs --numbers, --highest and --output."));
        CommandLine::ImportRequest& request = result.import;
        request.history = parser.value(import);
        request.output = parser.value(output);
        if (request.history.isEmpty() || request.output.isEmpty())
            return fail(QStringLiteral("the file name is empty."));
        bool numbersRead = false;
        bool highestRead = false;
        request.shape.numbersPerDraw = parser.value(numbers).toInt(&numbersRead);
        request.shape.highestNumber = parser.value(highest).toInt(&highestRead);
        if (!numbersRead || !highestRead)
            return fail(QStringLiteral("--numbers and --highest take whole numbers."));
        if (parser.isSet(title))
            request.title = parser.value(title);
        if (parser.isSet(dates)) {
            const QString order = parser.value(dates);
            if (order == QLatin1String("day-first"))
                request.dateOrder = DrawHistoryImport::DateOrder::DayMonth;
            else if (order == QLatin1String("month-first"))
                request.dateOrder = DrawHistoryImport::DateOrder::MonthDay;
            else
                return fail(QStringLiteral("--dates takes day-first or month-first."));
        }
        result.action = CommandLine::Action::Import;
        return result;
    }

    if (files.size() > 1)
        return fail(QStringLiteral("only one file can be opened at a time."));
    if (!files.isEmpty()) {
        if (files.first().isEmpty())
            return fail(QStringLiteral("the file name is empty."));
        result.file = files.first();
    }
    return result;
}
