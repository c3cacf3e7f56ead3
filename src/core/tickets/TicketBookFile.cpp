// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "TicketBookFile.h"

#include "core/common/FileFields.h"
#include "core/common/TextFormat.h"
#include "core/draws/LotteryShape.h"
#include "core/tracker/TrackerFile.h"

#include <QIODevice>

namespace TicketBookFile {

namespace {

ReadResult failed(ReadError error)
{
    return ReadResult {error, {}};
}

std::optional<long long> readAmount(FileFieldReader& reader)
{
    const std::optional<QString> text = reader.readText();
    if (!text)
        return std::nullopt;
    return ParseAmount(*text);
}

// A whole number within low..high, or nothing.
std::optional<int> readWithin(FileFieldReader& reader, long long low, long long high)
{
    long long value = 0;
    if (!reader.readWhole(value) || value < low || value > high)
        return std::nullopt;
    return int(value);
}

bool readTicket(FileFieldReader& reader, const TicketBook& book, Ticket& ticket)
{
    const int extras = book.shape.ownPoolNumbers();
    if (!reader.readDate(ticket.firstDraw) || reader.lineEnded())
        return false;
    const std::optional<int> draws = readWithin(reader, 1, Ticket::MaxDraws);
    const std::optional<long long> price = draws ? readAmount(reader) : std::nullopt;
    if (!price || reader.lineEnded())
        return false;
    ticket.draws = *draws;
    ticket.price = *price;
    for (int i = 0; i < book.shape.numbersPerDraw + extras; ++i) {
        const std::optional<int> number = readWithin(reader, 0, LotteryShape::MaxHighestNumber);
        const bool last = i + 1 == book.shape.numbersPerDraw + extras;
        if (!number || reader.lineEnded() != last)
            return false;
        (i < book.shape.numbersPerDraw ? ticket.main : ticket.extra).append(*number);
    }
    return book.fits(ticket);
}

bool readPrize(FileFieldReader& reader, const TicketBook& book, PrizeRow& row)
{
    const std::optional<int> main = readWithin(reader, 0, LotteryShape::MaxNumbersPerDraw);
    const std::optional<int> extra = main && !reader.lineEnded()
        ? readWithin(reader, 0, LotteryShape::MaxExtraNumbers)
        : std::nullopt;
    const std::optional<QString> tier
        = extra && !reader.lineEnded() ? reader.readText() : std::nullopt;
    if (!tier || reader.lineEnded() || *tier != CleanTierName(*tier))
        return false;
    row = {*main, *extra, *tier, std::nullopt};
    const std::optional<QString> amount = reader.readText();
    if (!amount)
        return false;
    if (!amount->isEmpty() && !(row.amount = ParseAmount(*amount)))
        return false;
    return reader.lineEnded() && book.prizes.rows.size() < PrizeTable::MaxRows
        && book.prizes.check(row, book.shape, -1, PrizeTable::Names::Any).isEmpty();
}

} // namespace

QByteArray Bytes(const TicketBook& book)
{
    FileFieldWriter writer;
    writer.addText(QLatin1String(Mark));
    writer.addNumber(Form);
    ShapeFields::Write(writer, book.shape);
    writer.addText(FileSafeText(book.drawTitle));
    writer.addNumber(book.tickets.size());
    writer.addNumber(book.prizes.rows.size());
    writer.addNumber(qsizetype(book.published.size()));
    writer.addNumber(book.posted.size());
    writer.endLine();
    for (const Ticket& ticket : book.tickets) {
        writer.addDate(ticket.firstDraw);
        writer.addNumber(ticket.draws);
        writer.addPlain(TrackerFile::UnitsText(ticket.price));
        for (const int n : ticket.main)
            writer.addNumber(n);
        for (const int n : ticket.extra)
            writer.addNumber(n);
        writer.endLine();
    }
    for (const PrizeRow& row : book.prizes.rows) {
        writer.addNumber(row.main);
        writer.addNumber(row.extra);
        writer.addText(CleanTierName(row.tier));
        writer.addPlain(row.amount ? TrackerFile::UnitsText(*row.amount) : QString());
        writer.endLine();
    }
    for (const auto& [key, amount] : book.published) {
        writer.addDate(key.first);
        writer.addText(CleanTierName(key.second));
        writer.addPlain(TrackerFile::UnitsText(amount));
        writer.endLine();
    }
    for (const QDate& date : book.posted) {
        writer.addDate(date);
        writer.endLine();
    }
    return writer.bytes();
}

bool Write(const TicketBook& book, QIODevice& device)
{
    return WriteFileBytes(device, Bytes(book));
}

QString ReasonText(ReadError error)
{
    switch (error) {
    case ReadError::None:
        return QString();
    case ReadError::Unreadable:
        return QStringLiteral("It cannot be read, or it is larger than a ticket book can be.");
    case ReadError::NewerForm:
        return QStringLiteral("It was written by a newer version of the program.");
    case ReadError::NotATicketBook:
        return QStringLiteral("It is no ticket book.");
    case ReadError::BadLine:
        break;
    }
    return QStringLiteral("It is no ticket book: a line is not what its header announces.");
}

ReadResult Read(QIODevice& device)
{
    const std::optional<QByteArray> bytes = ReadFileBytes(device, MaxFileBytes);
    if (!bytes)
        return failed(ReadError::Unreadable);
    FileFieldReader reader(*bytes);
    const std::optional<QString> mark = reader.readText();
    if (!mark || *mark != QLatin1String(Mark) || reader.lineEnded())
        return failed(ReadError::NotATicketBook);
    long long form = 0;
    if (!reader.readWhole(form) || form < 1)
        return failed(ReadError::NotATicketBook);
    if (form > Form)
        return failed(ReadError::NewerForm);

    ReadResult result;
    TicketBook& book = result.book;
    const std::optional<LotteryShape> shape = ShapeFields::Read(reader);
    const std::optional<QString> title = shape ? reader.readText() : std::nullopt;
    std::optional<int> counts[4];
    const int limits[4] = {TicketBook::MaxTickets, PrizeTable::MaxRows, 1'000'000, 1'000'000};
    for (int i = 0; i < 4; ++i)
        counts[i] = readWithin(reader, 0, limits[i]);
    if (!title || *title != FileSafeText(*title) || !counts[0] || !counts[1] || !counts[2]
        || !counts[3] || !reader.lineEnded())
        return failed(ReadError::NotATicketBook);
    book.shape = *shape;
    book.drawTitle = *title;

    for (int i = 0; i < *counts[0]; ++i) {
        Ticket ticket;
        if (!readTicket(reader, book, ticket))
            return failed(ReadError::BadLine);
        book.tickets.append(ticket);
    }
    for (int i = 0; i < *counts[1]; ++i) {
        PrizeRow row;
        if (!readPrize(reader, book, row))
            return failed(ReadError::BadLine);
        book.prizes.rows.append(row);
    }
    for (int i = 0; i < *counts[2]; ++i) {
        QDate date;
        if (!reader.readDate(date) || !IsStorableDate(date) || reader.lineEnded())
            return failed(ReadError::BadLine);
        const std::optional<QString> tier = reader.readText();
        if (!tier || reader.lineEnded() || *tier != CleanTierName(*tier) || tier->isEmpty())
            return failed(ReadError::BadLine);
        const std::optional<long long> amount = readAmount(reader);
        if (!amount || *amount < 0 || !reader.lineEnded()
            || !book.published.emplace(std::pair {date, *tier}, *amount).second)
            return failed(ReadError::BadLine);
    }
    for (int i = 0; i < *counts[3]; ++i) {
        QDate date;
        if (!reader.readDate(date) || !IsStorableDate(date) || !reader.lineEnded()
            || (!book.posted.isEmpty() && book.posted.last() >= date))
            return failed(ReadError::BadLine);
        book.posted.append(date);
    }
    if (!reader.atEnd())
        return failed(ReadError::BadLine);
    return result;
}

} // namespace TicketBookFile
