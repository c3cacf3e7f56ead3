#include "RunNumerion.h"

#include "app/Program.h"
#include "app/SharedState.h"
#include "common/EntropyRandomSource.h"
#include "common/QtFileDialogs.h"
#include "common/QtMessageBoxes.h"
#include "common/QtPrinterPort.h"
#include "common/Services.h"

#include <QApplication>

int RunNumerion(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Numerion"));
    // Windows come and go one at a time; only the end of the program quits.
    QApplication::setQuitOnLastWindowClosed(false);

    QtMessageBoxes messages;
    QtPrinterPort printer;
    QtFileDialogs fileDialogs;
    EntropyRandomSource random;
    Services services {messages, printer, fileDialogs, random};
    SharedState state;

    Program program(state, services);
    QObject::connect(&program, &Program::finished, &app, &QApplication::quit, Qt::QueuedConnection);
    program.start();
    return app.exec();
}
