#include "DistributionModel.h"

#include "core/common/TextFormat.h"
#include "core/draws/DatabaseView.h"
#include "core/draws/DrawStore.h"
#include "gui/common/Colours.h"

#include <QBrush>

DistributionModel::DistributionModel(const DrawStore& store, int first, QObject* parent)
    : QAbstractTableModel(parent), m_store(store), m_first(first)
{
    for (QStringList& texts : m_texts)
        texts.resize(Columns);
    showStore();
    // A record added or changed changes counts only; the numbers above them follow the shape.
    for (auto change : {&DrawStore::recordAppended, &DrawStore::recordReplaced})
        connect(&store, change, this, &DistributionModel::showCounts);
    for (auto change : {&DrawStore::storeReset, &DrawStore::shapeChanged})
        connect(&store, change, this, &DistributionModel::showStore);
}

void DistributionModel::showStore()
{
    show(0, DatabaseView::DistributionHeaders(m_first, m_store.shape().highestNumber));
    showCounts();
}

void DistributionModel::showCounts()
{
    show(1, DatabaseView::DistributionCounts(m_store.NumberCounts(), m_first));
}

void DistributionModel::show(int row, const QStringList& texts)
{
    QStringList& shown = m_texts[row];
    int firstChanged = Columns;
    int lastChanged = -1;
    for (int column = 0; column < Columns; ++column) {
        const QString text = column < texts.size() ? texts[column] : QString();
        if (shown[column] == text)
            continue;
        shown[column] = text;
        firstChanged = std::min(firstChanged, column);
        lastChanged = column;
    }
    if (lastChanged >= 0)
        Q_EMIT dataChanged(index(row, firstChanged), index(row, lastChanged), {Qt::DisplayRole});
}

int DistributionModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

int DistributionModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Columns;
}

QVariant DistributionModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_texts[index.row()][index.column()];
    case Qt::ToolTipRole: {
        // The exact count where the cell shows it in thousands or millions.
        const int number = m_first + index.column();
        if (index.row() == 0 || number > DrawStore::HighestNumber)
            return {};
        const int count = m_store.NumberCounts()[std::size_t(number)].count;
        const QString exact = FormatWhole(count);
        return CompactCount(count) != exact ? QVariant(exact) : QVariant();
    }
    case Qt::BackgroundRole:
        if (index.row() == 0)
            return QBrush(Colours::LightGrey);
        return {};
    default:
        return {};
    }
}

Qt::ItemFlags DistributionModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // The numbers are not for selecting.
    if (index.row() == 0)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}
