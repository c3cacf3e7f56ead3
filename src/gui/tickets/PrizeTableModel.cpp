// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "PrizeTableModel.h"

#include "core/tickets/BookEdits.h"
#include "core/tickets/TicketBookDocument.h"
#include "core/tickets/TicketsPrintout.h"

PrizeTableModel::PrizeTableModel(TicketBookDocument& book, QObject* parent)
    : QAbstractTableModel(parent), m_book(book)
{
    connect(&book, &TicketBookDocument::contentChanged, this, [this] {
        // A cell taken changes its row alone; the editor's row is not reset under it.
        if (m_taking)
            return;
        beginResetModel();
        endResetModel();
    });
}

int PrizeTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_book.book().prizes.rows.size());
}

int PrizeTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 4;
}

QVariant PrizeTableModel::data(const QModelIndex& index, int role) const
{
    if ((role != Qt::DisplayRole && role != Qt::EditRole)
        || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const PrizeRow& row = m_book.book().prizes.rows[index.row()];
    switch (index.column()) {
    case BookEdits::MainColumn:
        return QString::number(row.main);
    case BookEdits::ExtraColumn:
        return QString::number(row.extra);
    case BookEdits::TierColumn:
        return row.tier;
    default:
        return row.amount ? AmountText(*row.amount) : QString();
    }
}

QVariant PrizeTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    static const QString headings[]
        = {QStringLiteral("Main matched"), QStringLiteral("Extra matched"), QStringLiteral("Tier"),
           QStringLiteral("Amount")};
    return section >= 0 && section < 4 ? headings[section] : QString();
}

Qt::ItemFlags PrizeTableModel::flags(const QModelIndex& index) const
{
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

bool PrizeTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    const int row = index.row();
    const BookEdits::PrizeEdit edit
        = BookEdits::PrizeCell(m_book.book(), row, index.column(), value.toString());
    if (!edit.refusal.isEmpty()) {
        Q_EMIT refused(u' ' + edit.refusal);
        return false;
    }
    if (edit.row == m_book.book().prizes.rows[row])
        return true;
    m_taking = true;
    m_book.change([&](TicketBook& book) {
        book.prizes.rows[row] = edit.row;
        return true;
    });
    m_taking = false;
    Q_EMIT dataChanged(this->index(row, 0), this->index(row, columnCount() - 1));
    return true;
}
