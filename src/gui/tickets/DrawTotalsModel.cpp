// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "DrawTotalsModel.h"

#include "core/common/TextFormat.h"
#include "core/tickets/TicketsPrintout.h"
#include "gui/tickets/TicketResultsModel.h"

DrawTotalsModel::DrawTotalsModel(const TicketResultsModel& results, QObject* parent)
    : QAbstractTableModel(parent), m_results(results)
{
    connect(&results, &TicketResultsModel::modelAboutToBeReset, this,
            &DrawTotalsModel::beginResetModel);
    connect(&results, &TicketResultsModel::modelReset, this, &DrawTotalsModel::endResetModel);
}

int DrawTotalsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_results.shown().draws.size());
}

int DrawTotalsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 4;
}

QVariant DrawTotalsModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const DrawTotal& draw = m_results.shown().draws[index.row()];
    switch (index.column()) {
    case 0:
        return FormatShortDate(draw.date);
    case 1:
        return draw.tickets;
    case 2:
        return AmountText(draw.spent);
    default:
        return AmountText(draw.won)
            + (draw.awaiting > 0 ? QStringLiteral(" + to come") : QString());
    }
}

QVariant DrawTotalsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    static const QString headings[] = {QStringLiteral("Draw"), QStringLiteral("Tickets"),
                                       QStringLiteral("Spent"), QStringLiteral("Won")};
    return section >= 0 && section < 4 ? headings[section] : QString();
}
