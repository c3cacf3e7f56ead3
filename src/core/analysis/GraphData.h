#pragma once

#include "core/draws/DrawStore.h"

#include <QList>
#include <QString>

// What the frequency chart shows: a title and one labelled bar per number.
struct GraphPoint {
    QString label;
    int value = 0;

    bool operator==(const GraphPoint&) const = default;
};

enum class BarStyle { Flat, ThreeD };

struct GraphData {
    QString title;
    QList<GraphPoint> points;
    BarStyle style = BarStyle::Flat;
    bool colour = false;
};

namespace GraphView {

// `sorted` rows 1..highNum as (number, count) in natural order; every other row zero.
NumberTable NaturalOrder(const NumberTable& counts, int highNum);

// "Normal distribution of numbers in 57 Draws"; the 3-D title has two blanks before the count.
QString Title(const QString& viewName, int recCount, BarStyle style);

// One point per row 1..highNum of `sorted`, labelled with its number.
QList<GraphPoint> Points(const NumberTable& sorted, int highNum);

} // namespace GraphView
