// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/analysis/DrawStatistics.h"

#include <QAbstractTableModel>

// The per-number figures as a table for a view: one row per number, one column per
// NumberColumn, shown as the printout shows them. A click on a column's header sorts by its
// value as shown; equal values stay in order of their numbers.
class NumberFiguresModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // New figures, sorted as the table was. `windowDraws` is the number of latest draws the
    // counts cover, 0 for all: the count columns then say so in their titles, and the others,
    // which always cover every draw, do not.
    void setFigures(QList<NumberFigures> figures, int windowDraws = 0);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    void sortFigures();

    QList<NumberFigures> m_figures;
    int m_windowDraws = 0;
    NumberColumn m_sortColumn = NumberColumn::Number;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
