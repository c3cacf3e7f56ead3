// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "RecordGridModel.h"

#include "core/draws/DatabaseView.h"
#include "core/draws/DrawStore.h"
#include "gui/common/Colours.h"

#include <QBrush>

#include <algorithm>

RecordGridModel::RecordGridModel(const DrawStore& store, QObject* parent)
    : QAbstractTableModel(parent), m_store(store)
{
    showStore();
    connect(&store, &DrawStore::recordAppended, this, &RecordGridModel::recordAppended);
    connect(&store, &DrawStore::recordReplaced, this, &RecordGridModel::recordReplaced);
    connect(&store, &DrawStore::storeReset, this, &RecordGridModel::showStore);
    connect(&store, &DrawStore::shapeChanged, this, &RecordGridModel::showStore);
}

void RecordGridModel::showStore()
{
    beginResetModel();
    m_columns = m_store.shape().recordColumns();
    m_records = m_store.RecCount();
    m_rows = m_records + FreeRows;
    endResetModel();
}

void RecordGridModel::recordAppended(int record)
{
    if (record != m_records + 1) {
        showStore();
        return;
    }
    // Room to type is kept below the records: the grid grows before the last few empty rows go.
    // Rows are added at the end only then: a view pays for a new row with every row it has.
    if (m_rows == m_records + FewestFreeRows) {
        beginInsertRows({}, m_rows, m_records + FreeRows - 1);
        m_rows = m_records + FreeRows;
        endInsertRows();
    }
    // The new record takes row 1 and every record row shows the one that was above it: the rows
    // stay, their texts move down by one.
    ++m_records;
    Q_EMIT recordRowsShifted();
    Q_EMIT dataChanged(index(1, 0), index(m_records, m_columns - 1), {Qt::DisplayRole});
}

void RecordGridModel::recordReplaced(int record)
{
    if (record < 1 || record > m_records)
        return;
    const int row = rowOf(record);
    Q_EMIT dataChanged(index(row, 0), index(row, m_columns - 1), {Qt::DisplayRole});
}

int RecordGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int RecordGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_columns;
}

QVariant RecordGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        if (row == 0)
            return DatabaseView::RecordHeaderText(column, m_store.shape().numbersPerDraw);
        if (row <= m_records)
            return DatabaseView::RecordCellText(m_store.records(), recordAt(row), column,
                                                m_store.shape());
        return {};
    case Qt::BackgroundRole:
    case Qt::ForegroundRole:
        if (row == 0 || column == 0)
            return Colours::cellRole(Colours::GridHeader, role);
        if (column >= m_store.shape().firstExtraColumn())
            return Colours::cellRole(Colours::ExtraCountCell, role);
        return {};
    default:
        return {};
    }
}

Qt::ItemFlags RecordGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // The header row and the record numbers are not for selecting.
    if (index.row() == 0 || index.column() == 0)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}
