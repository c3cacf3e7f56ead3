// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/analysis/DrawStatistics.h"
#include "core/analysis/GraphData.h"
#include "core/analysis/Ranking.h"

#include "gui/common/ToolWindow.h"

class BarChart;
class QLabel;
class QPushButton;
class QTabBar;
struct Services;
struct SharedState;

// The graphs window: how often each number was drawn, or for how many draws it has been out,
// as a bar chart in natural or ranked order, flat or in 3-D, and printed. The frequency chart
// marks the count every number would have by chance. The extra numbers, when the lottery has
// them, have a chart of their own. It goes back to the window that opened it and opens the table
// of the number statistics.
class LGraph : public ToolWindow {
    Q_OBJECT

public:
    LGraph(SharedState& state, Services& services, QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // What the bars stand for; the tabs above the chart choose it.
    enum class Figure { Frequency, OutFor };

    void buildControls();
    void buildButtons();
    // The window is wider for a pool of more numbers than the classic 60, so that its bars
    // and their labels keep a readable width.
    void fitToShape();
    void storeChanged();
    void redraw();
    GraphData chartData() const;

    void changeViewClicked();
    void styleClicked();
    void printClicked();
    void numberTableClicked();
    // Ctrl+S and the chart's context menu: the chart alone as a PNG or SVG file.
    void saveImage();

    SharedState& m_state;
    Services& m_services;
    DrawStatistics m_statistics;
    Figure m_figure = Figure::Frequency;
    RankOrder m_order = RankOrder::Natural;
    BarStyle m_barStyle = BarStyle::Flat;
    bool m_colourSetting = false;

    QTabBar* m_figureTabs = nullptr;
    QTabBar* m_poolTabs = nullptr;
    BarChart* m_chart = nullptr;
    QLabel* m_band = nullptr;
    QPushButton* m_exit = nullptr;
    QPushButton* m_changeView = nullptr;
    QPushButton* m_numberTable = nullptr;
    QPushButton* m_style = nullptr;
    QPushButton* m_print = nullptr;
};
