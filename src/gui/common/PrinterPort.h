#pragma once

#include "core/common/Printout.h"

#include <QString>

#include <optional>

class QPicture;

// The printer as the program uses it. Tests put a fake in its place.
class PrinterPort {
public:
    virtual ~PrinterPort() = default;

    // The page a text printout goes on: the default printer's paper within its margins, or
    // without a printer the PDF page; nothing when it cannot be measured.
    virtual std::optional<PageMetrics> pageMetrics() = 0;

    virtual bool hasPrinter() = 0;
    // Sends the printout to the default printer, or writes it as a PDF file to `pdfPath` when
    // that is given. On failure, a refused job included, returns false with the reason in
    // `error`.
    virtual bool print(const Printout& printout, const QString& pdfPath, QString* error) = 0;
    // Prints `picture` on one page, scaled to fit it and drawn at the printer's own resolution,
    // in colour or in shades of grey; to the default printer or to `pdfPath` as above.
    virtual bool printPicture(const QPicture& picture, bool colour, const QString& pdfPath,
                              QString* error)
        = 0;
};
