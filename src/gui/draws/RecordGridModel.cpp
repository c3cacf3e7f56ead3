#include "RecordGridModel.h"

#include "core/draws/DatabaseView.h"
#include "core/draws/DrawStore.h"
#include "gui/common/Colours.h"

#include <QBrush>

#include <algorithm>

RecordGridModel::RecordGridModel(const DrawStore& store, QObject* parent)
    : QAbstractTableModel(parent), m_store(store), m_today(QDate::currentDate())
{
    m_columns = storeColumns();
    m_records = m_store.RecCount();
    m_rows = m_records + 1;
}

int RecordGridModel::storeColumns() const
{
    return std::clamp(m_store.ColCount(), 2, int(DrawStore::TableColumns));
}

bool RecordGridModel::showsStore() const
{
    return m_columns == storeColumns() && m_records == m_store.RecCount();
}

void RecordGridModel::showStore(int rows, const QDate& today)
{
    beginResetModel();
    m_today = today;
    m_capacity = rows;
    m_columns = storeColumns();
    m_records = m_store.RecCount();
    m_rows = std::max(m_capacity, m_records + 1);
    endResetModel();
}

void RecordGridModel::layOut(int rows)
{
    if (!showsStore()) {
        showStore(rows, m_today);
        return;
    }
    m_capacity = rows;
    const int wanted = std::max(m_capacity, m_records + 1);
    if (wanted > m_rows) {
        beginInsertRows({}, m_rows, wanted - 1);
        m_rows = wanted;
        endInsertRows();
    } else if (wanted < m_rows) {
        beginRemoveRows({}, wanted, m_rows - 1);
        m_rows = wanted;
        endRemoveRows();
    }
}

void RecordGridModel::recordAppended()
{
    if (m_columns != storeColumns() || m_store.RecCount() != m_records + 1) {
        showStore(m_capacity, m_today);
        return;
    }
    beginInsertRows({}, 1, 1);
    ++m_records;
    ++m_rows;
    endInsertRows();
    // The new row takes the place of an empty one, so the grid keeps its size.
    if (m_rows > std::max(m_capacity, m_records + 1)) {
        beginRemoveRows({}, m_rows - 1, m_rows - 1);
        --m_rows;
        endRemoveRows();
    }
}

void RecordGridModel::recordChanged(int record)
{
    if (!showsStore()) {
        showStore(m_capacity, m_today);
        return;
    }
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
        if (row <= m_records && recordAt(row) <= m_store.RecCount())
            return DatabaseView::RecordCellText(m_store, recordAt(row), column, m_today);
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
