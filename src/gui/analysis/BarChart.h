// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/analysis/GraphData.h"

#include <QImage>
#include <QPicture>
#include <QWidget>

class QPainter;
class QRectF;

// Paints a bar chart of `data` into `area`: the title, a value axis with round ticks, one bar per
// point labelled below it, flat or as extruded 3-D bars, and the data's labelled dashed line when
// it has one; in colour or in grey shades that print well in black and white.
void PaintBarChart(QPainter& painter, const QRectF& area, const GraphData& data);

// The chart as drawing commands in an area of `size` pixels, text in `font`, for a printer to
// draw at its own resolution: bars, lines and text stay shapes and text, never pixels.
QPicture BarChartPicture(const GraphData& data, const QSize& size, const QFont& font);

// The chart as an image of `size` device-independent pixels drawn at `scale` image pixels to each,
// so that text and lines are as sharp as the scale allows.
QImage BarChartImage(const GraphData& data, const QSize& size, qreal scale);
// The chart as an SVG document of `size` pixels, its bars and text kept as shapes.
QByteArray BarChartSvg(const GraphData& data, const QSize& size);

// A widget that shows one bar chart.
class BarChart : public QWidget {
    Q_OBJECT

public:
    explicit BarChart(QWidget* parent = nullptr);

    void setData(const GraphData& data);
    const GraphData& data() const { return m_data; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    GraphData m_data;
};
