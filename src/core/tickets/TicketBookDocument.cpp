// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "TicketBookDocument.h"

#include "core/tickets/TicketBookFile.h"
#include "core/tracker/TrackerDocument.h"

TicketBookDocument::TicketBookDocument(QObject* parent) : Document(FileKind::Tickets, parent)
{
}

bool TicketBookDocument::change(const std::function<bool(TicketBook&)>& edit)
{
    if (!edit(m_book))
        return false;
    markModified();
    return true;
}

void TicketBookDocument::followDraws(const LotteryShape& shape, const QString& title)
{
    const TicketBook before = m_book;
    m_book.followDraws(shape, title);
    if (!(m_book == before))
        Q_EMIT contentChanged();
}

PostResult TicketBookDocument::post(const BookCheck& check, TrackerDocument& tracker)
{
    PostResult result;
    tracker.change([&](Sheet& sheet) {
        result = PostToTracker(m_book, check, sheet);
        return result.outcome == PostResult::Outcome::Posted;
    });
    if (result.outcome == PostResult::Outcome::Posted)
        markModified();
    return result;
}

QString TicketBookDocument::dropQuestion() const
{
    return QStringLiteral(
        " The tickets in My Tickets will be erased. Do you want to go back and save them?");
}

bool TicketBookDocument::readFrom(QIODevice& device, QString& reason)
{
    TicketBookFile::ReadResult read = TicketBookFile::Read(device);
    if (read.error != TicketBookFile::ReadError::None) {
        reason = TicketBookFile::ReasonText(read.error);
        return false;
    }
    m_book = std::move(read.book);
    Q_EMIT contentChanged();
    return true;
}

bool TicketBookDocument::writeTo(QIODevice& device, QString& /*reason*/) const
{
    return TicketBookFile::Write(m_book, device);
}
