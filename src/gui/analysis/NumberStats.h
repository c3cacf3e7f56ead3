// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/analysis/DrawStatistics.h"

#include "gui/common/ToolWindow.h"

class NumberFiguresModel;
class QComboBox;
class QLabel;
class QTabBar;
class QTabWidget;
class QTableView;
class QTableWidget;
struct Services;
struct SharedState;

// The number statistics as a table: per number how often it was drawn against the count chance
// would give, when it was drawn last and its gaps, sorted by any column; the pairs drawn
// together most often; and whether the differences are larger than chance makes them. Over all
// draws or only the latest ones; saved as CSV and printed. The extra numbers, when the lottery
// has them, are a view of their own, without pairs. It goes back to the graphs window.
class NumberStats : public ToolWindow {
    Q_OBJECT

public:
    NumberStats(SharedState& state, Services& services, QWidget* parent = nullptr);

private:
    void buildControls();
    void buildButtonStrip(QWidget* tabs);
    // Counts the draws the window-size choice asks for and shows them.
    void recount();
    void showPairs();

    void saveCsvClicked();
    void printClicked();

    SharedState& m_state;
    Services& m_services;
    DrawStatistics m_statistics;

    QComboBox* m_lastDraws = nullptr;
    QTabWidget* m_tabs = nullptr;
    QTabBar* m_poolTabs = nullptr;
    QLabel* m_summary = nullptr;
    NumberFiguresModel* m_numbersModel = nullptr;
    QTableView* m_numbers = nullptr;
    QLabel* m_pairsTitle = nullptr;
    QLabel* m_morePairs = nullptr;
    QTableWidget* m_pairs = nullptr;
    QLabel* m_fairness = nullptr;
};
