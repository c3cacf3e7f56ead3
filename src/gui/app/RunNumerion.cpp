// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "RunNumerion.h"

#include "core/app/SharedState.h"
#include "core/cli/Command.h"
#include "core/common/EntropyRandomSource.h"
#include "gui/app/Program.h"
#include "gui/app/QuitOncePainted.h"
#include "gui/app/ZudeMenu.h"
#include "gui/common/FileFlow.h"
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

// A command's output, its message and its exit code, as a script sees them.
int printed(const CommandResult& result)
{
    std::fputs(result.err.toLocal8Bit().constData(), stderr);
    std::fputs(result.out.toLocal8Bit().constData(), stdout);
    return result.exitCode;
}

} // namespace

int RunNumerion(int argc, char** argv)
{
    // Everything but running the windows answers without a display: a command line that cannot
    // be read is refused before the platform plugin, which aborts where there is no display, is
    // loaded. Qt's own options (-platform and the like) are left for QApplication.
    const CommandLine commandLine = ParseCommandLine(argumentList(argc, argv));
    if (const Command* command = FindCommand(commandLine.action)) {
        // Scripts run commands on machines without a display: no GUI application, no platform
        // plugin.
        QCoreApplication app(argc, argv);
        return printed(command->execute(commandLine, QDate::currentDate()));
    }
    if (commandLine.action != CommandLine::Action::Run)
        return answer(commandLine);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Numerion"));
    QApplication::setApplicationVersion(QStringLiteral(NUMERION_VERSION));
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(NUMERION_APP_ID));
    // The frame and the task switcher show the window icon small. On X every window shown is
    // sent each size the icon has, decoded, so it has the one size they use: looking it up in the
    // icon theme would bring every size the theme holds, the scalable one rendered.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/48x48/" NUMERION_APP_ID ".png")));
    // Windows come and go one at a time; only the end of the program quits.
    QApplication::setQuitOnLastWindowClosed(false);

    // Start-up makes the program's folder the current one; a relative name means the folder
    // the program was started in.
    const QString file
        = commandLine.file.isEmpty() ? QString() : QFileInfo(commandLine.file).absoluteFilePath();

    QtMessageBoxes messages;
    QtPrinterPort printer;
    SharedState state;
    // The samples are in the data folder of an installed program, beside the program in a build.
    QtFileDialogs fileDialogs([&state] {
        const QString installed = state.samplesDirectory();
        return QFileInfo(installed).isDir() ? installed : state.ProgramDirectory;
    });
    EntropyRandomSource random;
    FileFlow files(state, fileDialogs, messages);
    Services services {messages, printer, fileDialogs, random, files};

    Program program(state, services);
    QObject::connect(&program, &Program::finished, &app, &QApplication::quit, Qt::QueuedConnection);
    program.start();
    if (commandLine.quitAfterShow) {
        if (file.isEmpty())
            new QuitOncePainted(program.mainMenu());
        else
            new QuitOnceNextWindowPainted;
    }
    // Once the menu is up, as if the user had opened the file from it.
    if (!file.isEmpty())
        QTimer::singleShot(0, &program, [&program, file] { program.openFile(file); });
    return app.exec();
}
