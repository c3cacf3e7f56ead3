// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "NumberStatsCsv.h"

#include "core/analysis/DrawStatistics.h"
#include "core/common/CsvWriter.h"
#include "core/common/TextFormat.h"

#include <cmath>
#include <utility>

namespace {

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

QString CountedDrawsText(const DrawStatistics& stats)
{
    if (stats.draws == 0)
        return QStringLiteral("no draws");
    if (stats.draws == 1 && stats.totalDraws == 1)
        return QStringLiteral("1 draw");
    if (stats.draws == stats.totalDraws)
        return QStringLiteral("all %1 draws").arg(stats.totalDraws);
    return QStringLiteral("last %1 of %2 draws").arg(stats.draws).arg(stats.totalDraws);
}

QString NumberStatsCsvName(const DrawStatistics& stats, const QString& drawFile)
{
    const bool extra = stats.pool == Pool::Extra;
    QString name;
    if (drawFile.isEmpty())
        name = extra ? QStringLiteral("Extra number statistics")
                     : QStringLiteral("Number statistics");
    else
        name = drawFile
            + (extra ? QStringLiteral(" extra statistics") : QStringLiteral(" statistics"));
    const QString window = stats.draws < stats.totalDraws
        ? QStringLiteral("last %1").arg(stats.draws)
        : QStringLiteral("all draws");
    return name + u' ' + window + QStringLiteral(".csv");
}

QByteArray NumberStatsCsv(const DrawStatistics& stats, const QString& title)
{
    // What the figures are, read by a spreadsheet as two columns.
    QList<std::pair<QString, QString>> about {
        {QStringLiteral("Title"), title},
        {QStringLiteral("Numbers"),
         stats.pool == Pool::Extra ? QStringLiteral("extra numbers")
                                   : QStringLiteral("main numbers")},
        {QStringLiteral("Draws counted"), CountedDrawsText(stats)},
        {QStringLiteral("Last drawn and gaps over"),
         stats.totalDraws == 1 ? QStringLiteral("1 draw")
                               : QStringLiteral("all %1 draws").arg(stats.totalDraws)},
        {QStringLiteral("Expected per number"), decimalField(stats.expectedCount)},
    };
    if (stats.fairness.verdict == FairnessCheck::Verdict::Tested) {
        about.append({QStringLiteral("Chi-square"), decimalField(stats.fairness.chiSquare)});
        about.append({QStringLiteral("Degrees of freedom"),
                      QString::number(stats.fairness.degreesOfFreedom)});
        about.append({QStringLiteral("p-value"), QString::number(stats.fairness.pValue, 'g', 4)});
    }
    about.append({QStringLiteral("Fairness"), FairnessSentence(stats.fairness)});
    if (stats.pool == Pool::Main && !stats.topPairs.isEmpty()) {
        const auto [low, high] = stats.typicalTopPair;
        about.append(
            {QStringLiteral("Top pair of a fair history"),
             low == high ? QString::number(low) : QStringLiteral("%1 to %2").arg(low).arg(high)});
    }
    CsvWriter csv;
    for (const auto& [label, value] : about) {
        csv.text(label);
        csv.text(value);
        csv.endLine();
    }
    csv.endLine();

    for (int c = 0; c < NumberColumnCount; ++c)
        csv.text(NumberColumnTitle(NumberColumn(c)));
    csv.endLine();
    for (const NumberFigures& figures : stats.numbers) {
        for (int c = 0; c < NumberColumnCount; ++c)
            csv.plain(field(figures, NumberColumn(c)));
        csv.endLine();
    }

    // The pairs are the main numbers' only.
    if (stats.pool == Pool::Extra)
        return csv.bytes();
    csv.endLine();
    for (const char* title : {"First", "Second", "Together", "Expected"})
        csv.text(QLatin1String(title));
    csv.endLine();
    const QString expected = decimalField(stats.expectedPairCount);
    for (const PairFigures& pair : stats.topPairs) {
        csv.number(pair.first);
        csv.number(pair.second);
        csv.number(pair.count);
        csv.plain(expected);
        csv.endLine();
    }
    if (const QString more = MorePairsText(stats); !more.isEmpty()) {
        csv.text(more);
        csv.endLine();
    }
    return csv.bytes();
}
