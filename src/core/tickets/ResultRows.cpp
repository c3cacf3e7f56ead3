// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "ResultRows.h"

#include <algorithm>

ResultRows::ResultRows(const BookCheck& check)
{
    m_firstRows.reserve(check.tickets.size() + 1);
    m_checked.reserve(check.tickets.size());
    int row = 0;
    for (const TicketCheck& ticket : check.tickets) {
        m_firstRows.append(row);
        m_checked.append(int(ticket.draws.size()));
        row += int(ticket.draws.size()) + (ticket.pending > 0 ? 1 : 0);
    }
    m_firstRows.append(row);
}

ResultRows::Row ResultRows::at(int row) const
{
    // The last ticket starting at or before `row`: tickets without rows start where the next does.
    const auto after = std::upper_bound(m_firstRows.begin(), m_firstRows.end() - 1, row);
    const int ticket = int(after - m_firstRows.begin()) - 1;
    const int draw = row - m_firstRows[ticket];
    return {ticket, draw < m_checked[ticket] ? draw : -1};
}

NumberMatch MatchOf(const Ticket& ticket, const DrawCheck& draw, int n)
{
    const bool own = n >= ticket.main.size();
    const int number = own ? ticket.extra[n - ticket.main.size()] : ticket.main[n];
    if (own)
        return draw.extraMatched.contains(number) ? NumberMatch::Extra : NumberMatch::None;
    if (draw.mainMatched.contains(number))
        return NumberMatch::Main;
    // A bonus ball drawn from the main pool, among the ticket's main numbers; a ticket of a game
    // with an own pool has numbers of it, and its main numbers never match its extra ones.
    return ticket.extra.isEmpty() && draw.extraMatched.contains(number) ? NumberMatch::Extra
                                                                        : NumberMatch::None;
}
