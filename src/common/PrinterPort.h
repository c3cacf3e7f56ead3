#pragma once

#include <QString>

#include <optional>

class QImage;
struct Printout;

// The printer as the program uses it. Tests put a fake in its place.
class PrinterPort {
public:
    virtual ~PrinterPort() = default;

    // Height of the sample text "abc" in the printout font on the default printer, in twips;
    // nothing when no printer is installed or it cannot be asked.
    virtual std::optional<double> lineHeightTwips() = 0;

    virtual bool hasPrinter() = 0;
    // Sends the printout to the default printer, or writes it as a PDF file to `pdfPath` when
    // that is given. On failure returns false with the reason in `error`.
    virtual bool print(const Printout& printout, const QString& pdfPath, QString* error) = 0;
    // Prints `image` on one page, scaled to fit it, in colour or in shades of grey; to the
    // default printer or to `pdfPath` as above.
    virtual bool printImage(const QImage& image, bool colour, const QString& pdfPath,
                            QString* error)
        = 0;
};
