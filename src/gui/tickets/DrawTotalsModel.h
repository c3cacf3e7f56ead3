// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QAbstractTableModel>

class TicketResultsModel;

// The tickets of each draw together, beside the results they sum: draw, tickets, spent, won.
class DrawTotalsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit DrawTotalsModel(const TicketResultsModel& results, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const TicketResultsModel& m_results;
};
