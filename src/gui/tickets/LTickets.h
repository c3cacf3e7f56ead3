// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/tickets/TicketCheck.h"
#include "gui/common/ToolWindow.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTableWidget;
class QTabWidget;
struct Services;
struct SharedState;

// "My Tickets": the ticket book of the shared state (the tickets played, typed, pasted or
// imported here, or handed over by Rado-d-Idorur and the wheels), its prize table, and every
// ticket checked against the draws in memory, with the totals; the results are posted to the
// tracker and printed from here. Draws added to the store while it is open are checked at once.
class LTickets : public ToolWindow {
    Q_OBJECT

public:
    LTickets(SharedState& state, Services& services, QWidget* parent = nullptr);

    // Reads the ticket book at `path` as "&Open Book" does with the file chosen.
    void OpenTicketBook(const QString& path);

protected:
    bool mayLeave() override;

private:
    void buildBookTab();
    void buildPrizeTab();
    void buildResultsTab();

    // An empty book takes the game of the draws in memory.
    void followStoreShape();
    void showBook();
    void showPrizes();
    // Checks every ticket against the store and shows the results and totals.
    void ShowResults();

    void addTypedClicked();
    void importClicked();
    void removeClicked();
    // Adds the tickets of `text`, one a line, with the first draw, draws and price of the boxes;
    // refuses them all, saying why, when a line is wrong.
    bool addLines(const QString& text);
    void prizeEdited(int row, int column);
    void addPrizeClicked();
    void removePrizeClicked();
    void presetClicked();
    void resultEdited(int row, int column);
    void postClicked();
    void printClicked();
    void openClicked();
    void saveClicked();
    void refuse(const QString& text);

    SharedState& m_state;
    Services& m_services;
    BookCheck m_check;
    // The results grid's row of each checked draw: its ticket and its place among the draws.
    QList<std::pair<int, int>> m_resultRows;
    bool m_filling = false;

    QTabWidget* m_tabs = nullptr;
    QLabel* m_bookInfo = nullptr;
    QPlainTextEdit* m_lines = nullptr;
    QLineEdit* m_firstDraw = nullptr;
    QLineEdit* m_draws = nullptr;
    QLineEdit* m_price = nullptr;
    QTableWidget* m_tickets = nullptr;
    QTableWidget* m_prizes = nullptr;
    QTableWidget* m_results = nullptr;
    QTableWidget* m_drawTotals = nullptr;
    QLabel* m_totals = nullptr;
};
