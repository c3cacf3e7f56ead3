// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/draws/DrawRecords.h"
#include "core/draws/LotteryShape.h"
#include "core/tickets/TicketBook.h"

#include <QDate>
#include <QList>

#include <optional>
#include <span>

class DrawStore;

// What one ticket matched at one draw and what it won.
struct DrawCheck {
    int record = 0; // the draw's record in the store
    QDate date;
    QList<int> mainMatched; // the ticket's numbers that were drawn, ascending
    QList<int> extraMatched; // its extra numbers drawn, or the bonus ball among its main numbers
    std::optional<int> prizeRow; // the prize table's row it won; nothing: no prize
    // What it won in ten-thousandths: the row's fixed amount, or the tier's amount published
    // for that draw; nothing when it won nothing, or a tier whose amount is not typed in yet.
    std::optional<long long> amount;

    bool won() const { return prizeRow.has_value(); }
    bool awaitsAmount() const { return prizeRow && !amount; }
};

struct TicketCheck {
    QList<DrawCheck> draws; // the draws it played that the store holds, in date order
    int pending = 0; // the draws it plays that the store does not hold yet
};

// The tickets of one draw together.
struct DrawTotal {
    int record = 0;
    QDate date;
    int tickets = 0; // tickets that played it
    long long spent = 0;
    long long won = 0; // the amounts known
    int wins = 0;
    int awaiting = 0; // wins whose amount is not typed in yet
};

struct CheckTotals {
    long long spent = 0; // on the draws checked
    long long won = 0;
    int pending = 0; // ticket-draws still to come
    long long pendingSpent = 0; // what they cost
    int awaiting = 0;

    long long net() const { return won - spent; }
};

struct BookCheck {
    QList<TicketCheck> tickets; // one per ticket of the book, in its order
    QList<DrawTotal> draws; // every draw some ticket played, in date order
    CheckTotals totals;
};

// What the numbers of a ticket matched in a draw of `shape` (its main numbers, then its extra
// ones): the main numbers drawn, and the extra numbers: a ticket's own-pool numbers drawn, or,
// for a bonus from the main pool, the bonus balls among the ticket's main numbers.
void MatchTicket(const QList<int>& main, const QList<int>& extra, const LotteryShape& shape,
                 std::span<const std::int16_t> drawn, QList<int>& mainMatched,
                 QList<int>& extraMatched);

// Checks every ticket of `book` against the draws of `records` (of `shape`): a ticket plays the
// first `draws` draws on or after its first draw date, in date order; those the records do not
// hold yet are pending.
BookCheck CheckTickets(const TicketBook& book, const LotteryShape& shape,
                       const DrawRecords& records);
BookCheck CheckTickets(const TicketBook& book, const DrawStore& store);
