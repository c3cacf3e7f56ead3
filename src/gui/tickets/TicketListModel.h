// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QAbstractTableModel>

class TicketBookDocument;

// The tickets of the book, one a row: numbers, first draw, draws, price. It follows the book.
class TicketListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit TicketListModel(const TicketBookDocument& book, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const TicketBookDocument& m_book;
};
