#pragma once

#include "core/analysis/GraphData.h"

#include "gui/common/ToolWindow.h"

class BarChart;
class QLabel;
class QPushButton;
struct Services;
struct SharedState;

// The graphs window: how often each number was drawn as a bar chart, in natural or frequency
// order, flat or in 3-D, and printed. It goes back to the window that opened it.
class LGraph : public ToolWindow {
    Q_OBJECT

public:
    LGraph(SharedState& state, Services& services, QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void drawChart(BarStyle style);
    void redraw();
    BarStyle currentStyle() const;

    void changeViewClicked();
    void styleClicked();
    void printClicked();
    // Ctrl+S and the chart's context menu: the chart alone as a PNG or SVG file.
    void saveImage();

    SharedState& m_state;
    Services& m_services;
    QString m_viewName;
    bool m_colourSetting = false;

    BarChart* m_chart = nullptr;
    QLabel* m_band = nullptr;
    QPushButton* m_exit = nullptr;
    QPushButton* m_changeView = nullptr;
    QPushButton* m_style = nullptr;
    QPushButton* m_print = nullptr;
};
