// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/draws/LotteryShape.h"
#include "core/tickets/PrizeTable.h"
#include "core/tickets/Ticket.h"

#include <QDate>
#include <QList>
#include <QString>

#include <map>
#include <optional>
#include <utility>

// The tickets the user played in the game of one draw file, the prizes of that game, the amounts
// of pari-mutuel tiers as they were published after each draw, and the draws already posted to
// the investment tracker.
struct TicketBook {
    static constexpr int MaxTickets = 10'000;

    LotteryShape shape;
    QString drawTitle; // the title of the draws it was kept with, for the user to recognise
    QList<Ticket> tickets;
    PrizeTable prizes;
    // The amount a pari-mutuel tier paid at a draw, in ten-thousandths, by the draw's date and
    // the tier's name.
    std::map<std::pair<QDate, QString>, long long> published;
    QList<QDate> posted; // ascending, each once

    // An empty book for `shape`, with its preset prizes.
    static TicketBook ForShape(const LotteryShape& shape);

    // A book without tickets takes the game of the draws in memory, with its preset prizes (its
    // own prizes stay when the game is the same); a book with tickets keeps its game. A book
    // without a title takes `title`.
    void followDraws(const LotteryShape& shape, const QString& title);

    // Adds a ticket for each of `numbers` (checked by TicketLines), playing `draws` draws from
    // `firstDraw` at `price` a draw. This is how tickets come in from the sets on screen, a
    // wheel, typing, pasting and CSV files. False, with nothing added, when the book would hold
    // more than MaxTickets or a ticket does not fit the shape.
    bool addTickets(const QList<QList<int>>& numbers, const QList<QList<int>>& extras,
                    const QDate& firstDraw, int draws, long long price);
    // Whether `ticket`'s numbers fit the book's shape (as TicketLines::ParseLine demands), its
    // date is storable, its draws 1..Ticket::MaxDraws and its price from 0 below 1e12.
    bool fits(const Ticket& ticket) const;

    bool isPosted(const QDate& date) const;
    void markPosted(const QDate& date);
    std::optional<long long> publishedAmount(const QDate& date, const QString& tier) const;

    bool operator==(const TicketBook&) const = default;
};

// Amounts as the user types them and the ticket file writes them: plain decimals ("2", "2.50",
// ".5", "-3"), at most twelve digits before the point and four after. Nothing for anything else.
std::optional<long long> ParseAmount(const QString& text);
