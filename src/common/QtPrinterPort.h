#pragma once

#include "common/PrinterPort.h"

class QFont;

// The platform's default printer, or a PDF file, through QPrinter.
class QtPrinterPort : public PrinterPort {
public:
    std::optional<double> lineHeightTwips() override;
    bool hasPrinter() override;
    bool print(const Printout& printout, const QString& pdfPath, QString* error) override;
    bool printImage(const QImage& image, bool colour, const QString& pdfPath,
                    QString* error) override;

    // The monospaced font every text printout uses, so that character columns line up.
    static QFont printoutFont();
};
