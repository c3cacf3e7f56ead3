// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QAbstractTableModel>
#include <QList>

// The tickets of the wheel shown, one row each, numbered from 1; only the rows in view are ever
// formatted. A new wheel resets it once.
class WheelTicketsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void setTickets(const QList<QList<int>>& tickets, int ticketSize);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<QList<int>> m_tickets;
    int m_columns = 0;
};
