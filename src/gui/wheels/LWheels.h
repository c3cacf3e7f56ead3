// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/draws/LotteryShape.h"
#include "core/wheels/WheelPlan.h"
#include "gui/common/ToolWindow.h"

#include <atomic>
#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableView;
class QThread;
class RangeBox;
class WheelTicketsModel;
struct Services;
struct SharedState;
struct WheelProgress;

// The wheels window: the player's numbers, a guarantee and a budget in; a searched, full or key
// wheel out, with its tickets, what they cost and what they are likely to win, to print, save
// or copy, or to play in My Tickets. The search runs on worker threads while the window stays
// live, with progress and Stop.
class LWheels : public ToolWindow {
    Q_OBJECT

public:
    // For the game of the draws in memory, or the player's own game when there are none.
    LWheels(SharedState& state, Services& services, QWidget* parent = nullptr);
    // With `numbers` in the numbers box, for a game of `shape` (the sets on screen elsewhere).
    LWheels(SharedState& state, Services& services, const QList<int>& numbers,
            const LotteryShape& shape, QWidget* parent = nullptr);
    ~LWheels() override;

    // True while a wheel is being built.
    bool isBuilding() const { return m_worker != nullptr; }
    // The wheel shown; no tickets before the first.
    const WheelSheet& sheet() const { return m_sheet; }
    // Where the window stands on a screen of that available area.
    static QRect placeOn(const QRect& screen);

Q_SIGNALS:
    // A wheel was built and is shown (or a build ended without one).
    void buildEnded();

protected:
    bool mayLeave() override;

private:
    void buildControls();
    QWidget* buildResults();
    void wireBoxes();
    // Takes the number typed into the box that has the focus.
    void takeEditedBox();

    void showNumbersCount();
    void takeThird(Third third);

    void BuildWheel();
    void fullWheelClicked();
    void keyWheelClicked();
    void BuildFullWheel(bool withKeys);
    // Runs `build` on a worker thread; its sheet is shown when it ends.
    void startBuild(std::function<WheelSheet(const std::atomic<bool>& cancel)> build,
                    const QString& searching);
    void showProgress(const WheelProgress& progress);
    void finishBuild();
    void StopWheel();
    void setBuilding(bool building);

    void PrintWheel();
    void SaveWheel();
    void CopyWheel();
    // Adds the tickets to My Tickets, playing the next draw.
    void PlayWheel();

    SharedState& m_state;
    Services& m_services;
    LotteryShape m_shape;
    WheelSheet m_sheet;

    QThread* m_worker = nullptr;
    std::atomic<bool> m_cancel {false};
    std::shared_ptr<WheelSheet> m_result;
    double m_budgetSeconds = 0;

    // The numbers of the setup boxes, as last taken.
    struct Setup {
        int guarantee = 3;
        int ifDrawn = 3;
        int seconds = 10;
        int maxTickets = 0; // any
    } m_setup;
    bool m_editing = false; // a setup box is being typed into

    QLineEdit* m_numbers = nullptr;
    QLabel* m_numbersCount = nullptr;
    QLineEdit* m_keys = nullptr;
    RangeBox* m_match = nullptr;
    RangeBox* m_ifDrawn = nullptr;
    RangeBox* m_seconds = nullptr;
    RangeBox* m_maxTickets = nullptr;
    QLineEdit* m_price = nullptr;
    QList<QWidget*> m_inputs; // disabled while a wheel is built
    QPushButton* m_stop = nullptr;
    QList<QPushButton*> m_resultButtons; // print, save, copy: only with a wheel shown
    QProgressBar* m_progress = nullptr;
    QLabel* m_status = nullptr;
    QTableView* m_grid = nullptr;
    WheelTicketsModel* m_model = nullptr;
    QPlainTextEdit* m_report = nullptr;
};
