#include "GraphData.h"

#include <algorithm>

namespace GraphView {

namespace {

int chartedNumbers(int highNum)
{
    return std::clamp(highNum, 0, int(DrawStore::HighestNumber));
}

} // namespace

NumberTable NaturalOrder(const NumberTable& counts, int highNum)
{
    NumberTable sorted {};
    for (int n = 1; n <= chartedNumbers(highNum); ++n)
        sorted[std::size_t(n)] = {n, counts[std::size_t(n)].count};
    return sorted;
}

QString Title(const QString& viewName, int recCount, BarStyle style)
{
    const QString middle = style == BarStyle::Flat ? QStringLiteral(" distribution of numbers in")
                                                   : QStringLiteral(" distribution of numbers in ");
    return viewName + middle + u' ' + QString::number(recCount) + QStringLiteral(" Draws");
}

QList<GraphPoint> Points(const NumberTable& sorted, int highNum)
{
    QList<GraphPoint> points;
    for (int i = 1; i <= chartedNumbers(highNum); ++i)
        points.append(
            {QString::number(sorted[std::size_t(i)].number), sorted[std::size_t(i)].count});
    return points;
}

} // namespace GraphView
