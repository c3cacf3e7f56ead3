// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "TicketBook.h"

#include "core/common/TextFormat.h"
#include "core/tracker/Money.h"

#include <algorithm>

namespace {

bool distinctWithin(QList<int> numbers, int low, int high)
{
    std::sort(numbers.begin(), numbers.end());
    return std::adjacent_find(numbers.begin(), numbers.end()) == numbers.end()
        && std::all_of(numbers.begin(), numbers.end(),
                       [&](int n) { return n >= low && n <= high; });
}

constexpr long long MaxPrice = 1'000'000'000'000LL * 10000;

} // namespace

TicketBook TicketBook::ForShape(const LotteryShape& shape)
{
    TicketBook book;
    book.shape = shape.clamped();
    book.prizes = PresetPrizeTable(book.shape);
    return book;
}

void TicketBook::followDraws(const LotteryShape& drawShape, const QString& title)
{
    if (tickets.isEmpty() && (shape != drawShape || prizes.rows.isEmpty())) {
        shape = drawShape.clamped();
        prizes = PresetPrizeTable(shape);
        published.clear();
    }
    if (drawTitle.isEmpty())
        drawTitle = FileSafeText(title);
}

bool TicketBook::fits(const Ticket& ticket) const
{
    const int extras = shape.ownPoolNumbers();
    return ticket.main.size() == shape.numbersPerDraw
        && distinctWithin(ticket.main, 1, shape.highestNumber) && ticket.extra.size() == extras
        && distinctWithin(ticket.extra, shape.extraLowest, shape.extraHighest)
        && std::is_sorted(ticket.main.begin(), ticket.main.end())
        && std::is_sorted(ticket.extra.begin(), ticket.extra.end())
        && IsStorableDate(ticket.firstDraw) && ticket.draws >= 1 && ticket.draws <= Ticket::MaxDraws
        && ticket.price >= 0 && ticket.price < MaxPrice;
}

bool TicketBook::addTickets(const QList<QList<int>>& numbers, const QList<QList<int>>& extras,
                            const QDate& firstDraw, int draws, long long price)
{
    if (tickets.size() + numbers.size() > MaxTickets)
        return false;
    QList<Ticket> added;
    for (qsizetype i = 0; i < numbers.size(); ++i) {
        Ticket ticket {numbers[i], i < extras.size() ? extras[i] : QList<int>(), firstDraw, draws,
                       price};
        std::sort(ticket.main.begin(), ticket.main.end());
        std::sort(ticket.extra.begin(), ticket.extra.end());
        if (!fits(ticket))
            return false;
        added.append(ticket);
    }
    tickets += added;
    return true;
}

bool TicketBook::isPosted(const QDate& date) const
{
    return std::binary_search(posted.begin(), posted.end(), date);
}

void TicketBook::markPosted(const QDate& date)
{
    const auto at = std::lower_bound(posted.begin(), posted.end(), date);
    if (at == posted.end() || *at != date)
        posted.insert(at, date);
}

std::optional<long long> TicketBook::publishedAmount(const QDate& date, const QString& tier) const
{
    const auto found = published.find({date, tier});
    if (found == published.end())
        return std::nullopt;
    return found->second;
}

std::optional<long long> ParseAmount(const QString& typed)
{
    // Anything beyond Latin-1 turns into '?', which no amount holds.
    return Money::ExactUnits(typed.trimmed().toLatin1(), 12);
}
