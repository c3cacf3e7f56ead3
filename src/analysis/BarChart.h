#pragma once

#include "analysis/GraphData.h"

#include <QWidget>

class QPainter;
class QRectF;

// Paints a bar chart of `data` into `area`: the title, a value axis with round ticks, and one bar
// per point labelled below it, flat or as extruded 3-D bars; in colour or in grey shades that
// print well in black and white.
void PaintBarChart(QPainter& painter, const QRectF& area, const GraphData& data);

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
