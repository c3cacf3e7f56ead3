#pragma once

#include "common/PrinterPort.h"
#include "common/Printout.h"

#include <QImage>
#include <QList>

// A printer that is installed or not, as the test says, and keeps what it was sent.
class FakePrinterPort : public PrinterPort {
public:
    std::optional<double> lineHeightTwips() override { return lineHeight; }
    bool hasPrinter() override { return lineHeight.has_value(); }
    bool print(const Printout& printout, const QString& pdfPath, QString* error) override
    {
        printed.append(printout);
        pdfPaths.append(pdfPath);
        if (!failWith.isEmpty())
            *error = failWith;
        return failWith.isEmpty();
    }

    bool printImage(const QImage& image, bool colour, const QString& pdfPath,
                    QString* error) override
    {
        images.append(image);
        imageColours.append(colour);
        pdfPaths.append(pdfPath);
        if (!failWith.isEmpty())
            *error = failWith;
        return failWith.isEmpty();
    }

    std::optional<double> lineHeight; // no printer unless a test installs one
    QString failWith;
    QList<Printout> printed;
    QList<QImage> images;
    QList<bool> imageColours;
    QStringList pdfPaths;
};
