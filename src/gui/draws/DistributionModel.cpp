// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "DistributionModel.h"

#include "core/common/TextFormat.h"
#include "core/draws/DatabaseView.h"
#include "core/draws/DrawStore.h"
#include "gui/common/Colours.h"

#include <QBrush>

DistributionModel::DistributionModel(const DrawStore& store, int place, QObject* parent)
    : QAbstractTableModel(parent), m_store(store), m_place(place)
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

void DistributionModel::showPool(Pool pool)
{
    if (pool == m_pool)
        return;
    m_pool = pool;
    showStore();
    // The cells' shading follows the pool as well as their texts.
    Q_EMIT dataChanged(index(0, 0), index(1, Columns - 1),
                       {Qt::BackgroundRole, Qt::ForegroundRole});
}

int DistributionModel::first() const
{
    const LotteryShape shape = m_store.shape();
    return (m_pool == Pool::Main ? 1 : shape.extraMin()) + Columns * m_place;
}

const NumberTable& DistributionModel::counts() const
{
    return m_pool == Pool::Main ? m_store.NumberCounts() : m_store.ExtraCounts();
}

void DistributionModel::showStore()
{
    const LotteryShape shape = m_store.shape();
    const int highest = m_pool == Pool::Main ? shape.highestNumber : shape.extraMax();
    show(0, DatabaseView::DistributionHeaders(first(), highest));
    showCounts();
}

void DistributionModel::showCounts()
{
    show(1, DatabaseView::DistributionCounts(counts(), first()));
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
        const int number = first() + index.column();
        if (index.row() == 0 || number > DrawStore::HighestNumber)
            return {};
        const int count = counts()[std::size_t(number)].count;
        const QString exact = FormatWhole(count);
        return CompactCount(count) != exact ? QVariant(exact) : QVariant();
    }
    case Qt::BackgroundRole:
    case Qt::ForegroundRole:
        if (index.row() == 0)
            return Colours::cellRole(Colours::GridHeader, role);
        if (m_pool == Pool::Extra)
            return Colours::cellRole(Colours::ExtraCountCell, role);
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
