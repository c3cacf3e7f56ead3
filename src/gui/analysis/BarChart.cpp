#include "BarChart.h"

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
        const QColor front(30, 80, 190);
        return {front, front.lighter(150), front.darker(150), front.darker(220)};
    }
    return {QColor(170, 170, 170), QColor(225, 225, 225), QColor(110, 110, 110), Qt::black};
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

} // namespace

void PaintBarChart(QPainter& painter, const QRectF& area, const GraphData& data)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(area, Qt::white);

    QFont titleFont = painter.font();
    titleFont.setPointSizeF(11);
    titleFont.setBold(true);
    QFont labelFont = painter.font();
    labelFont.setPointSizeF(7.5);
    labelFont.setBold(false);
    const QFontMetricsF titleMetrics(titleFont);
    const QFontMetricsF labelMetrics(labelFont);

    painter.setFont(titleFont);
    painter.setPen(Qt::black);
    const QRectF titleArea(area.left(), area.top() + 6, area.width(), titleMetrics.height());
    painter.drawText(titleArea, Qt::AlignCenter, data.title);

    const qsizetype count = data.points.size();
    int maximum = 0;
    for (const GraphPoint& point : data.points)
        maximum = std::max(maximum, point.value);
    const int step = tickStep(maximum, 8);
    const int axisMax = std::max(step, (maximum + step - 1) / step * step);

    const double axisWidth = labelMetrics.horizontalAdvance(QString::number(axisMax)) + 14;
    const double slot = count > 0 ? (area.width() - axisWidth - 24) / double(count) : 0;
    // Labels that do not fit side by side take two rows.
    double widestLabel = 0;
    for (const GraphPoint& point : data.points)
        widestLabel = std::max(widestLabel, labelMetrics.horizontalAdvance(point.label));
    const bool staggered = widestLabel + 2 > slot;
    const double labelRows = staggered ? 2 : 1;

    const bool threeD = data.style == BarStyle::ThreeD;
    const double depth = threeD ? std::clamp(slot * 0.4, 3.0, 14.0) : 0;
    const QRectF plot(area.left() + axisWidth, titleArea.bottom() + 12 + depth,
                      area.width() - axisWidth - 24 - depth,
                      area.height() - titleArea.height() - 30 - depth
                          - labelRows * labelMetrics.height());
    if (plot.width() <= 0 || plot.height() <= 0) {
        painter.restore();
        return;
    }
    const double barSlot = count > 0 ? plot.width() / double(count) : 0;
    auto yFor = [&](double value) { return plot.bottom() - value / axisMax * plot.height(); };

    // The value axis: grid lines on the back wall, tick labels on the left.
    painter.setFont(labelFont);
    for (int value = 0; value <= axisMax; value += step) {
        const double y = yFor(value);
        painter.setPen(QColor(210, 210, 210));
        painter.drawLine(QPointF(plot.left() + depth, y - depth),
                         QPointF(plot.right() + depth, y - depth));
        if (threeD)
            painter.drawLine(QPointF(plot.left(), y), QPointF(plot.left() + depth, y - depth));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(area.left(), y - labelMetrics.height() / 2, axisWidth - 6,
                                labelMetrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(value));
    }
    painter.setPen(Qt::black);
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());

    const BarColours colours = barColours(data.colour);
    const double barWidth = std::max(1.0, barSlot * 0.6);
    for (qsizetype i = 0; i < count; ++i) {
        const GraphPoint& point = data.points[i];
        const double left = plot.left() + barSlot * double(i) + (barSlot - barWidth) / 2;
        const double top = yFor(std::max(point.value, 0));
        const QRectF front(left, top, barWidth, plot.bottom() - top);

        painter.setPen(QPen(colours.outline, 0));
        if (threeD) {
            QPolygonF topFace {{left, top},
                               {left + depth, top - depth},
                               {left + barWidth + depth, top - depth},
                               {left + barWidth, top}};
            QPolygonF sideFace {{left + barWidth, top},
                                {left + barWidth + depth, top - depth},
                                {left + barWidth + depth, plot.bottom() - depth},
                                {left + barWidth, plot.bottom()}};
            painter.setBrush(colours.top);
            painter.drawPolygon(topFace);
            painter.setBrush(colours.side);
            painter.drawPolygon(sideFace);
        }
        painter.setBrush(colours.front);
        painter.drawRect(front);

        const double labelTop
            = plot.bottom() + 4 + (staggered && i % 2 ? labelMetrics.height() : 0);
        painter.setPen(Qt::black);
        painter.drawText(
            QRectF(left - barSlot, labelTop, barWidth + 2 * barSlot, labelMetrics.height()),
            Qt::AlignHCenter | Qt::AlignTop, point.label);
    }
    painter.restore();
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
