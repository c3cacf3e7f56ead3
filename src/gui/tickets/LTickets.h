// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "gui/common/ToolWindow.h"

class DrawTotalsModel;
class PrizeTableModel;
class QAbstractItemModel;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTableView;
class RangeBox;
class TicketListModel;
class TicketResultsModel;
struct Services;
struct SharedState;

// "My Tickets": the ticket book of the shared state (the tickets played, typed, pasted or
// imported here, or handed over by Rado-d-Idorur and the wheels), its prize table, and every
// ticket checked against the draws in memory, with the totals; the results are posted to the
// tracker and printed from here. Its grids show models that follow the book and the draws.
class LTickets : public ToolWindow {
    Q_OBJECT

public:
    LTickets(SharedState& state, Services& services, QWidget* parent = nullptr);

    // Reads the ticket book at `path` as "&Open Book" does with the file chosen.
    void OpenTicketBook(const QString& path);
    // Where the window stands on a screen of that available area.
    static QRect placeOn(const QRect& screen);

protected:
    bool mayLeave() override;

private:
    QWidget* buildBookTab();
    QWidget* buildPrizeTab();
    QWidget* buildResultsTab();
    QTableView* grid(QWidget* page, const char* name, QAbstractItemModel* model);

    // An empty book takes the game of the draws in memory.
    void followStoreShape();
    void showBookInfo();
    void showTotals();

    void addTypedClicked();
    void importClicked();
    void removeClicked();
    // Adds the tickets of `text`, one a line, with the first draw, draws and price of the boxes;
    // refuses them all, saying why, when a line is wrong.
    bool addLines(const QString& text);
    void addPrizeClicked();
    void removePrizeClicked();
    void presetClicked();
    void postClicked();
    void printClicked();
    void openClicked();
    void saveClicked();
    void refuse(const QString& text);

    SharedState& m_state;
    Services& m_services;
    bool m_editing = false; // the draws box is being typed into
    int m_drawsPlayed = 1;

    QLabel* m_bookInfo = nullptr;
    QPlainTextEdit* m_lines = nullptr;
    QLineEdit* m_firstDraw = nullptr;
    RangeBox* m_draws = nullptr;
    QLineEdit* m_price = nullptr;
    QTableView* m_tickets = nullptr;
    QTableView* m_prizes = nullptr;
    QLabel* m_totals = nullptr;
    TicketListModel* m_ticketModel = nullptr;
    PrizeTableModel* m_prizeModel = nullptr;
    TicketResultsModel* m_results = nullptr;
    DrawTotalsModel* m_drawTotals = nullptr;
};
