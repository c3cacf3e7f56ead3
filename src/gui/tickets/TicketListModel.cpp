// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "TicketListModel.h"

#include "core/common/TextFormat.h"
#include "core/tickets/TicketBookDocument.h"
#include "core/tickets/TicketLines.h"
#include "core/tickets/TicketsPrintout.h"

TicketListModel::TicketListModel(const TicketBookDocument& book, QObject* parent)
    : QAbstractTableModel(parent), m_book(book)
{
    connect(&book, &TicketBookDocument::contentChanged, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

int TicketListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_book.book().tickets.size());
}

int TicketListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 4;
}

QVariant TicketListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const Ticket& ticket = m_book.book().tickets[index.row()];
    switch (index.column()) {
    case 0:
        return TicketLines::Text(ticket.main, ticket.extra);
    case 1:
        return FormatShortDate(ticket.firstDraw);
    case 2:
        return ticket.draws;
    default:
        return AmountText(ticket.price);
    }
}

QVariant TicketListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    static const QString headings[] = {QStringLiteral("Numbers"), QStringLiteral("First draw"),
                                       QStringLiteral("Draws"), QStringLiteral("Price")};
    return section >= 0 && section < 4 ? headings[section] : QString();
}
