// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "PlayTickets.h"

#include "core/app/SharedState.h"
#include "core/common/TextFormat.h"
#include "core/tickets/TicketLines.h"

QString PlayTickets(SharedState& state, const QList<QList<int>>& main,
                    const QList<QList<int>>& extra, const QDate& today,
                    std::optional<long long> price)
{
    state.Tickets.followDraws(state.Store.shape(), state.Store.Title());
    const TicketBook& book = state.Tickets.book();
    QList<QList<int>> extras;
    for (qsizetype i = 0; i < main.size(); ++i)
        extras.append(book.shape.ownPoolNumbers() > 0 ? extra.value(i) : QList<int>());
    for (qsizetype i = 0; i < main.size(); ++i) {
        QString error;
        if (!TicketLines::ParseLine(TicketLines::Text(main[i], extras[i]), book.shape, &error))
            return QStringLiteral(
                       " No ticket was added: the tickets in My Tickets are of %1, and %2")
                .arg(ShapeName(book.shape), error);
    }
    if (main.isEmpty())
        return QStringLiteral(" There are no numbers to play yet.");
    const QDate next = ProposeNewDate(state.Store, today);
    if (!price)
        price = book.tickets.isEmpty() ? 0 : book.tickets.last().price;
    if (!state.Tickets.change(
            [&](TicketBook& changed) { return changed.addTickets(main, extras, next, 1, *price); }))
        return QStringLiteral(" No ticket was added: My Tickets holds at most %1 tickets.")
            .arg(TicketBook::MaxTickets);
    return (main.size() == 1 ? QStringLiteral(" 1 ticket was added")
                             : QStringLiteral(" %1 tickets were added").arg(main.size()))
        + QStringLiteral(" to My Tickets, playing the draw of %1.").arg(FormatShortDate(next));
}
