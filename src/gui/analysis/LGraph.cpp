// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "LGraph.h"

#include "core/analysis/Ranking.h"
#include "core/app/SharedState.h"
#include "core/common/MessageBoxes.h"
#include "gui/analysis/BarChart.h"
#include "gui/analysis/NumberStats.h"
#include "gui/analysis/PoolTabs.h"
#include "gui/common/BusyCursor.h"
#include "gui/common/Controls.h"
#include "gui/common/FileFlow.h"
#include "gui/common/PrintJob.h"
#include "gui/common/Services.h"
#include "gui/common/Twips.h"

#include <QAction>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIODevice>
#include <QLabel>
#include <QPicture>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>

#include <algorithm>

namespace {

constexpr const char* SortedCaption = "&Show Sorted";
constexpr const char* NormalCaption = "&Show Normal";
constexpr const char* ThreeDCaption = "&ThreeD Graph";
constexpr const char* TwoDCaption = "&TwoD Graph";

// The band of buttons at the foot of the window, in twips from the bottom.
constexpr int BandHeight = 420;
constexpr int ButtonsAboveBottom = 360;
// The classic width, and the width a bar takes in a larger pool's window.
constexpr int ClassicWidth = 9480;
constexpr int BarTwips = 120;
constexpr int ChartMargin = 15;

} // namespace

LGraph::LGraph(SharedState& state, Services& services, QWidget* parent)
    : ToolWindow(parent)
    , m_state(state)
    , m_services(services)
    , m_statistics(ComputeDrawStatistics(state.Store))
{
    buildControls();
    fitToShape();
    redraw();
    // The chart follows the draws, whichever window changes them.
    const DrawStore& store = m_state.Store;
    for (auto change : {&DrawStore::recordAppended, &DrawStore::recordReplaced})
        connect(&store, change, this, &LGraph::storeChanged);
    for (auto change : {&DrawStore::storeReset, &DrawStore::shapeChanged})
        connect(&store, change, this, &LGraph::storeChanged);
}

void LGraph::storeChanged()
{
    fitToShape();
    m_statistics = ComputeDrawStatistics(m_state.Store, 0, PoolTabs::current(m_poolTabs));
    redraw();
}

void LGraph::fitToShape()
{
    const LotteryShape shape = m_state.Store.shape();
    // The axis and margins take about six bars' width.
    const int width = std::max(ClassicWidth, BarTwips * (shape.highestNumber + 6));
    if (Px(width) != this->width())
        setFixedWidth(Px(width));
    PoolTabs::follow(m_poolTabs, shape);
}

void LGraph::buildControls()
{
    Controls::setupWindow(this, "LGraph", QStringLiteral("Graphs"));

    // The band of buttons has no room left, so the choice of figure sits above the chart, where
    // it is seen first and reached by Tab or its access key.
    m_figureTabs = new QTabBar(this);
    m_figureTabs->setObjectName(QStringLiteral("FigureTabs"));
    m_figureTabs->setFont(Controls::windowFont(8.25));
    m_figureTabs->setExpanding(false);
    m_figureTabs->setTabData(m_figureTabs->addTab(QStringLiteral("&Frequency")),
                             int(Figure::Frequency));
    m_figureTabs->setTabData(m_figureTabs->addTab(QStringLiteral("&Out for")), int(Figure::OutFor));

    m_chart = new BarChart(this);
    m_chart->setObjectName(QStringLiteral("ZudeGraph"));
    m_band = Controls::label(this, "Label1");

    connect(m_figureTabs, &QTabBar::currentChanged, this, [this](int index) {
        m_figure = Figure(m_figureTabs->tabData(index).toInt());
        redraw();
    });
    // The extra numbers, a pool of their own, beside the figure tabs.
    m_poolTabs = PoolTabs::create(this);
    connect(m_poolTabs, &QTabBar::currentChanged, this, [this] {
        m_statistics = ComputeDrawStatistics(m_state.Store, 0, PoolTabs::current(m_poolTabs));
        redraw();
    });
    buildButtons();

    auto* saveImage = new QAction(QStringLiteral("Save Image As..."), this);
    saveImage->setObjectName(QStringLiteral("SaveImage"));
    saveImage->setShortcut(QKeySequence::Save);
    addAction(saveImage);
    m_chart->addAction(saveImage);
    m_chart->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(saveImage, &QAction::triggered, this, &LGraph::saveImage);
}

void LGraph::buildButtons()
{
    // "ChngView" and "TwoDBut" name the view they switch to; `redraw` keeps them current.
    static constexpr Controls::WiredButtonRow<LGraph> buttons[] = {
        {{"ExitGrp", "E&xit to Menu", {180, 6000, 1555, 325}}, nullptr},
        {{"ChngView", SortedCaption, {2160, 6000, 1815, 325}}, &LGraph::changeViewClicked},
        {{"NumTable", "&Number Table", {4110, 6000, 1515, 325}}, &LGraph::numberTableClicked},
        {{"TwoDBut", ThreeDCaption, {5760, 6000, 1950, 325}}, &LGraph::styleClicked},
        {{"Printer3", "To &Printer", {8010, 6000, 1320, 325}}, &LGraph::printClicked},
    };
    const auto strip = Controls::create(this, buttons);
    for (QPushButton* button : strip)
        button->setFont(Controls::windowFont(9.75));
    m_exit = strip[0];
    m_changeView = strip[1];
    m_numberTable = strip[2];
    m_style = strip[3];
    m_print = strip[4];
    connect(m_exit, &QPushButton::clicked, this, &QWidget::close);
    Controls::tabOrder(
        {m_print, m_style, m_numberTable, m_changeView, m_exit, m_figureTabs, m_poolTabs});
    m_print->setFocus();
}

void LGraph::resizeEvent(QResizeEvent* event)
{
    // The chart takes whatever height the window has between the tabs and the band of buttons,
    // so that the taller window of a printout gives a taller chart.
    ToolWindow::resizeEvent(event);
    const int bottom = height();
    const int tabsHeight = m_figureTabs->sizeHint().height();
    m_figureTabs->setGeometry(0, 0, width(), tabsHeight);
    const int poolWidth = m_poolTabs->sizeHint().width();
    m_poolTabs->setGeometry(width() - poolWidth, 0, poolWidth, tabsHeight);
    m_chart->setGeometry(0, tabsHeight, width() - Px(ChartMargin),
                         bottom - Px(BandHeight + ChartMargin) - tabsHeight);
    m_band->setGeometry(0, bottom - Px(BandHeight), width(), Px(BandHeight));
    for (QPushButton* button : {m_exit, m_changeView, m_numberTable, m_style, m_print})
        button->move(button->x(), bottom - Px(ButtonsAboveBottom));
}

GraphData LGraph::chartData() const
{
    const DrawStore& store = m_state.Store;
    const QString viewName
        = m_order == RankOrder::Natural ? QStringLiteral("Normal") : QStringLiteral("Sorted");
    const Pool pool = m_statistics.pool;
    const int lowest = m_statistics.lowestNumber;
    const int highest = m_statistics.highNum;
    const int count = m_statistics.poolSize();
    GraphData data;
    if (m_figure == Figure::OutFor) {
        data.title = GraphView::OutForTitle(viewName, store.RecCount(), pool);
        const NumberTable outFor
            = RankByCount(m_statistics.OutForTable(), highest, m_order, lowest);
        data.points = GraphView::Points(outFor, count);
    } else {
        data.title = GraphView::Title(viewName, store.RecCount(), m_barStyle, pool);
        const NumberTable& counted
            = pool == Pool::Extra ? store.ExtraCounts() : store.NumberCounts();
        const NumberTable counts = RankByCount(counted, highest, m_order, lowest);
        data.points = GraphView::Points(counts, count);
        data.line = GraphView::ExpectedLine(m_statistics);
    }
    data.style = m_barStyle;
    data.colour = m_colourSetting;
    return data;
}

void LGraph::redraw()
{
    // Each button names the view it switches to.
    m_changeView->setText(
        QString::fromUtf8(m_order == RankOrder::Natural ? SortedCaption : NormalCaption));
    m_style->setText(QString::fromUtf8(m_barStyle == BarStyle::Flat ? ThreeDCaption : TwoDCaption));
    m_chart->setData(chartData());
}

void LGraph::changeViewClicked()
{
    m_order = m_order == RankOrder::Natural ? RankOrder::ByCount : RankOrder::Natural;
    redraw();
}

void LGraph::styleClicked()
{
    m_barStyle = m_barStyle == BarStyle::Flat ? BarStyle::ThreeD : BarStyle::Flat;
    redraw();
}

void LGraph::numberTableClicked()
{
    ToolWindow::open(this, new NumberStats(m_state, m_services));
}

void LGraph::printClicked()
{
    if (!ConfirmPrintout(m_services))
        return;
    m_colourSetting
        = m_services.messages.ask(QStringLiteral("Printer"), QStringLiteral("Print in Color."));
    redraw();

    // The chart alone, without the buttons, is recorded as drawing commands, not pixels, so that
    // the printer draws it at its own resolution. It is printed taller than it is shown, as its
    // page is.
    QPicture picture;
    {
        BusyCursor busy;
        const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
        const int printHeight = screen ? int(0.88 * screen->availableGeometry().height()) : 0;
        const QSize area(m_chart->width(), std::max(printHeight, m_chart->height()));
        picture = BarChartPicture(chartData(), area, m_chart->font());
    }
    SendPicture(m_services, picture, m_colourSetting);
    // The chart keeps its printed look until it is drawn again.
    m_colourSetting = false;
}

void LGraph::saveImage()
{
    const std::optional<FileChoice> chosen = m_services.files.choose(
        FileKind::Chart, Direction::Save, QStringLiteral("Numerion graph.png"));
    if (!chosen)
        return;
    // The picture's form follows its name, which the chosen filter gave a suffix when it had none.
    QString path = chosen->path;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("svg"))
        path += QStringLiteral(".png");

    const GraphData& data = m_chart->data();
    const QSize size = m_chart->size();
    if (suffix == QLatin1String("svg")) {
        const QByteArray svg = BarChartSvg(data, size);
        m_services.files.write(FileKind::Chart, path, [&svg](QIODevice& device, QString&) {
            return device.write(svg) == svg.size();
        });
    } else {
        // Twice the pixels of the window, sharp enough for a document or a printed page.
        const QImage image = BarChartImage(data, size, 2);
        m_services.files.write(FileKind::Chart, path, [&image](QIODevice& device, QString&) {
            return image.save(&device, "PNG");
        });
    }
}
