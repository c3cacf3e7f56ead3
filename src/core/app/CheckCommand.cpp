// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "CheckCommand.h"

#include "core/app/CommandFiles.h"
#include "core/common/RegularFile.h"
#include "core/common/SaveFile.h"
#include "core/draws/DrawFile.h"
#include "core/draws/ImportView.h"
#include "core/tickets/TicketCheck.h"
#include "core/tickets/TicketLines.h"

#include <QFile>

#include <algorithm>
#include <numeric>

CommandResult RunCheckCommand(const CommandLine::CheckRequest& request, const QString& program)
{
    CommandResult result;
    const auto failed = [&](const QString& message) { return result.failed(program, message); };
    for (const QString& input : {request.tickets, request.drawFile})
        if (SameFile(input, request.output))
            return failed(
                QStringLiteral("%1 is a file read: it would be lost. Nothing was written.")
                    .arg(request.output));

    QString error;
    const DrawFile::ReadResult draws = ReadDrawFileForCommand(request.drawFile, error);
    if (draws.error != DrawFile::ReadError::None)
        return failed(error);
    const LotteryShape shape = draws.content.shape.clamped();

    QFile ticketFile(request.tickets);
    if (!OpenRegularFile(ticketFile))
        return failed(QStringLiteral("cannot read %1: %2")
                          .arg(request.tickets, UnopenedReason(request.tickets)));
    const QByteArray ticketBytes = ticketFile.read(qint64(16) << 20);
    const TicketLines::Result tickets = TicketLines::Parse(QString::fromUtf8(ticketBytes), shape);
    if (!tickets.errors.isEmpty())
        return failed(QStringLiteral("%1: %2 (a ticket of %3). Nothing was written.")
                          .arg(request.tickets, tickets.errors.first(), ShapeName(shape)));
    if (tickets.tickets.isEmpty())
        return failed(
            QStringLiteral("%1 holds no ticket. Nothing was written.").arg(request.tickets));

    const DrawRecords& records = draws.content.records;
    std::vector<int> order(std::size_t(records.size()));
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(),
                     [&records](int a, int b) { return records.date(a) < records.date(b); });
    QByteArray csv = "Draw date,Ticket line,Main matched,Extra matched\r\n";
    QList<int> mainMatched;
    QList<int> extraMatched;
    for (const int record : order) {
        const QByteArray date = records.date(record).toString(Qt::ISODate).toLatin1();
        for (const TicketLines::Numbers& ticket : tickets.tickets) {
            MatchTicket(ticket.main, ticket.extra, shape, records.numbers(record), mainMatched,
                        extraMatched);
            csv += date + ',' + QByteArray::number(ticket.line) + ','
                + QByteArray::number(mainMatched.size()) + ','
                + QByteArray::number(extraMatched.size()) + "\r\n";
        }
    }
    QString reason;
    if (!SaveFileAtomically(request.output, csv, &reason))
        return failed(QStringLiteral("cannot write %1: %2").arg(request.output, reason));
    const auto count = [](qsizetype n, const char* one, const char* many) {
        return n == 1 ? QStringLiteral("1 %1").arg(QLatin1String(one))
                      : QStringLiteral("%1 %2").arg(n).arg(QLatin1String(many));
    };
    result.out = count(tickets.tickets.size(), "ticket", "tickets")
        + QStringLiteral(" checked against ") + count(records.size(), "draw", "draws")
        + QStringLiteral(", written to ") + request.output + u'\n';
    return result;
}
