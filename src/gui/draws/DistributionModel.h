// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/draws/DrawStore.h"

#include <QAbstractTableModel>
#include <QStringList>

// One of the database window's distribution grids: a shaded row of numbers from `first` on and
// below it how often the store's draws hold each. A light model rather than a grid of items: the
// window builds three of them every time it opens. It follows the store by itself, and repaints
// only the cells whose text changed.
class DistributionModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int Columns = 20;

    // The main numbers' counts or the extra numbers', each pool shown from its lowest number.
    enum class Pool { Main, Extra };

    // The grid at `place` (0, 1, ...) of the pool's rows: numbers from its lowest + 20 x place.
    DistributionModel(const DrawStore& store, int place, QObject* parent = nullptr);

    void showPool(Pool pool);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void showStore();
    void showCounts();
    void show(int row, const QStringList& texts);
    int first() const;
    const NumberTable& counts() const;

    const DrawStore& m_store;
    int m_place;
    Pool m_pool = Pool::Main;
    QStringList m_texts[2]; // the numbers, then their counts
};
