#pragma once

#include <QString>

#include <optional>

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
};
