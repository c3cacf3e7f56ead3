// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "PrintJob.h"

#include "core/common/MessageBoxes.h"
#include "core/common/Printout.h"
#include "gui/common/BusyCursor.h"
#include "gui/common/FileFlow.h"
#include "gui/common/PrinterPort.h"
#include "gui/common/Services.h"

#include <QDir>

#include <functional>

namespace {

const QString PrinterTitle = QStringLiteral("Printer");

// Sends a printout by `print` to the default printer, or without one to a PDF file the user
// picks. Failures become a message.
void deliver(Services& services,
             const std::function<PrintOutcome(const QString& pdfPath, QString* error)>& print)
{
    const auto printBusy = [&](const QString& pdfPath, QString* error) {
        BusyCursor busy;
        return print(pdfPath, error);
    };
    QString error;
    if (services.printer.hasPrinter()) {
        switch (printBusy(QString(), &error)) {
        case PrintOutcome::Printed:
            break;
        case PrintOutcome::NotPrinted:
            services.messages.inform(PrinterTitle,
                                     QStringLiteral("The printout could not be printed: ") + error);
            break;
        case PrintOutcome::MayStillPrint:
            // Printing again could give two copies; the message names the job to look for.
            services.messages.inform(PrinterTitle,
                                     QStringLiteral("The printout may still print: ") + error);
            break;
        }
        return;
    }

    const std::optional<FileChoice> chosen = services.files.choose(
        FileKind::Pdf, Direction::Save, QStringLiteral("Numerion printout.pdf"));
    if (!chosen)
        return;
    if (printBusy(chosen->path, &error) == PrintOutcome::Printed)
        services.messages.inform(
            PrinterTitle,
            QStringLiteral("No printer is available. The printout was saved to ")
                + QDir::toNativeSeparators(chosen->path));
    else
        services.files.reportSavingError(FileKind::Pdf, error);
}

} // namespace

bool ConfirmPrintout(Services& services)
{
    return services.messages.ask(PrinterTitle, QStringLiteral("Continue with Printout."));
}

void SendPrintout(Services& services, const Printout& printout)
{
    deliver(services, [&](const QString& pdfPath, QString* error) {
        return services.printer.print(printout, pdfPath, error);
    });
}

void SendPicture(Services& services, const QPicture& picture, bool colour)
{
    deliver(services, [&](const QString& pdfPath, QString* error) {
        return services.printer.printPicture(picture, colour, pdfPath, error);
    });
}
