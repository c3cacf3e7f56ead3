// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "CheckCommand.h"

#include "core/cli/CommandFiles.h"
#include "core/common/CsvWriter.h"
#include "core/common/FileFields.h"
#include "core/common/RegularFile.h"
#include "core/common/SaveFile.h"
#include "core/common/TextFormat.h"
#include "core/draws/DrawFile.h"
#include "core/tickets/PrizeTable.h"
#include "core/tickets/TicketCheck.h"
#include "core/tickets/TicketLines.h"
#include "core/tracker/TrackerFile.h"

#include <QCommandLineParser>
#include <QFile>

#include <algorithm>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

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
    for (const auto& [name, date] : {std::pair {QStringLiteral("from"), &request.from},
                                     std::pair {QStringLiteral("to"), &request.to}}) {
        if (!parser.isSet(name))
            continue;
        const QString text = parser.value(name);
        // Year-month-day alone, the same in every locale, as the results write dates.
        *date = text.size() == 10 ? QDate::fromString(text, Qt::ISODate) : QDate();
        if (!date->isValid())
            return QStringLiteral("--%1 takes a date such as 2025-11-15, not \"%2\".")
                .arg(name, ShownText(text, 40));
    }
    if (request.from.isValid() && request.to.isValid() && request.from > request.to)
        return QStringLiteral("--from %1 is after --to %2.")
            .arg(request.from.toString(Qt::ISODate), request.to.toString(Qt::ISODate));
    return {};
}

// The tickets read, held compactly: a file of millions of tickets is checked against every draw,
// so each ticket costs its numbers and its line number and no more.
class TicketList {
public:
    explicit TicketList(const LotteryShape& shape)
        : m_main(std::size_t(shape.numbersPerDraw))
        , m_width(m_main + std::size_t(shape.ownPoolNumbers()))
    {
    }

    void append(const TicketLines::Numbers& ticket)
    {
        m_numbers.insert(m_numbers.end(), ticket.main.begin(), ticket.main.end());
        m_numbers.insert(m_numbers.end(), ticket.extra.begin(), ticket.extra.end());
        m_lines.push_back(ticket.line);
    }
    std::size_t size() const { return m_lines.size(); }
    int line(std::size_t i) const { return m_lines[i]; }
    // The main numbers of ticket `i`, then its extra ones.
    std::span<const std::int16_t> numbers(std::size_t i) const
    {
        return std::span(m_numbers).subspan(i * m_width, m_width);
    }
    std::size_t mainCount() const { return m_main; }

private:
    std::size_t m_main;
    std::size_t m_width;
    std::vector<std::int16_t> m_numbers;
    std::vector<int> m_lines;
};

// `list` holding `numbers`, in the room it has already.
void setNumbers(QList<int>& list, std::span<const std::int16_t> numbers)
{
    list.resize(qsizetype(numbers.size()));
    std::copy(numbers.begin(), numbers.end(), list.begin());
}

// A ticket's numbers as one CSV field: as TicketLines::Text writes them ("1,2,3,4,5 + 26"),
// quoted when they hold a comma, as CsvWriter::text quotes. Written digit by digit: it is made
// once per draw and ticket, and a text per number would cost more than the check itself.
void setNumbersField(QByteArray& field, std::span<const std::int16_t> numbers, std::size_t main)
{
    const bool quoted = main > 1 || numbers.size() - main > 1;
    field.clear();
    if (quoted)
        field += '"';
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (i == main)
            field += " + ";
        else if (i > 0)
            field += ',';
        char digits[8];
        int count = 0;
        for (int n = numbers[i]; count == 0 || n > 0; n /= 10)
            digits[count++] = char('0' + n % 10);
        while (count > 0)
            field += digits[--count];
    }
    if (quoted)
        field += '"';
}

// The tier and prize fields of each match: the preset table's row, its tier named as the
// tickets window names it, and its amount when fixed (a pari-mutuel amount is published later).
class PrizeFields {
public:
    explicit PrizeFields(const LotteryShape& shape) : m_table(PresetPrizeTable(shape)) { }

    const std::pair<QByteArray, QByteArray>& at(qsizetype main, qsizetype extra)
    {
        const auto [entry, added] = m_fields.try_emplace({int(main), int(extra)});
        if (!added)
            return entry->second;
        if (const std::optional<int> row = m_table.winningRow(int(main), int(extra))) {
            const PrizeRow& prize = m_table.rows[*row];
            CsvWriter tier;
            tier.text(prize.tier.isEmpty() ? QStringLiteral("won") : prize.tier);
            entry->second.first = tier.bytes();
            if (prize.amount)
                entry->second.second = TrackerFile::UnitsText(*prize.amount).toUtf8();
        }
        return entry->second;
    }

private:
    PrizeTable m_table;
    std::map<std::pair<int, int>, std::pair<QByteArray, QByteArray>> m_fields;
};

} // namespace

QString CheckCommand::name() const
{
    return QStringLiteral("check");
}

QString CheckCommand::description() const
{
    return QStringLiteral(
        "Checks the tickets in <file> (one a line, the numbers separated by commas, extra numbers after a +) against every draw of the draw database given by --draws, and writes to the CSV file given by --output a header and one line per draw and ticket: the draw's date, the ticket's line number, the main numbers and the extra numbers matched, the ticket's numbers, the prize tier won and its amount when the game fixes it (empty when the tier is pari-mutuel). In a game with a bonus ball, \"Extra matched\" counts the bonus ball among the ticket's numbers. A ticket of another game than the draws is refused. Without a window.");
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
        QCommandLineOption(
            QStringLiteral("from"),
            QStringLiteral(
                "With --check: only the draws on or after this date (year-month-day, such as 2025-11-15)."),
            QStringLiteral("date")),
        QCommandLineOption(
            QStringLiteral("to"),
            QStringLiteral("With --check: only the draws on or before this date (year-month-day)."),
            QStringLiteral("date")),
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

    // The whole file, a line at a time: only the tickets' numbers are kept.
    QFile ticketFile(request.tickets);
    if (!OpenRegularFile(ticketFile))
        return failed(QStringLiteral("cannot read %1: %2")
                          .arg(request.tickets, UnopenedReason(request.tickets)));
    TicketLines::Reader reader(ticketFile, shape);
    TicketList tickets(shape);
    while (const std::optional<TicketLines::Numbers> ticket = reader.next())
        tickets.append(*ticket);
    if (!reader.error().isEmpty())
        return failed(
            QStringLiteral("%1: %2 The draws in %3 are of %4. Nothing was written.")
                .arg(request.tickets, reader.error(), request.drawFile, ShapeName(shape)));
    if (tickets.size() == 0)
        return failed(
            QStringLiteral("%1 holds no ticket. Nothing was written.").arg(request.tickets));

    // The draws asked for, oldest first; draws of one date in the order they were entered.
    const DrawRecords& records = draws.content.records;
    std::vector<int> order;
    for (int record = 1; record <= records.size(); ++record) {
        const QDate date = records.date(record);
        if ((!request.from.isValid() || date >= request.from)
            && (!request.to.isValid() || date <= request.to))
            order.push_back(record);
    }
    std::stable_sort(order.begin(), order.end(),
                     [&records](int a, int b) { return records.date(a) < records.date(b); });

    // Written as it is made, in pieces of about a megabyte: the result grows with the tickets
    // times the draws, far beyond what memory holds.
    const auto write = [&](QIODevice& file) {
        constexpr qsizetype Piece = 1 << 20;
        CsvWriter csv;
        for (const char* title : {"Draw date", "Ticket line", "Main matched", "Extra matched",
                                  "Numbers", "Tier", "Prize"})
            csv.text(QLatin1String(title));
        csv.endLine();
        PrizeFields prizes(shape);
        QList<int> main;
        QList<int> extra;
        QList<int> mainMatched;
        QList<int> extraMatched;
        QByteArray numbersField;
        for (const int record : order) {
            const QByteArray date = records.date(record).toString(Qt::ISODate).toLatin1();
            const std::span<const std::int16_t> drawn = records.numbers(record);
            for (std::size_t t = 0; t < tickets.size(); ++t) {
                const std::span<const std::int16_t> numbers = tickets.numbers(t);
                setNumbers(main, numbers.first(tickets.mainCount()));
                setNumbers(extra, numbers.subspan(tickets.mainCount()));
                MatchTicket(main, extra, shape, drawn, mainMatched, extraMatched);
                const auto& [tier, prize] = prizes.at(mainMatched.size(), extraMatched.size());
                setNumbersField(numbersField, numbers, tickets.mainCount());
                csv.plain(date);
                csv.number(tickets.line(t));
                csv.number(mainMatched.size());
                csv.number(extraMatched.size());
                csv.plain(numbersField);
                csv.plain(tier);
                csv.plain(prize);
                csv.endLine();
                if (csv.bytes().size() >= Piece) {
                    if (!WriteFileBytes(file, csv.bytes()))
                        return false;
                    csv = CsvWriter();
                    csv.reserve(Piece + 1024);
                }
            }
        }
        return WriteFileBytes(file, csv.bytes());
    };
    QString reason;
    if (!SaveFileAtomicallyInPieces(request.output, write, &reason))
        return failed(QStringLiteral("cannot write %1: %2. Nothing was written.")
                          .arg(request.output, reason));
    result.out = CountText(qsizetype(tickets.size()), "ticket", "tickets")
        + QStringLiteral(" checked against ") + CountText(qsizetype(order.size()), "draw", "draws")
        + QStringLiteral(", written to ") + request.output + u'\n';
    return result;
}
