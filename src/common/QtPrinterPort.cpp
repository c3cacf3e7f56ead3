#include "QtPrinterPort.h"

#include "common/Printout.h"

#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

QFont QtPrinterPort::printoutFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(10);
    return font;
}

std::optional<double> QtPrinterPort::lineHeightTwips()
{
    if (!hasPrinter())
        return std::nullopt;
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    if (!printer.isValid() || printer.resolution() <= 0)
        return std::nullopt;
    // The line height of the font, as a printed line of "abc" takes it.
    const QFontMetricsF metrics(printoutFont(), &printer);
    return metrics.height() * 1440.0 / printer.resolution();
}

bool QtPrinterPort::hasPrinter()
{
    return !QPrinterInfo::defaultPrinter().isNull();
}

namespace {

// A printer ready for painting on the default printer or into `pdfPath`; the painter is begun
// on it. False, with the reason, when it cannot be used.
bool startPrinter(QPrinter& printer, QPainter& painter, const QString& pdfPath, QString* error)
{
    if (pdfPath.isEmpty()) {
        printer.setPrinterName(QPrinterInfo::defaultPrinter().printerName());
    } else {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
    }
    printer.setDocName(QStringLiteral("Numerion"));
    if (!printer.isValid()) {
        *error = QStringLiteral("The printer is not ready.");
        return false;
    }
    if (!painter.begin(&printer)) {
        *error = pdfPath.isEmpty() ? QStringLiteral("The printer could not be started.")
                                   : QStringLiteral("The file could not be written.");
        return false;
    }
    return true;
}

bool finishPrinter(QPainter& painter, const QString& pdfPath, QString* error)
{
    if (!painter.end()) {
        *error = QStringLiteral("The print job could not be finished.");
        return false;
    }
    if (!pdfPath.isEmpty() && !QFileInfo(pdfPath).isFile()) {
        *error = QStringLiteral("The file could not be written.");
        return false;
    }
    return true;
}

} // namespace

bool QtPrinterPort::print(const Printout& printout, const QString& pdfPath, QString* error)
{
    QPrinter printer(QPrinter::HighResolution);
    QPainter painter;
    if (!startPrinter(printer, painter, pdfPath, error))
        return false;
    painter.setFont(printoutFont());
    const QFontMetricsF metrics = painter.fontMetrics();
    const double lineHeight = metrics.lineSpacing();
    const double pageHeight = printer.pageLayout().paintRectPixels(printer.resolution()).height();

    bool firstPage = true;
    for (const QStringList& page : printout.pages) {
        if (!firstPage && !printer.newPage()) {
            *error = QStringLiteral("A new page could not be started.");
            painter.end();
            return false;
        }
        firstPage = false;
        double y = 0;
        for (const QString& line : page) {
            // A page longer than the paper continues on the next sheet.
            if (y + lineHeight > pageHeight) {
                printer.newPage();
                y = 0;
            }
            painter.drawText(QPointF(0, y + metrics.ascent()), line);
            y += lineHeight;
        }
    }
    return finishPrinter(painter, pdfPath, error);
}

bool QtPrinterPort::printImage(const QImage& image, bool colour, const QString& pdfPath,
                               QString* error)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setColorMode(colour ? QPrinter::Color : QPrinter::GrayScale);
    QPainter painter;
    if (!startPrinter(printer, painter, pdfPath, error))
        return false;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QImage printed = colour ? image : image.convertToFormat(QImage::Format_Grayscale8);
    QSize size = printed.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(0, 0), size), printed);
    return finishPrinter(painter, pdfPath, error);
}
