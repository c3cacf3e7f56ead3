// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "BarChart.h"

#include "gui/common/Colours.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace {

struct BarColours {
    QColor front;
    QColor top;
    QColor side;
    QColor outline;
};

BarColours barColours(bool colour)
{
    if (colour) {
        const QColor front = Colours::ChartBar;
        return {front, front.lighter(150), front.darker(150), front.darker(220)};
    }
    return {Colours::GreyBarFront, Colours::GreyBarTop, Colours::GreyBarSide, Colours::Black};
}

// A round tick step (1, 2 or 5 times a power of ten) that divides `maximum` into at most
// `ticks` steps.
int tickStep(int maximum, int ticks)
{
    if (maximum <= ticks)
        return 1;
    const double raw = double(maximum) / ticks;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0})
        if (factor * power >= raw)
            return int(factor * power);
    return int(10 * power);
}

// Where everything goes: worked out once, before anything is drawn.
struct ChartLayout {
    QFont titleFont;
    QFont labelFont;
    QRectF area;
    QRectF titleArea;
    QRectF plot; // the front plane of the bars; a 3-D chart's back wall lies `depth` behind it
    double axisWidth = 0;
    double labelHeight = 0;
    int axisMax = 1;
    int step = 1;
    bool threeD = false;
    double depth = 0;
    double barSlot = 0;
    double barWidth = 0;
    double lineLabelWidth = 0; // the line's label, right of the plot, where no bar stands
    bool staggered = false; // labels too wide to stand side by side take two rows
    int labelStep = 1; // too wide even for two rows, only every labelStep-th bar is labelled

    double yFor(double value) const { return plot.bottom() - value / axisMax * plot.height(); }
    double barLeft(qsizetype i) const
    {
        return plot.left() + barSlot * double(i) + (barSlot - barWidth) / 2;
    }
};

ChartLayout layoutChart(const QFont& baseFont, QPaintDevice* device, const QRectF& area,
                        const GraphData& data)
{
    ChartLayout layout;
    layout.area = area;
    layout.titleFont = baseFont;
    layout.titleFont.setPointSizeF(11);
    layout.titleFont.setBold(true);
    layout.labelFont = baseFont;
    layout.labelFont.setPointSizeF(7.5);
    layout.labelFont.setBold(false);
    // Measured on the device drawn on, whose resolution may not be the screen's.
    const QFontMetricsF titleMetrics(layout.titleFont, device);
    const QFontMetricsF labelMetrics(layout.labelFont, device);
    layout.labelHeight = labelMetrics.height();
    layout.titleArea = QRectF(area.left(), area.top() + 6, area.width(), titleMetrics.height());

    // The axis reaches the tallest bar and the line, whichever is higher.
    double maximum = data.line ? std::max(data.line->value, 0.0) : 0;
    for (const GraphPoint& point : data.points)
        maximum = std::max(maximum, double(point.value));
    const int top = int(std::ceil(maximum));
    layout.step = tickStep(top, 8);
    layout.axisMax = std::max(layout.step, (top + layout.step - 1) / layout.step * layout.step);

    const qsizetype count = data.points.size();
    layout.axisWidth = labelMetrics.horizontalAdvance(QString::number(layout.axisMax)) + 14;
    if (data.line)
        layout.lineLabelWidth = labelMetrics.horizontalAdvance(data.line->label) + 8;
    const double right = std::max(24.0, layout.lineLabelWidth + 6);
    const double slot = count > 0 ? (area.width() - layout.axisWidth - right) / double(count) : 0;
    double widestLabel = 0;
    for (const GraphPoint& point : data.points)
        widestLabel = std::max(widestLabel, labelMetrics.horizontalAdvance(point.label));
    layout.staggered = widestLabel + 2 > slot;
    if (widestLabel + 2 > 2 * slot) {
        // Round steps, so that in natural order the labels are 5, 10, 15 ...
        layout.staggered = false;
        layout.labelStep = 20;
        for (const int step : {2, 5, 10})
            if (widestLabel + 2 <= step * slot) {
                layout.labelStep = step;
                break;
            }
    }
    const double labelRows = layout.staggered ? 2 : 1;

    layout.threeD = data.style == BarStyle::ThreeD;
    layout.depth = layout.threeD ? std::clamp(slot * 0.4, 3.0, 14.0) : 0;
    layout.plot
        = QRectF(area.left() + layout.axisWidth, layout.titleArea.bottom() + 12 + layout.depth,
                 area.width() - layout.axisWidth - right - layout.depth,
                 area.height() - layout.titleArea.height() - 30 - layout.depth
                     - labelRows * layout.labelHeight);
    layout.barSlot = count > 0 ? layout.plot.width() / double(count) : 0;
    layout.barWidth = std::max(1.0, layout.barSlot * 0.6);
    return layout;
}

void drawTitle(QPainter& painter, const ChartLayout& layout, const GraphData& data)
{
    painter.setFont(layout.titleFont);
    painter.setPen(Colours::Paper.text);
    painter.drawText(layout.titleArea, Qt::AlignCenter, data.title);
}

// The value axis: grid lines on the back wall, tick labels on the left, and the two axis lines.
void drawAxes(QPainter& painter, const ChartLayout& layout)
{
    const QRectF& plot = layout.plot;
    const double depth = layout.depth;
    painter.setFont(layout.labelFont);
    for (int value = 0; value <= layout.axisMax; value += layout.step) {
        const double y = layout.yFor(value);
        painter.setPen(Colours::ChartScaleLine);
        painter.drawLine(QPointF(plot.left() + depth, y - depth),
                         QPointF(plot.right() + depth, y - depth));
        if (layout.threeD)
            painter.drawLine(QPointF(plot.left(), y), QPointF(plot.left() + depth, y - depth));
        painter.setPen(Colours::Paper.text);
        painter.drawText(QRectF(layout.area.left(), y - layout.labelHeight / 2,
                                layout.axisWidth - 6, layout.labelHeight),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(value));
    }
    painter.setPen(Colours::Black);
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
}

void drawBars(QPainter& painter, const ChartLayout& layout, const GraphData& data)
{
    const BarColours colours = barColours(data.colour);
    const double bottom = layout.plot.bottom();
    const double depth = layout.depth;
    const double width = layout.barWidth;
    // A bar of 0 stands a little above the axis, so that it is seen to be there.
    const double lowest = std::min(2.0, layout.plot.height());
    for (qsizetype i = 0; i < data.points.size(); ++i) {
        const double left = layout.barLeft(i);
        const double top
            = std::min(layout.yFor(std::max(data.points[i].value, 0)), bottom - lowest);
        painter.setPen(QPen(colours.outline, 0));
        if (layout.threeD) {
            const QPolygonF topFace {{left, top},
                                     {left + depth, top - depth},
                                     {left + width + depth, top - depth},
                                     {left + width, top}};
            const QPolygonF sideFace {{left + width, top},
                                      {left + width + depth, top - depth},
                                      {left + width + depth, bottom - depth},
                                      {left + width, bottom}};
            painter.setBrush(colours.top);
            painter.drawPolygon(topFace);
            painter.setBrush(colours.side);
            painter.drawPolygon(sideFace);
        }
        painter.setBrush(colours.front);
        painter.drawRect(QRectF(left, top, width, bottom - top));
    }
}

void drawLabels(QPainter& painter, const ChartLayout& layout, const GraphData& data)
{
    painter.setFont(layout.labelFont);
    painter.setPen(Colours::Paper.text);
    for (qsizetype i = 0; i < data.points.size(); ++i) {
        if ((i + 1) % layout.labelStep != 0)
            continue;
        const double top
            = layout.plot.bottom() + 4 + (layout.staggered && i % 2 ? layout.labelHeight : 0);
        painter.drawText(QRectF(layout.barLeft(i) - layout.barSlot, top,
                                layout.barWidth + 2 * layout.barSlot, layout.labelHeight),
                         Qt::AlignHCenter | Qt::AlignTop, data.points[i].label);
    }
}

QColor lineInk(bool colour)
{
    // Red in a colour chart, apart from the blue bars; black in grey shades.
    return colour ? Colours::ChartLine : Colours::Black;
}

// Dashed, across the front of the bars.
void drawLine(QPainter& painter, const ChartLayout& layout, const GraphLine& line, bool colour)
{
    const double y = layout.yFor(std::max(line.value, 0.0));
    painter.setPen(QPen(lineInk(colour), 2, Qt::DashLine, Qt::FlatCap));
    painter.drawLine(QPointF(layout.plot.left(), y), QPointF(layout.plot.right(), y));
}

// The line's label beside the plot at the line's height, in the margin kept for it, where it
// hides no bar however close to the line the bars are.
void drawLineLabel(QPainter& painter, const ChartLayout& layout, const GraphLine& line, bool colour)
{
    const double y = layout.yFor(std::max(line.value, 0.0));
    const double left = layout.plot.right() + layout.depth + 4;
    const double top = std::clamp(y - layout.labelHeight / 2, layout.area.top(),
                                  layout.area.bottom() - layout.labelHeight);
    painter.setFont(layout.labelFont);
    painter.setPen(lineInk(colour));
    painter.drawText(QRectF(left, top, layout.area.right() - left, layout.labelHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, line.label);
}

} // namespace

void PaintBarChart(QPainter& painter, const QRectF& area, const GraphData& data)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(area, Colours::Paper.background);
    const ChartLayout layout = layoutChart(painter.font(), painter.device(), area, data);
    drawTitle(painter, layout, data);
    if (layout.plot.width() > 0 && layout.plot.height() > 0) {
        drawAxes(painter, layout);
        drawBars(painter, layout, data);
        drawLabels(painter, layout, data);
        if (data.line) {
            drawLine(painter, layout, *data.line, data.colour);
            drawLineLabel(painter, layout, *data.line, data.colour);
        }
    }
    painter.restore();
}

QPicture BarChartPicture(const GraphData& data, const QSize& size, const QFont& font)
{
    QPicture picture;
    const QRect area(QPoint(0, 0), size);
    QPainter painter(&picture);
    painter.setFont(font);
    // A band above the title, as on the screen, where the tabs are: the title's words keep clear
    // of the page margin even where a reader measures them by the font's full height.
    const double headroom = QFontMetricsF(font, &picture).height() * 2;
    PaintBarChart(painter, QRectF(area).adjusted(0, headroom, 0, 0), data);
    painter.end();
    picture.setBoundingRect(area);
    return picture;
}

QImage BarChartImage(const GraphData& data, const QSize& size, qreal scale)
{
    QImage image(size * scale, QImage::Format_RGB32);
    // The painter works in the chart's own pixels; text sizes follow the image's default 96 dots
    // per inch, as on the screen.
    image.setDevicePixelRatio(scale);
    QPainter painter(&image);
    PaintBarChart(painter, QRectF(QPointF(0, 0), size), data);
    return image;
}

QByteArray BarChartSvg(const GraphData& data, const QSize& size)
{
    QBuffer buffer;
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    // Its pixels as big as the screen's, which also sizes the text as on the screen.
    generator.setResolution(96);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(data.title);
    generator.setDescription(QStringLiteral("Made by Numerion"));
    QPainter painter(&generator);
    // A family name every SVG viewer knows.
    QFont font(QStringLiteral("sans-serif"));
    font.setStyleHint(QFont::SansSerif);
    painter.setFont(font);
    PaintBarChart(painter, QRectF(QPointF(0, 0), size), data);
    painter.end();
    return buffer.data();
}

BarChart::BarChart(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BarChart::setData(const GraphData& data)
{
    m_data = data;
    update();
}

void BarChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintBarChart(painter, rect(), m_data);
}
