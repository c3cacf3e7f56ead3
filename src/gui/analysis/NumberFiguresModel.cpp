// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "NumberFiguresModel.h"

#include <algorithm>

namespace {

// The first click on a header sorts the way a player looks first: the most drawn, the longest
// out, the widest gaps at the top; numbers and dates in their usual order.
Qt::SortOrder firstSortOrder(NumberColumn column)
{
    switch (column) {
    case NumberColumn::Number:
    case NumberColumn::Expected:
    case NumberColumn::LastDrawn:
        return Qt::AscendingOrder;
    case NumberColumn::Drawn:
    case NumberColumn::Difference:
    case NumberColumn::OutFor:
    case NumberColumn::LongestGap:
    case NumberColumn::AverageGap:
        break;
    }
    return Qt::DescendingOrder;
}

} // namespace

void NumberFiguresModel::setFigures(QList<NumberFigures> figures, int windowDraws)
{
    beginResetModel();
    m_figures = std::move(figures);
    m_windowDraws = windowDraws;
    sortFigures();
    endResetModel();
}

int NumberFiguresModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_figures.size());
}

int NumberFiguresModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : NumberColumnCount;
}

QVariant NumberFiguresModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_figures.size())
        return {};
    if (role == Qt::DisplayRole)
        return NumberCellText(m_figures[index.row()], NumberColumn(index.column()));
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

QVariant NumberFiguresModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= NumberColumnCount)
        return {};
    if (role == Qt::DisplayRole) {
        // On two lines, so that every title shows whole in the window's width.
        const auto column = NumberColumn(section);
        QString title = NumberColumnTitle(column);
        const bool counted = column == NumberColumn::Drawn || column == NumberColumn::Expected
            || column == NumberColumn::Difference;
        if (counted && m_windowDraws > 0)
            title += QStringLiteral("\n(last %1)").arg(m_windowDraws);
        else
            title.replace(u' ', u'\n');
        // The sort arrow is part of the title, so that the title's width includes it and it
        // never pushes the title out of its column.
        if (column == m_sortColumn)
            title += m_sortOrder == Qt::AscendingOrder ? QStringLiteral(" \u25B2")
                                                       : QStringLiteral(" \u25BC");
        return title;
    }
    if (role == Qt::InitialSortOrderRole)
        return int(firstSortOrder(NumberColumn(section)));
    return {};
}

void NumberFiguresModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= NumberColumnCount)
        return;
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // The current cell and the selection stay with their numbers.
    const QModelIndexList before = persistentIndexList();
    QList<int> numbers;
    for (const QModelIndex& index : before)
        numbers.append(m_figures[index.row()].number);
    m_sortColumn = NumberColumn(column);
    m_sortOrder = order;
    sortFigures();
    QModelIndexList after;
    for (qsizetype i = 0; i < before.size(); ++i) {
        const auto row
            = std::find_if(m_figures.cbegin(), m_figures.cend(), [&](const NumberFigures& figures) {
                  return figures.number == numbers[i];
              });
        after.append(index(int(row - m_figures.cbegin()), before[i].column()));
    }
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, NumberColumnCount - 1);
}

void NumberFiguresModel::sortFigures()
{
    const NumberColumn column = m_sortColumn;
    const bool descending = m_sortOrder == Qt::DescendingOrder;
    std::sort(m_figures.begin(), m_figures.end(),
              [column, descending](const NumberFigures& a, const NumberFigures& b) {
                  const double keyA = NumberSortKey(a, column);
                  const double keyB = NumberSortKey(b, column);
                  if (keyA != keyB)
                      return descending ? keyA > keyB : keyA < keyB;
                  return a.number < b.number;
              });
}
