#include "RunNumerion.h"

#include "core/app/CommandLine.h"
#include "core/app/ImportCommand.h"
#include "core/app/SharedState.h"
#include "core/common/EntropyRandomSource.h"
#include "gui/app/Program.h"
#include "gui/app/QuitOncePainted.h"
#include "gui/app/ZudeMenu.h"
#include "gui/common/QtFileDialogs.h"
#include "gui/common/QtMessageBoxes.h"
#include "gui/common/QtPrinterPort.h"
#include "gui/common/Services.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>

#include <cstdio>

namespace {

QStringList argumentList(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// Prints what the command line asked for instead of running; the program's exit code.
int answer(const CommandLine& commandLine)
{
    const QByteArray text = commandLine.text.toLocal8Bit();
    const bool failed = commandLine.action == CommandLine::Action::Fail;
    std::fputs(text.constData(), failed ? stderr : stdout);
    return failed ? 1 : 0;
}

// Qt's own options are words after a single dash (-platform, -style); a command line without
// one that fails to be read fails for good, and saying so needs no display.
bool mayHoldQtOptions(const QStringList& arguments)
{
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            break;
        if (argument.size() > 2 && argument[0] == u'-' && argument[1] != u'-')
            return true;
    }
    return false;
}

int runImport(const CommandLine& commandLine)
{
    const ImportCommandResult result
        = RunImportCommand(commandLine.import, commandLine.program, QDate::currentDate());
    std::fputs(result.err.toLocal8Bit().constData(), stderr);
    std::fputs(result.out.toLocal8Bit().constData(), stdout);
    return result.exitCode;
}

} // namespace

int RunNumerion(int argc, char** argv)
{
    // --help, --version and --import answer without a display. Qt's own options (-platform and
    // the like) are known only once QApplication has taken them out, so a command line that fails
    // here is read again then.
    const QStringList arguments = argumentList(argc, argv);
    CommandLine commandLine = ParseCommandLine(arguments);
    if (commandLine.action == CommandLine::Action::ShowHelp
        || commandLine.action == CommandLine::Action::ShowVersion
        || (commandLine.action == CommandLine::Action::Fail && !mayHoldQtOptions(arguments)))
        return answer(commandLine);
    if (commandLine.action == CommandLine::Action::Import) {
        // Scripts convert on machines without a display: no GUI application, no platform plugin.
        QCoreApplication app(argc, argv);
        return runImport(commandLine);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Numerion"));
    QApplication::setApplicationVersion(QStringLiteral(NUMERION_VERSION));
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(NUMERION_APP_ID));
    QIcon fallbackIcon;
    for (const char* size : {"48x48", "256x256"})
        fallbackIcon.addFile(
            QStringLiteral(":/icons/%1/" NUMERION_APP_ID ".png").arg(QLatin1String(size)));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(NUMERION_APP_ID), fallbackIcon));
    // Windows come and go one at a time; only the end of the program quits.
    QApplication::setQuitOnLastWindowClosed(false);

    commandLine = ParseCommandLine(QApplication::arguments());
    if (commandLine.action == CommandLine::Action::Import)
        return runImport(commandLine);
    if (commandLine.action != CommandLine::Action::Run)
        return answer(commandLine);
    // Start-up makes the program's folder the current one; a relative name means the folder
    // the program was started in.
    const QString file
        = commandLine.file.isEmpty() ? QString() : QFileInfo(commandLine.file).absoluteFilePath();

    QtMessageBoxes messages;
    QtPrinterPort printer;
    QtFileDialogs fileDialogs;
    EntropyRandomSource random;
    Services services {messages, printer, fileDialogs, random};
    SharedState state;

    Program program(state, services);
    QObject::connect(&program, &Program::finished, &app, &QApplication::quit, Qt::QueuedConnection);
    program.start();
    if (commandLine.quitAfterShow)
        new QuitOncePainted(program.mainMenu());
    // Once the menu is up, as if the user had opened the file from it.
    if (!file.isEmpty())
        QTimer::singleShot(0, &program, [&program, file] { program.openFile(file); });
    return app.exec();
}
