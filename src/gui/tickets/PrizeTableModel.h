// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QAbstractTableModel>

class TicketBookDocument;

// The book's prize table, one row a prize, every cell editable. A typed cell changes the book
// only when the row it makes is one the table can keep; otherwise the old value stays and
// `refused` says why.
class PrizeTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit PrizeTableModel(TicketBookDocument& book, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

Q_SIGNALS:
    // Connect it queued: the message waits until the editor has closed.
    void refused(const QString& text);

private:
    TicketBookDocument& m_book;
    bool m_taking = false; // a typed cell is being written to the book
};
