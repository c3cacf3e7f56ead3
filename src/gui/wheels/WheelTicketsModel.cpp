// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "WheelTicketsModel.h"

void WheelTicketsModel::setTickets(const QList<QList<int>>& tickets, int ticketSize)
{
    beginResetModel();
    m_tickets = tickets;
    m_columns = ticketSize;
    endResetModel();
}

int WheelTicketsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_tickets.size());
}

int WheelTicketsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_columns;
}

QVariant WheelTicketsModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const QList<int>& ticket = m_tickets[index.row()];
    if (role == Qt::DisplayRole && index.column() < ticket.size())
        return ticket[index.column()];
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

QVariant WheelTicketsModel::headerData(int section, Qt::Orientation, int role) const
{
    return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
}
