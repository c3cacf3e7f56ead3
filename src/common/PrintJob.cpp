#include "PrintJob.h"

#include "common/FileDialogs.h"
#include "common/MessageBoxes.h"
#include "common/PrinterPort.h"
#include "common/Printout.h"
#include "common/Services.h"

#include <QDir>
#include <QStandardPaths>

namespace {

const QString printerTitle = QStringLiteral("Printer");

QString proposedPdfPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("Numerion printout.pdf"));
}

} // namespace

bool ConfirmPrintout(Services& services)
{
    return services.messages.ask(printerTitle, QStringLiteral("Continue with Printout."));
}

void SendPrintout(Services& services, const Printout& printout)
{
    QString error;
    if (services.printer.hasPrinter()) {
        if (!services.printer.print(printout, QString(), &error))
            services.messages.inform(printerTitle,
                                     QStringLiteral("The printout could not be printed: ") + error);
        return;
    }

    const QString path = services.fileDialogs.saveFileName(
        QStringLiteral("No printer is installed: save the printout as PDF"), proposedPdfPath(),
        QStringLiteral("PDF documents (*.pdf)"));
    if (path.isEmpty())
        return;
    if (services.printer.print(printout, path, &error))
        services.messages.inform(
            printerTitle,
            QStringLiteral("No printer is installed. The printout was saved to ")
                + QDir::toNativeSeparators(path));
    else
        services.messages.inform(printerTitle,
                                 QStringLiteral("The printout could not be saved to ")
                                     + QDir::toNativeSeparators(path) + QStringLiteral(": ")
                                     + error);
}
