// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "TicketsPrintout.h"

#include "core/common/PrintColumns.h"
#include "core/common/TextFormat.h"
#include "core/tickets/TicketLines.h"
#include "core/tracker/Money.h"

#include <algorithm>

QString AmountText(long long tenThousandths)
{
    return Money::FormatTotalUnits(tenThousandths);
}

namespace {

QString numbersText(const QList<int>& numbers)
{
    QStringList words;
    for (const int n : numbers)
        words.append(QString::number(n));
    return words.join(u' ');
}

} // namespace

Printout TicketsPrintout(const TicketBook& book, const BookCheck& check, int linesPerPage)
{
    linesPerPage = std::max(linesPerPage, 12);
    PrintoutWriter writer;
    int lines = 0;
    const auto line = [&](int column, const QString& text) {
        if (lines >= linesPerPage - 2) {
            writer.endLine();
            writer.printLine(40, QStringLiteral("Page ") + QString::number(writer.pageNumber()));
            writer.newPage();
            lines = 0;
        }
        writer.printLine(column, PrintColumns::left(text, PrintableColumns - column + 1));
        ++lines;
    };
    const QString heading = book.drawTitle.isEmpty()
        ? QStringLiteral("My tickets")
        : QStringLiteral("My tickets in ") + book.drawTitle + QStringLiteral(" Draw");
    writer.endLine();
    writer.endLine();
    lines = 2;
    line(5, heading);
    line(5, QString(PrintColumns::width(heading), u'_'));

    for (qsizetype t = 0; t < book.tickets.size(); ++t) {
        const Ticket& ticket = book.tickets[t];
        const TicketCheck& result = check.tickets.value(t);
        line(1, QString());
        line(5,
             QStringLiteral("%1. %2   from %3, %4 at %5")
                 .arg(t + 1)
                 .arg(TicketLines::Text(ticket.main, ticket.extra),
                      FormatShortDate(ticket.firstDraw), CountText(ticket.draws, "draw", "draws"),
                      AmountText(ticket.price)));
        for (const DrawCheck& draw : result.draws) {
            QString text = RightAlign(12, FormatShortDate(draw.date)) + QStringLiteral("  ")
                + MatchText(int(draw.mainMatched.size()), int(draw.extraMatched.size()), book.shape)
                + QStringLiteral(" matched");
            if (!draw.mainMatched.isEmpty() || !draw.extraMatched.isEmpty())
                text += QStringLiteral(": ") + numbersText(draw.mainMatched)
                    + (draw.extraMatched.isEmpty()
                           ? QString()
                           : QStringLiteral(" + ") + numbersText(draw.extraMatched));
            if (draw.won()) {
                const PrizeRow& row = book.prizes.rows[*draw.prizeRow];
                text += QStringLiteral("  ")
                    + (row.tier.isEmpty() ? QStringLiteral("won") : row.tier) + QStringLiteral("  ")
                    + (draw.amount ? AmountText(*draw.amount)
                                   : QStringLiteral("amount not typed in"));
            }
            line(7, text);
        }
        if (result.pending > 0)
            line(7, CountText(result.pending, "draw pending", "draws pending"));
    }

    line(1, QString());
    line(5,
         QStringLiteral("Per draw") + QString(16, u' ') + QStringLiteral("Tickets")
             + RightAlign(16, QStringLiteral("Spent")) + RightAlign(16, QStringLiteral("Won")));
    for (const DrawTotal& draw : check.draws)
        line(5,
             RightAlign(12, FormatShortDate(draw.date))
                 + RightAlign(19, QString::number(draw.tickets))
                 + RightAlign(16, AmountText(draw.spent)) + RightAlign(16, AmountText(draw.won))
                 + (draw.awaiting > 0 ? QStringLiteral(" + amounts to come") : QString()));
    line(1, QString());
    const CheckTotals& totals = check.totals;
    line(5,
         QStringLiteral("Spent ") + AmountText(totals.spent) + QStringLiteral("   Won ")
             + AmountText(totals.won) + QStringLiteral("   Net ") + AmountText(totals.net()));
    if (totals.pending > 0)
        line(5,
             QStringLiteral("Pending: %1 ticket draws, %2")
                 .arg(totals.pending)
                 .arg(AmountText(totals.pendingSpent)));
    return writer.FinishPrintout();
}
