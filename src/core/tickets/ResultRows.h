// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/tickets/Ticket.h"
#include "core/tickets/TicketCheck.h"

#include <QList>

// The rows of the ticket results, ticket by ticket: one for each draw it played that was checked,
// then one for its draws still to come, if any. A row is found from the tickets' first rows, so a
// book of a million ticket-draws costs one number a ticket, never a row each.
class ResultRows {
public:
    struct Row {
        int ticket = 0;
        int draw = -1; // its place among the ticket's checked draws; -1 for the draws to come
    };

    ResultRows() = default;
    explicit ResultRows(const BookCheck& check);

    int size() const { return m_firstRows.isEmpty() ? 0 : m_firstRows.last(); }
    // `row` must be below size().
    Row at(int row) const;

private:
    QList<int> m_firstRows; // each ticket's first row, then the row after the last ticket's
    QList<int> m_checked; // each ticket's checked draws
};

// How the `n`th number of a ticket (its main numbers, then its own pool's) matched at a draw.
enum class NumberMatch { None, Main, Extra };
// A main number drawn is a Main match; an own pool's number drawn, or the bonus ball among the
// main numbers, an Extra one.
NumberMatch MatchOf(const Ticket& ticket, const DrawCheck& draw, int n);
