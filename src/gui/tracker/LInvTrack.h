// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/tracker/SheetEditor.h"
#include "gui/common/ToolWindow.h"

#include <functional>
#include <optional>

class HelpPanel;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
struct Services;
struct SharedState;
class TrackerDocument;

// The investment tracker: a two-column money sheet typed key by key, calculated with subtotals
// and a total, opened from and saved to tracker files, and printed as a statement.
class LInvTrack : public ToolWindow {
    Q_OBJECT

public:
    // `askRow` shows the insert dialog with the suggested row and returns the row typed (nothing
    // for "&Cancel").
    using RowQuestion = std::function<std::optional<int>(int rowHint, QWidget* parent)>;

    LInvTrack(SharedState& state, Services& services, RowQuestion askRow = {},
              QWidget* parent = nullptr);
    ~LInvTrack() override;

    // Reads the tracker file at `path` as "&Open File" does with the file chosen.
    void OpenTrackerFile(const QString& path);

protected:
    bool mayLeave() override;

private:
    void buildControls();
    void buildButtonStrip(QPushButton* insert);
    void wireGrid();

    void SetupSheetGrid();
    void CalculateSheet();
    void ShowSheet();
    // Draws the total on the editor's total line, and takes it off the line it was on.
    void showTotal();
    void setCell(int row, int column, const QString& text);
    // Makes (row, column) the grid's current cell without starting it afresh.
    void moveGridCursor(int row, int column);
    // Puts the grid's highlight on the editor's cursor, where typing goes.
    void showCursor();
    // Widens the amount column for the widest amount shown, at the cost of the description
    // column; `mayNarrow` lets it return to its usual width.
    void fitAmountColumn(bool mayNarrow);
    void comeBack();
    void apply(const SheetEditor::Result& result);

    void calculateClicked();
    void insertClicked();
    void openClicked();
    void saveClicked();
    void printClicked();

    SharedState& m_state;
    Services& m_services;
    RowQuestion m_askRow;
    TrackerDocument& m_sheet;
    bool m_movingCursor = false;
    int m_shownTotalRow = 0; // none

    QTableWidget* m_grid = nullptr;
    QLabel* m_netInfo = nullptr;
    QPlainTextEdit* m_helpText = nullptr;
    HelpPanel* m_help = nullptr;
};
