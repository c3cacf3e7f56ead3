// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
// Feeds arbitrary bytes to the ticket book reader. Whatever it accepts must check against draws,
// and once saved must open again to the same book and the same saved form.
#include "core/tickets/TicketBookFile.h"
#include "core/tickets/TicketCheck.h"

#include <QBuffer>

#include <cstdlib>

namespace {

TicketBookFile::ReadResult readAll(QByteArray& bytes)
{
    QBuffer input(&bytes);
    input.open(QIODevice::ReadOnly);
    return TicketBookFile::Read(input);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes
        = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const TicketBookFile::ReadResult read = readAll(bytes);
    if (read.error != TicketBookFile::ReadError::None)
        return 0;

    // Every ticket checked against a draw of every number of its game.
    DrawRecords records(read.book.shape.drawnNumbers());
    std::vector<int> drawn;
    for (int n = 1; n <= read.book.shape.drawnNumbers(); ++n)
        drawn.push_back(n);
    records.append(QDate(2026, 1, 3), drawn);
    const BookCheck check = CheckTickets(read.book, read.book.shape, records);
    if (check.tickets.size() != read.book.tickets.size())
        std::abort();

    QByteArray saved = TicketBookFile::Bytes(read.book);
    const TicketBookFile::ReadResult reread = readAll(saved);
    if (reread.error != TicketBookFile::ReadError::None || !(reread.book == read.book)
        || TicketBookFile::Bytes(reread.book) != saved)
        std::abort();
    return 0;
}
