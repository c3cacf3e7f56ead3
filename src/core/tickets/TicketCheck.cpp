// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "TicketCheck.h"

#include "core/draws/DrawStore.h"

#include <algorithm>
#include <map>
#include <numeric>

void MatchTicket(const QList<int>& main, const QList<int>& extra, const LotteryShape& shape,
                 std::span<const std::int16_t> drawn, QList<int>& mainMatched,
                 QList<int>& extraMatched)
{
    mainMatched.clear();
    extraMatched.clear();
    const int k = std::min<int>(shape.numbersPerDraw, int(drawn.size()));
    const int e = std::min<int>(shape.extraNumbers, int(drawn.size()) - k);
    const auto drawnMain = drawn.first(std::size_t(k));
    const auto drawnExtra = drawn.subspan(std::size_t(k), std::size_t(std::max(e, 0)));
    const auto in = [](std::span<const std::int16_t> numbers, int n) {
        return std::find(numbers.begin(), numbers.end(), n) != numbers.end();
    };
    for (const int n : main) {
        if (in(drawnMain, n))
            mainMatched.append(n);
        // A bonus ball is drawn from the main pool: the ticket holds it among its main numbers.
        else if (!shape.hasOwnPool() && in(drawnExtra, n))
            extraMatched.append(n);
    }
    if (shape.hasOwnPool())
        for (const int n : extra)
            if (in(drawnExtra, n))
                extraMatched.append(n);
}

BookCheck CheckTickets(const TicketBook& book, const LotteryShape& shape,
                       const DrawRecords& records)
{
    // The draws in date order; draws of one date in the order they were entered.
    std::vector<int> order(std::size_t(records.size()));
    std::iota(order.begin(), order.end(), 1);
    std::vector<qint64> days(order.size() + 1);
    for (const int r : order)
        days[std::size_t(r)] = records.date(r).toJulianDay();
    std::stable_sort(order.begin(), order.end(),
                     [&days](int a, int b) { return days[std::size_t(a)] < days[std::size_t(b)]; });

    BookCheck check;
    std::map<int, DrawTotal> totals; // by position in `order`
    for (const Ticket& ticket : book.tickets) {
        TicketCheck result;
        const qint64 first = ticket.firstDraw.toJulianDay();
        auto at = std::lower_bound(order.begin(), order.end(), first, [&days](int r, qint64 day) {
            return days[std::size_t(r)] < day;
        });
        for (int played = 0; played < ticket.draws; ++played, ++at) {
            if (at == order.end()) {
                result.pending = ticket.draws - played;
                break;
            }
            DrawCheck draw;
            draw.record = *at;
            draw.date = records.date(*at);
            MatchTicket(ticket.main, ticket.extra, shape, records.numbers(*at), draw.mainMatched,
                        draw.extraMatched);
            draw.prizeRow = book.prizes.winningRow(int(draw.mainMatched.size()),
                                                   int(draw.extraMatched.size()));
            if (draw.prizeRow) {
                const PrizeRow& row = book.prizes.rows[*draw.prizeRow];
                draw.amount = row.amount ? row.amount : book.publishedAmount(draw.date, row.tier);
            }
            DrawTotal& total = totals[int(at - order.begin())];
            total.record = draw.record;
            total.date = draw.date;
            ++total.tickets;
            total.spent += ticket.price;
            total.won += draw.amount.value_or(0);
            total.wins += draw.won() ? 1 : 0;
            total.awaiting += draw.awaitsAmount() ? 1 : 0;
            result.draws.append(draw);
        }
        check.totals.pending += result.pending;
        check.totals.pendingSpent += result.pending * ticket.price;
        check.tickets.append(result);
    }
    for (const auto& [position, total] : totals) {
        check.draws.append(total);
        check.totals.spent += total.spent;
        check.totals.won += total.won;
        check.totals.awaiting += total.awaiting;
    }
    return check;
}

BookCheck CheckTickets(const TicketBook& book, const DrawStore& store)
{
    return CheckTickets(book, store.shape(), store.records());
}
