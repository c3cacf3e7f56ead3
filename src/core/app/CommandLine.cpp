#include "CommandLine.h"

#include <QCommandLineParser>
#include <QFileInfo>

CommandLine ParseCommandLine(const QStringList& arguments)
{
    const QString program = arguments.isEmpty() ? QStringLiteral("numerion")
                                                : QFileInfo(arguments.first()).fileName();

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Keeps lottery draws, counts the numbers and picks sets to play."));
    // Declared by hand: Qt's own help option would also offer --help-all, whose text only
    // QCommandLineParser::process() can print, and that ends the program on the spot.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows these options and ends."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the version and ends."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QStringLiteral("A draw database (.lto) or investment tracker file (.inv) to open."),
        QStringLiteral("[file]"));

    CommandLine result;
    auto fail = [&](const QString& message) {
        result.action = CommandLine::Action::Fail;
        result.text = QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n")
                          .arg(program, message);
        return result;
    };

    if (!parser.parse(arguments))
        return fail(parser.errorText());
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
    if (files.size() > 1)
        return fail(QStringLiteral("only one file can be opened at a time."));
    if (!files.isEmpty()) {
        if (files.first().isEmpty())
            return fail(QStringLiteral("the file name is empty."));
        result.file = files.first();
    }
    return result;
}
