#include "QtPrinterPort.h"

#include "core/common/SaveFile.h"
#include "gui/common/CupsQueue.h"

#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>

QFont QtPrinterPort::printoutFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(10);
    return font;
}

namespace {

const QString DocumentName = QStringLiteral("Numerion");

// Paper for a PDF file when there is no printer to ask: what the user's country uses.
QPageSize localPaper()
{
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                : QPageSize::A4);
}

QPageLayout pdfLayout()
{
    return QPageLayout(localPaper(), QPageLayout::Portrait, PrintoutMargins(QMarginsF()),
                       QPageLayout::Point);
}

// The printer's default paper and orientation, within its printable margins.
QPageLayout printerLayout(const QPrinterInfo& info, bool landscape)
{
    QPageSize paper = info.defaultPageSize();
    if (!paper.isValid())
        paper = localPaper();
    QPrinter printer(info);
    printer.setPageSize(paper);
    QPageLayout reported = printer.pageLayout();
    reported.setUnits(QPageLayout::Point);
    QMarginsF margins = reported.minimumMargins();
    if (landscape) {
        // Which way the printer turns the page is its own affair; keep the wider margin of
        // each pair on both sides.
        const double across = std::max(margins.top(), margins.bottom());
        const double along = std::max(margins.left(), margins.right());
        margins = QMarginsF(across, along, across, along);
    }
    return QPageLayout(paper, landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       PrintoutMargins(margins), QPageLayout::Point);
}

// The printer's resolution is the PDF's: text and drawings stay vectors, which the printer
// draws at whatever resolution it has.
void setUpPdf(QPrinter& printer, const QPageLayout& layout)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setDocName(DocumentName);
    printer.setCreator(DocumentName);
    printer.setPageLayout(layout);
}

PageMetrics metricsOf(QPrinter& printer)
{
    const QFontMetricsF font(QtPrinterPort::printoutFont(), &printer);
    return {printer.pageLayout().paintRect(QPageLayout::Point).height() * 20.0,
            font.lineSpacing() * 1440.0 / printer.resolution()};
}

using PaintPages = std::function<bool(QPrinter&, QPainter&, QString*)>;

// Paints a document into the PDF file `path` on `layout`.
bool writePdf(const QPageLayout& layout, const QString& path, bool colour, const PaintPages& paint,
              QString* error)
{
    QPrinter printer(QPrinter::HighResolution);
    setUpPdf(printer, layout);
    printer.setOutputFileName(path);
    printer.setColorMode(colour ? QPrinter::Color : QPrinter::GrayScale);
    QPainter painter;
    if (!painter.begin(&printer)) {
        *error = QStringLiteral("The file could not be written.");
        return false;
    }
    if (!paint(printer, painter, error)) {
        painter.end();
        return false;
    }
    if (!painter.end() || !QFileInfo(path).isFile()) {
        *error = QStringLiteral("The file could not be written.");
        return false;
    }
    return true;
}

// Paints a document into `pdfPath`, or when that is empty sends it to the default printer.
bool deliver(const QString& pdfPath, bool colour, const PaintPages& paint, QString* error)
{
    if (!pdfPath.isEmpty()) {
        // Made aside and then put in place as every file the program writes: a printout that
        // fails half-way never leaves a cut-off PDF where the user's file was.
        const QTemporaryDir folder;
        const QString made = folder.filePath(QStringLiteral("printout.pdf"));
        if (!folder.isValid()) {
            *error = QStringLiteral("No temporary file could be made for the printout.");
            return false;
        }
        if (!writePdf(pdfLayout(), made, colour, paint, error))
            return false;
        QFile pdf(made);
        if (!pdf.open(QIODevice::ReadOnly)) {
            *error = pdf.errorString();
            return false;
        }
        return SaveFileAtomically(pdfPath, pdf.readAll(), error);
    }

    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        *error = QStringLiteral("No printer is available.");
        return false;
    }
    const CupsQueue queue(info.printerName());
    const QString problem = queue.problem();
    if (!problem.isEmpty()) {
        *error = problem;
        return false;
    }
    const QTemporaryDir folder;
    if (!folder.isValid()) {
        *error = QStringLiteral("No temporary file could be made for the print job.");
        return false;
    }
    const QString file = folder.filePath(QStringLiteral("printout.pdf"));
    const QPageLayout layout = printerLayout(info, queue.landscape());
    if (!writePdf(layout, file, colour, paint, error)) {
        *error = QStringLiteral("The print job could not be prepared. ") + *error;
        return false;
    }
    return queue.submitPdf(file, DocumentName, layout.pageSize().key(), error);
}

} // namespace

std::optional<PageMetrics> QtPrinterPort::pageMetrics()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    QPrinter printer(QPrinter::HighResolution);
    setUpPdf(printer,
             info.isNull() ? pdfLayout()
                           : printerLayout(info, CupsQueue(info.printerName()).landscape()));
    const PageMetrics metrics = metricsOf(printer);
    if (LinesPerSheet(metrics) < 1)
        return std::nullopt;
    return metrics;
}

bool QtPrinterPort::hasPrinter()
{
    return !QPrinterInfo::defaultPrinter().isNull();
}

bool QtPrinterPort::print(const Printout& printout, const QString& pdfPath, QString* error)
{
    return deliver(
        pdfPath, true,
        [&](QPrinter& printer, QPainter& painter, QString* error) {
            painter.setFont(printoutFont());
            const PageMetrics metrics = metricsOf(printer);
            const double lineHeight = metrics.lineHeightTwips * printer.resolution() / 1440.0;
            const double ascent = QFontMetricsF(printoutFont(), &printer).ascent();
            // The layout keeps to the sheet; a page longer than that still continues on the next
            // sheet rather than running off the paper.
            const int sheetLines = std::max(LinesPerSheet(metrics), 1);
            const auto nextSheet = [&] {
                if (printer.newPage())
                    return true;
                *error = QStringLiteral("A new page could not be started.");
                return false;
            };
            for (qsizetype p = 0; p < printout.pages.size(); ++p) {
                if (p > 0 && !nextSheet())
                    return false;
                int line = 0;
                for (const QString& text : printout.pages[p]) {
                    if (line == sheetLines) {
                        if (!nextSheet())
                            return false;
                        line = 0;
                    }
                    painter.drawText(QPointF(0, line * lineHeight + ascent), text);
                    ++line;
                }
            }
            return true;
        },
        error);
}

bool QtPrinterPort::printPicture(const QPicture& picture, bool colour, const QString& pdfPath,
                                 QString* error)
{
    const QRect source = picture.boundingRect();
    if (source.isEmpty()) {
        *error = QStringLiteral("There is nothing to print.");
        return false;
    }
    return deliver(
        pdfPath, colour,
        [&](QPrinter& printer, QPainter& painter, QString*) {
            const QSizeF page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
            QSizeF size = source.size();
            size.scale(page, Qt::KeepAspectRatio);
            // A picture scales itself from its own resolution to the printer's; the rest is the
            // fit to the page.
            const double scale
                = size.width() / source.width() * picture.logicalDpiX() / printer.logicalDpiX();
            painter.scale(scale, scale);
            painter.drawPicture(-source.topLeft(), picture);
            return true;
        },
        error);
}
