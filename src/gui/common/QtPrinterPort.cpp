// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "QtPrinterPort.h"

#include "core/common/PrintColumns.h"
#include "core/common/SaveFile.h"
#include "gui/common/CupsQueue.h"

#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QImage>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPicture>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
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

// Draws the lines of a text printout on the cells of the monospaced font: each character as the
// reader sees it is put at the cell the layout counted for it, and one counted two cells wide is
// drawn two cells wide, whichever font has it, so that the columns after it line up.
class LineDrawer {
public:
    LineDrawer(QPainter& painter, QPaintDevice& device)
        : m_painter(painter)
        , m_device(device)
        , m_font(QtPrinterPort::printoutFont())
        , m_metrics(m_font, &device)
        , m_cell(m_metrics.horizontalAdvance(u'0'))
    {
    }

    void draw(const QString& line, double top)
    {
        const double baseline = top + m_metrics.ascent();
        if (std::all_of(line.begin(), line.end(),
                        [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7F; })) {
            m_painter.drawText(QPointF(0, baseline), line);
            return;
        }
        const QList<PrintColumns::Cluster> clusters = PrintColumns::clusters(line);
        // Runs of single cells the font itself has are drawn as they come, and stay text.
        for (qsizetype i = 0; i < clusters.size();) {
            const PrintColumns::Cluster& first = clusters[i];
            qsizetype end = i;
            while (end < clusters.size() && isPlain(line, clusters[end]))
                ++end;
            if (end > i) {
                const QString run = line.mid(
                    first.start, clusters[end - 1].start + clusters[end - 1].length - first.start);
                const double room = double(end - i) * m_cell;
                if (qAbs(m_metrics.horizontalAdvance(run) - room) < m_cell / 100)
                    m_painter.drawText(QPointF(first.column * m_cell, baseline), run);
                else
                    for (qsizetype k = i; k < end; ++k)
                        drawFitted(line.mid(clusters[k].start, clusters[k].length),
                                   clusters[k].column * m_cell, m_cell, baseline);
                i = end;
                continue;
            }
            if (first.width > 0)
                drawCluster(line.mid(first.start, first.length), first.column * m_cell,
                            first.width * m_cell, top);
            ++i;
        }
    }

private:
    bool isPlain(const QString& line, const PrintColumns::Cluster& cluster) const
    {
        if (cluster.width != 1)
            return false;
        for (char32_t c : QStringView(line).sliced(cluster.start, cluster.length).toUcs4())
            if (!m_metrics.inFontUcs4(c))
                return false;
        return true;
    }

    // A character from another font, or none: drawn as text where a font has outlines for it,
    // as a picture where it has only coloured bitmaps (emoji fonts, which a PDF would leave
    // blank), and as the replacement sign where no font has it.
    void drawCluster(const QString& text, double x, double room, double top)
    {
        const double baseline = top + m_metrics.ascent();
        QTextLayout layout(text, m_font, &m_device);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        bool missing = false;
        bool bitmapOnly = false;
        for (const QGlyphRun& run : layout.glyphRuns())
            for (const quint32 glyph : run.glyphIndexes()) {
                missing = missing || glyph == 0;
                bitmapOnly = bitmapOnly || run.rawFont().pathForGlyph(glyph).isEmpty();
            }
        if (missing)
            drawFitted(QString(QChar::ReplacementCharacter), x, room, baseline);
        else if (bitmapOnly)
            drawPicture(layout, x, room, top);
        else
            drawFitted(text, x, room, baseline);
    }

    // `text` centred in its cells, narrowed where it is wider than they are.
    void drawFitted(const QString& text, double x, double room, double baseline)
    {
        const double advance = m_metrics.horizontalAdvance(text);
        if (advance <= room) {
            m_painter.drawText(QPointF(x + (room - advance) / 2, baseline), text);
            return;
        }
        m_painter.save();
        m_painter.translate(x, baseline);
        m_painter.scale(room / advance, 1);
        m_painter.drawText(QPointF(0, 0), text);
        m_painter.restore();
    }

    // The glyphs laid out in `layout` drawn into an image, which is put on the page narrowed to
    // the cells where it is wider. The image is drawn at a size a colour font draws at (larger
    // ones come out blank), fine enough for a printed line.
    void drawPicture(const QTextLayout& layout, double x, double room, double top)
    {
        const double scale = 96.0 / m_metrics.height();
        const QTextLine line = layout.lineAt(0);
        const double advance = line.naturalTextWidth();
        // On the baseline of the printout's font, whatever the emoji font's own.
        const double lower = m_metrics.ascent() - line.ascent();
        const double width = std::max(advance, room);
        QImage image(int(std::ceil(width * scale)), int(std::ceil(m_metrics.height() * scale)),
                     QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        for (QGlyphRun run : layout.glyphRuns()) {
            QRawFont font = run.rawFont();
            font.setPixelSize(font.pixelSize() * scale);
            run.setRawFont(font);
            QList<QPointF> positions = run.positions();
            for (QPointF& position : positions)
                position
                    = QPointF(position.x() + (width - advance) / 2, position.y() + lower) * scale;
            run.setPositions(positions);
            painter.drawGlyphRun(QPointF(), run);
        }
        painter.end();
        m_painter.drawImage(QRectF(x, top, room, m_metrics.height()), image);
    }

    QPainter& m_painter;
    QPaintDevice& m_device;
    QFont m_font;
    QFontMetricsF m_metrics;
    double m_cell;
};

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
PrintOutcome deliver(const QString& pdfPath, bool colour, const PaintPages& paint,
                     const SubmitHook& hook, QString* error)
{
    constexpr PrintOutcome failed = PrintOutcome::NotPrinted;
    if (!pdfPath.isEmpty()) {
        // Made aside and then put in place as every file the program writes: a printout that
        // fails half-way never leaves a cut-off PDF where the user's file was.
        const QTemporaryDir folder;
        const QString made = folder.filePath(QStringLiteral("printout.pdf"));
        if (!folder.isValid()) {
            *error = QStringLiteral("No temporary file could be made for the printout.");
            return failed;
        }
        if (!writePdf(pdfLayout(), made, colour, paint, error))
            return failed;
        QFile pdf(made);
        if (!pdf.open(QIODevice::ReadOnly)) {
            *error = pdf.errorString();
            return failed;
        }
        return SaveFileAtomically(pdfPath, pdf.readAll(), error) ? PrintOutcome::Printed : failed;
    }

    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        *error = QStringLiteral("No printer is available.");
        return failed;
    }
    const CupsQueue queue(info.printerName());
    const QString problem = queue.problem();
    if (!problem.isEmpty()) {
        *error = problem;
        return failed;
    }
    const QTemporaryDir folder;
    if (!folder.isValid()) {
        *error = QStringLiteral("No temporary file could be made for the print job.");
        return failed;
    }
    const QString file = folder.filePath(QStringLiteral("printout.pdf"));
    const QPageLayout layout = printerLayout(info, queue.landscape());
    if (!writePdf(layout, file, colour, paint, error)) {
        *error = QStringLiteral("The print job could not be prepared. ") + *error;
        return failed;
    }
    return queue.submitPdf(file, DocumentName, layout.pageSize().key(), error, hook);
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

PrintOutcome QtPrinterPort::print(const Printout& printout, const QString& pdfPath, QString* error)
{
    return deliver(
        pdfPath, true,
        [&](QPrinter& printer, QPainter& painter, QString* error) {
            painter.setFont(printoutFont());
            const PageMetrics metrics = metricsOf(printer);
            const double lineHeight = metrics.lineHeightTwips * printer.resolution() / 1440.0;
            LineDrawer lines(painter, printer);
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
                    lines.draw(text, line * lineHeight);
                    ++line;
                }
            }
            return true;
        },
        m_submitHook, error);
}

PrintOutcome QtPrinterPort::printPicture(const QPicture& picture, bool colour,
                                         const QString& pdfPath, QString* error)
{
    const QRect source = picture.boundingRect();
    if (source.isEmpty()) {
        *error = QStringLiteral("There is nothing to print.");
        return PrintOutcome::NotPrinted;
    }
    return deliver(
        pdfPath, colour,
        [&](QPrinter& printer, QPainter& painter, QString*) {
            // A millimetre within the margins, so that the ink of lines drawn on the picture's
            // edge stays clear of them too.
            const double inset = printer.resolution() / 25.4;
            const QSizeF page
                = QSizeF(printer.pageLayout().paintRectPixels(printer.resolution()).size())
                      .shrunkBy(QMarginsF(inset, inset, inset, inset));
            QSizeF size = source.size();
            size.scale(page, Qt::KeepAspectRatio);
            // A picture scales itself from its own resolution to the printer's; the rest is the
            // fit to the page.
            const double scale
                = size.width() / source.width() * picture.logicalDpiX() / printer.logicalDpiX();
            painter.translate(inset, inset);
            painter.scale(scale, scale);
            painter.drawPicture(-source.topLeft(), picture);
            return true;
        },
        m_submitHook, error);
}
