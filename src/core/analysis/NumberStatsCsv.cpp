#include "NumberStatsCsv.h"

#include "core/analysis/DrawStatistics.h"
#include "core/common/TextFormat.h"

#include <QStringList>

#include <cmath>

namespace {

const QString LineEnd = QStringLiteral("\r\n");

QString textField(QString text)
{
    if (!text.isEmpty() && QStringLiteral("=+-@\t\r").contains(text.front()))
        text.prepend(u'\'');
    if (text.contains(u',') || text.contains(u'"') || text.contains(u'\r') || text.contains(u'\n'))
        text = u'"' + text.replace(u'"', QStringLiteral("\"\"")) + u'"';
    return text;
}

QString decimalField(double value)
{
    // Rounded first, so that a small negative value is written as 0.00 and not as -0.00.
    const double rounded = std::round(value * 100) / 100;
    return QString::number(rounded == 0 ? 0.0 : rounded, 'f', 2);
}

QString dateField(const NumberFigures& figures)
{
    if (figures.neverDrawn())
        return QStringLiteral("never");
    return figures.lastDate.toString(Qt::ISODate);
}

QString field(const NumberFigures& figures, NumberColumn column)
{
    switch (column) {
    case NumberColumn::Expected:
        return decimalField(figures.expected);
    case NumberColumn::Difference:
        return decimalField(figures.difference);
    case NumberColumn::LastDrawn:
        return dateField(figures);
    case NumberColumn::AverageGap:
        return figures.averageGap ? decimalField(*figures.averageGap) : QString();
    default:
        // The other columns are whole numbers, the same in every locale.
        return NumberCellText(figures, column);
    }
}

} // namespace

QByteArray NumberStatsCsv(const DrawStatistics& stats)
{
    QStringList titles;
    for (int c = 0; c < NumberColumnCount; ++c)
        titles.append(textField(NumberColumnTitle(NumberColumn(c))));
    QString text = titles.join(u',') + LineEnd;
    for (const NumberFigures& figures : stats.numbers) {
        QStringList fields;
        for (int c = 0; c < NumberColumnCount; ++c)
            fields.append(field(figures, NumberColumn(c)));
        text += fields.join(u',') + LineEnd;
    }

    // The pairs are the main numbers' only.
    if (stats.pool == Pool::Extra)
        return text.toUtf8();
    text += LineEnd + QStringLiteral("First,Second,Together,Expected") + LineEnd;
    const QString expected = decimalField(stats.expectedPairCount);
    for (const PairFigures& pair : stats.topPairs)
        text += QStringLiteral("%1,%2,%3,").arg(pair.first).arg(pair.second).arg(pair.count)
            + expected + LineEnd;
    return text.toUtf8();
}
