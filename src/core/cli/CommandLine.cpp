// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "CommandLine.h"

#include "core/cli/Command.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <algorithm>

namespace {

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

// The program's options in the order the help lists them: its own, then each command's, an
// option several commands take once.
QList<QCommandLineOption> declareOptions()
{
    QCommandLineOption quitAfterShow(QStringLiteral("quit-after-show"),
                                     QStringLiteral("Ends once the menu is painted."));
    quitAfterShow.setFlags(QCommandLineOption::HiddenFromHelp);
    QList<QCommandLineOption> options {
        // Declared by hand: Qt's own help option would also offer --help-all, whose text only
        // QCommandLineParser::process() can print, and that ends the program on the spot.
        QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                           QStringLiteral("Shows these options and ends.")),
        QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                           QStringLiteral("Shows the version and ends.")),
        quitAfterShow,
    };
    QStringList declared;
    for (const Command* command : Commands())
        for (const QCommandLineOption& option : QList {command->option()} + command->options())
            if (!declared.contains(option.names().constLast())) {
                declared.append(option.names().constLast());
                options.append(option);
            }
    return options;
}

// What is wrong with a word after one dash; empty when there is none. Options of one letter take
// one dash, words two: the parser would read "-import" as the letters i, m, p, o, r and t, and
// say so.
QString wordAfterOneDash(const QStringList& arguments, const QList<QCommandLineOption>& options)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--"))
            break;
        const bool word = argument.startsWith(u'-') && argument.size() > 2;
        if (word && argument[1] != u'-') {
            for (const QCommandLineOption& option : options)
                if (option.names().constLast() == argument.sliced(1))
                    return QStringLiteral("Unknown option '%1'; did you mean -%1?").arg(argument);
            return QStringLiteral("Unknown option '%1'.").arg(argument);
        }
        // A value may begin with a dash ("--title -Six-").
        if (word && !argument.contains(u'='))
            for (const QCommandLineOption& option : options)
                if (!option.valueName().isEmpty()
                    && option.names().constLast() == argument.sliced(2))
                    ++i;
    }
    return {};
}

// The option given more than once, if any: the parser keeps every value of an option given
// twice, and which one was meant is a guess.
QString repeatedOption(const QCommandLineParser& parser, const QList<QCommandLineOption>& options)
{
    const QStringList given = parser.optionNames();
    for (const QCommandLineOption& option : options) {
        const QStringList names = option.names();
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

// Two commands given together; empty when there are not. The later of the two is named, with
// every command before it.
QString twoCommands(const QCommandLineParser& parser)
{
    const QList<const Command*>& commands = Commands();
    QStringList before;
    bool oneGiven = false;
    for (const Command* command : commands) {
        const QString option = QStringLiteral("--") + command->name();
        if (parser.isSet(command->name())) {
            if (oneGiven && before.size() == 1)
                return QStringLiteral("%1 and %2 cannot be given together.")
                    .arg(before.constFirst(), option);
            if (oneGiven)
                return QStringLiteral("%1 cannot be given with %2 or %3.")
                    .arg(option, before.first(before.size() - 1).join(QStringLiteral(", ")),
                         before.constLast());
            oneGiven = true;
        }
        before.append(option);
    }
    return {};
}

// An option of another command than `chosen` (none: the windows are run), named with the first
// command that takes it; empty when there is none.
QString otherCommandsOption(const QCommandLineParser& parser, const Command* chosen)
{
    for (const Command* command : Commands())
        for (const QCommandLineOption& option : command->options()) {
            const QString name = option.names().constLast();
            if (parser.isSet(name) && !(chosen && chosen->takes(name)))
                return QStringLiteral("--%1 is only for --%2.").arg(name, command->name());
        }
    return {};
}

// Without a command: at most one file to open.
QString readRun(const QCommandLineParser& parser, QString& file)
{
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

    const QList<QCommandLineOption> options = declareOptions();
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Keeps lottery draws, counts the numbers and picks sets to play."));
    parser.addOptions(options);
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
    if (parser.isSet(QStringLiteral("help"))) {
        result.action = CommandLine::Action::ShowHelp;
        result.text = usageText(parser, result.program);
        return result;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        result.action = CommandLine::Action::ShowVersion;
        result.text = result.program + QStringLiteral(" " NUMERION_VERSION "\n");
        return result;
    }
    result.quitAfterShow = parser.isSet(QStringLiteral("quit-after-show"));
    if (const QString wrong = twoCommands(parser); !wrong.isEmpty())
        return fail(wrong);
    const QList<const Command*>& commands = Commands();
    const auto chosen = std::find_if(commands.begin(), commands.end(), [&parser](const Command* c) {
        return parser.isSet(c->name());
    });
    const Command* command = chosen == commands.end() ? nullptr : *chosen;
    if (const QString wrong = otherCommandsOption(parser, command); !wrong.isEmpty())
        return fail(wrong);
    if (!command) {
        if (const QString wrong = readRun(parser, result.file); !wrong.isEmpty())
            return fail(wrong);
        return result;
    }
    if (const QString wrong = command->read(parser, result); !wrong.isEmpty())
        return fail(wrong);
    result.action = command->action();
    return result;
}
