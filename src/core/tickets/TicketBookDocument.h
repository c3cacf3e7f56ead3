// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/common/Document.h"
#include "core/tickets/TicketBook.h"
#include "core/tickets/TrackerPosting.h"

#include <functional>

class TrackerDocument;

// The ticket book as a document: it lives while the program runs, and every change to it (tickets
// added or removed, prizes edited, amounts typed, draws posted) goes through its operations, so
// that it knows it changed and the windows that show it follow.
class TicketBookDocument : public Document {
    Q_OBJECT

public:
    explicit TicketBookDocument(QObject* parent = nullptr);

    const TicketBook& book() const { return m_book; }

    // Lets `edit` change the book; it returns whether it changed anything.
    bool change(const std::function<bool(TicketBook&)>& edit);
    // A book without tickets takes the game and title of the draws in memory (see
    // TicketBook::followDraws): that follows the draws, it is no work of the user's.
    void followDraws(const LotteryShape& shape, const QString& title);
    // Posts the checked draws not posted yet to the tracker's sheet (see PostToTracker); both
    // documents change when lines were posted.
    PostResult post(const BookCheck& check, TrackerDocument& tracker);

    QString dropQuestion() const override;
    // The name the first save proposes.
    static inline const QString DefaultFileName = QStringLiteral("My tickets.ltk");

protected:
    bool readFrom(QIODevice& device, QString& reason) override;
    bool writeTo(QIODevice& device, QString& reason) const override;

private:
    TicketBook m_book;
};
