// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/analysis/NumberPicker.h"
#include "gui/common/ToolWindow.h"

#include <array>

class HelpPanel;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
struct Services;
struct SharedState;

// The Rado-d-Idorur window: describes a lottery, picks sets of random numbers from the full range
// or a third of the frequency ranking, shows them with a short ball animation and prints them.
// A lottery with extra numbers gets them picked too, shown apart after the main numbers.
class Lottery : public ToolWindow {
    Q_OBJECT

public:
    Lottery(SharedState& state, Services& services, QWidget* parent = nullptr);
    ~Lottery() override;

    // The pause between two animation steps; the whole animation takes 28 of them.
    void setAnimationPause(int milliseconds) { m_pauseMs = milliseconds; }

Q_SIGNALS:
    // "Wheel These": the numbers of the sets on screen, of a game of `shape`.
    void wheelRequested(const QList<int>& numbers, const LotteryShape& shape);

private:
    void buildControls();
    void buildSetupFrame();
    void buildChoiceFrame();
    void buildBalls();
    void buildButtonStrip();
    void wireSetupBoxes();

    // A column for each main number, then one for each extra number of the shape.
    void SetupGrid(int picks);
    // The shape's extra numbers, whatever the boxes say: they are the draws' own.
    void takeExtraNumbers();
    void ClearGrid();
    void clearResults();
    void selectOption(PickMode mode);
    void Calculate();
    // Runs the 28 steps of the animation, the window painted and the user's input waiting until
    // it ends. False when the window was closed meanwhile and is gone.
    bool runAnimation();
    void showAnimationStep(int step);
    void showBallRow(int row);
    void showStrip(const QString& text);
    void PrintSets();
    void WheelSets();
    // Adds the sets on screen to the ticket book, playing the next draw.
    void PlayThese();

    SharedState& m_state;
    Services& m_services;
    PickSettings m_settings;
    PickedSets m_sets {};
    PickedExtras m_extras = NoExtras();
    int m_pauseMs = 36;
    // A setup box was emptied for new typing (shared by the three boxes).
    bool m_editing = false;

    QLineEdit* m_numbersPerDraw = nullptr;
    QLineEdit* m_highestNumber = nullptr;
    QLineEdit* m_entryForms = nullptr;
    std::array<QRadioButton*, 4> m_options {};
    QLabel* m_strip = nullptr;
    std::array<QLabel*, 6> m_balls {};
    QLabel* m_infoLabel = nullptr;
    QTableWidget* m_grid = nullptr;
    QPlainTextEdit* m_helpBox = nullptr;
    QPushButton* m_calculate = nullptr;
    QPushButton* m_playThese = nullptr;
    HelpPanel* m_help = nullptr;
};
