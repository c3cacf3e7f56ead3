// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/common/Printout.h"

#include <QString>

#include <optional>

class QPicture;

// How a printout ended.
enum class PrintOutcome {
    Printed, // the printer took it, or the PDF file was written
    NotPrinted, // nothing of it will print; the error says why
    // The print server has a job for it but did not confirm it, nor could it be cancelled: it
    // may still print. The error names the job.
    MayStillPrint,
};

// The printer as the program uses it. Tests put a fake in its place.
class PrinterPort {
public:
    virtual ~PrinterPort() = default;

    // The page a text printout goes on: the default printer's paper within its margins, or
    // without a printer the PDF page; nothing when it cannot be measured.
    virtual std::optional<PageMetrics> pageMetrics() = 0;

    virtual bool hasPrinter() = 0;
    // Sends the printout to the default printer, or writes it as a PDF file to `pdfPath` when
    // that is given. Unless it was printed, `error` says what happened.
    virtual PrintOutcome print(const Printout& printout, const QString& pdfPath, QString* error)
        = 0;
    // Prints `picture` on one page, scaled to fit it and drawn at the printer's own resolution,
    // in colour or in shades of grey; to the default printer or to `pdfPath` as above.
    virtual PrintOutcome printPicture(const QPicture& picture, bool colour, const QString& pdfPath,
                                      QString* error)
        = 0;
};
