#include "QtPrinterPort.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPrinter>
#include <QPrinterInfo>

QFont QtPrinterPort::printoutFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(10);
    return font;
}

std::optional<double> QtPrinterPort::lineHeightTwips()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return std::nullopt;
    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid() || printer.resolution() <= 0)
        return std::nullopt;
    const QFontMetricsF metrics(printoutFont(), &printer);
    // The line height of the font, as a printed line of "abc" takes it.
    return metrics.height() * 1440.0 / printer.resolution();
}
