// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "GraphData.h"

#include "core/analysis/DrawStatistics.h"

#include <algorithm>

namespace GraphView {

namespace {

int chartedNumbers(int highNum)
{
    return std::clamp(highNum, 0, int(DrawStore::HighestNumber));
}

} // namespace

QString Title(const QString& viewName, int recCount, BarStyle style, Pool pool)
{
    QString middle = style == BarStyle::Flat ? QStringLiteral(" distribution of numbers in")
                                             : QStringLiteral(" distribution of numbers in ");
    if (pool == Pool::Extra)
        middle.replace(QStringLiteral(" of numbers"), QStringLiteral(" of extra numbers"));
    return viewName + middle + u' ' + QString::number(recCount) + QStringLiteral(" Draws");
}

QList<GraphPoint> Points(const NumberTable& sorted, int count)
{
    QList<GraphPoint> points;
    for (int i = 1; i <= chartedNumbers(count); ++i)
        points.append(
            {QString::number(sorted[std::size_t(i)].number), sorted[std::size_t(i)].count});
    return points;
}

QString OutForTitle(const QString& viewName, int recCount, Pool pool)
{
    const QString what = pool == Pool::Extra ? QStringLiteral(" extra numbers") : QString();
    return viewName + what + QStringLiteral(" out for (draws since last drawn) in ")
        + QString::number(recCount) + QStringLiteral(" Draws");
}

std::optional<GraphLine> ExpectedLine(const DrawStatistics& stats)
{
    if (stats.draws == 0)
        return std::nullopt;
    return GraphLine {stats.expectedCount,
                      QStringLiteral("Expected ") + FormatExpected(stats.expectedCount)};
}

} // namespace GraphView
