// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "CheckCommand.h"

#include "core/cli/CommandFiles.h"
#include "core/common/CsvWriter.h"
#include "core/common/RegularFile.h"
#include "core/common/SaveFile.h"
#include "core/common/TextFormat.h"
#include "core/draws/DrawFile.h"
#include "core/tickets/TicketCheck.h"
#include "core/tickets/TicketLines.h"

#include <QCommandLineParser>
#include <QFile>

#include <algorithm>
#include <numeric>

namespace {

// Fills `request` from the options of --check; what is wrong with them, or nothing.
QString readCheckRequest(const QCommandLineParser& parser, CommandLine::CheckRequest& request)
{
    if (!parser.positionalArguments().isEmpty())
        return QStringLiteral("--check opens no file: write to the one --output names.");
    if (!parser.isSet(QStringLiteral("draws")) || !parser.isSet(QStringLiteral("output")))
        return QStringLiteral("--check needs --draws and --output.");
    request.tickets = parser.value(QStringLiteral("check"));
    request.drawFile = parser.value(QStringLiteral("draws"));
    request.output = parser.value(QStringLiteral("output"));
    if (request.tickets.isEmpty() || request.drawFile.isEmpty() || request.output.isEmpty())
        return QStringLiteral("the file name is empty.");
    return {};
}

} // namespace

QString CheckCommand::name() const
{
    return QStringLiteral("check");
}

QString CheckCommand::description() const
{
    return QStringLiteral(
        "Checks the tickets in <file> (one a line, the numbers separated by commas, extra numbers after a +) against every draw of the draw database given by --draws, and writes to the CSV file given by --output a header and one line per draw and ticket: the draw's date, the ticket's line number, the main numbers and the extra numbers matched. Without a window.");
}

QString CheckCommand::valueName() const
{
    return QStringLiteral("file");
}

QList<QCommandLineOption> CheckCommand::options() const
{
    return {
        QCommandLineOption(
            QStringLiteral("draws"),
            QStringLiteral(
                "With --check: the draw database (.lto) the tickets are checked against."),
            QStringLiteral("file")),
        OutputOption(),
    };
}

QString CheckCommand::read(const QCommandLineParser& parser, CommandLine& line) const
{
    return readCheckRequest(parser, line.check);
}

CommandResult CheckCommand::execute(const CommandLine& line, const QDate&) const
{
    const CommandLine::CheckRequest& request = line.check;
    const QString& program = line.program;
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
    CsvWriter csv;
    for (const char* title : {"Draw date", "Ticket line", "Main matched", "Extra matched"})
        csv.text(QLatin1String(title));
    csv.endLine();
    QList<int> mainMatched;
    QList<int> extraMatched;
    for (const int record : order) {
        const QByteArray date = records.date(record).toString(Qt::ISODate).toLatin1();
        for (const TicketLines::Numbers& ticket : tickets.tickets) {
            MatchTicket(ticket.main, ticket.extra, shape, records.numbers(record), mainMatched,
                        extraMatched);
            csv.plain(date);
            csv.number(ticket.line);
            csv.number(mainMatched.size());
            csv.number(extraMatched.size());
            csv.endLine();
        }
    }
    QString reason;
    if (!SaveFileAtomically(request.output, csv.bytes(), &reason))
        return failed(QStringLiteral("cannot write %1: %2").arg(request.output, reason));
    result.out = CountText(tickets.tickets.size(), "ticket", "tickets")
        + QStringLiteral(" checked against ") + CountText(records.size(), "draw", "draws")
        + QStringLiteral(", written to ") + request.output + u'\n';
    return result;
}
