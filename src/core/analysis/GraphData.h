// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/analysis/DrawStatistics.h"
#include "core/draws/DrawStore.h"

#include <QList>
#include <QString>

#include <optional>

// What the frequency chart shows: a title and one labelled bar per number.
struct GraphPoint {
    QString label;
    int value = 0;

    bool operator==(const GraphPoint&) const = default;
};

enum class BarStyle { Flat, ThreeD };

// A dashed line across the bars at a value, with its label, such as the count every number
// would have by chance.
struct GraphLine {
    double value = 0;
    QString label;

    bool operator==(const GraphLine&) const = default;
};

struct GraphData {
    QString title;
    QList<GraphPoint> points;
    BarStyle style = BarStyle::Flat;
    bool colour = false;
    std::optional<GraphLine> line;
};

namespace GraphView {

// "Normal distribution of numbers in 57 Draws"; the 3-D title has two blanks before the count.
// The extra numbers' chart says "extra numbers".
QString Title(const QString& viewName, int recCount, BarStyle style, Pool pool = Pool::Main);

// One point per row 1..count of `sorted`, labelled with its number.
QList<GraphPoint> Points(const NumberTable& sorted, int count);

// "Sorted out for (draws since last drawn) in 57 Draws", or "Sorted extra numbers out for ...".
QString OutForTitle(const QString& viewName, int recCount, Pool pool = Pool::Main);

// The count each number would have by chance, "Expected 18.4"; none without draws.
std::optional<GraphLine> ExpectedLine(const DrawStatistics& stats);

} // namespace GraphView
