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
    m_columns = m_store.shape().numbersPerDraw + 2;
    m_records = m_store.RecCount();
    m_capacity = m_records + FreeRows;
    m_rows = m_capacity;
    endResetModel();
}

void RecordGridModel::resize(int rows)
{
    if (rows > m_rows) {
        beginInsertRows({}, m_rows, rows - 1);
        m_rows = rows;
        endInsertRows();
    } else if (rows < m_rows) {
        beginRemoveRows({}, rows, m_rows - 1);
        m_rows = rows;
        endRemoveRows();
    }
}

void RecordGridModel::recordAppended(int record)
{
    if (record != m_records + 1) {
        showStore();
        return;
    }
    // Room to type is kept below the records: the grid grows before the last few empty rows go.
    if (m_capacity == m_records + FewestFreeRows) {
        m_capacity = m_records + FreeRows;
        resize(m_capacity);
    }
    beginInsertRows({}, 1, 1);
    ++m_records;
    ++m_rows;
    endInsertRows();
    // The new row takes the place of an empty one, so the grid keeps its size.
    resize(std::max(m_capacity, m_records + 1));
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
            return DatabaseView::RecordHeaderText(column);
        if (row <= m_records)
            return DatabaseView::RecordCellText(m_store.records(), recordAt(row), column);
        return {};
    case Qt::BackgroundRole:
        if (row == 0 || column == 0)
            return QBrush(Colours::LightGrey);
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
