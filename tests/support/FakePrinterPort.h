// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/common/Printout.h"
#include "gui/common/PrinterPort.h"

#include <QImage>
#include <QList>
#include <QPainter>
#include <QPicture>

// A printer that is installed or not, as the test says, and keeps what it was sent. Pictures
// are kept as the images they draw.
class FakePrinterPort : public PrinterPort {
public:
    std::optional<PageMetrics> pageMetrics() override
    {
        ++pageQueries;
        if (!lineHeight)
            return std::nullopt;
        return PageMetrics {printableHeight, *lineHeight};
    }
    bool hasPrinter() override { return lineHeight.has_value(); }
    PrintOutcome print(const Printout& printout, const QString& pdfPath, QString* error) override
    {
        printed.append(printout);
        pdfPaths.append(pdfPath);
        return succeed(error);
    }

    PrintOutcome printPicture(const QPicture& picture, bool colour, const QString& pdfPath,
                              QString* error) override
    {
        QImage image(picture.boundingRect().size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.drawPicture(-picture.boundingRect().topLeft(), picture);
        painter.end();
        images.append(image);
        imageColours.append(colour);
        pdfPaths.append(pdfPath);
        return succeed(error);
    }

    std::optional<double> lineHeight; // no printer unless a test installs one
    double printableHeight = 14400; // twips: 10 inches
    QString failWith;
    QList<Printout> printed;
    QList<QImage> images;
    QList<bool> imageColours;
    QStringList pdfPaths;
    int pageQueries = 0; // how often the page was measured

private:
    PrintOutcome succeed(QString* error) const
    {
        if (failWith.isEmpty())
            return PrintOutcome::Printed;
        *error = failWith;
        return PrintOutcome::NotPrinted;
    }
};
