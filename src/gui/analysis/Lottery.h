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
class Lottery : public ToolWindow {
    Q_OBJECT

public:
    Lottery(SharedState& state, Services& services, QWidget* parent = nullptr);
    ~Lottery() override;

    // The pause between two animation steps; the whole animation takes 28 of them.
    void setAnimationPause(int milliseconds) { m_pauseMs = milliseconds; }

private:
    void buildControls();
    void SetupGrid(int picks);
    void ClearGrid();
    void clearResults();
    int storePicks() const;
    int storeHighest() const;
    void leaveBox(QLineEdit* box, int limit, const QString& message);
    void selectOption(int mode);
    void Calculate();
    void runAnimation();
    void showBallRow(int row);
    void showStrip(const QString& text);
    void pause();
    void PrintSets();

    SharedState& m_state;
    Services& m_services;
    NumberPicker m_picker;
    PickSettings m_settings;
    int m_pauseMs = 36;

    QLineEdit* m_colNum = nullptr;
    QLineEdit* m_highNum = nullptr;
    QLineEdit* m_numRows = nullptr;
    std::array<QRadioButton*, 4> m_options {};
    QLabel* m_strip = nullptr;
    std::array<QLabel*, 6> m_balls {};
    QLabel* m_infoLabel = nullptr;
    QTableWidget* m_grid = nullptr;
    QPlainTextEdit* m_helpBox = nullptr;
    QPushButton* m_calculate = nullptr;
    HelpPanel* m_help = nullptr;
};
