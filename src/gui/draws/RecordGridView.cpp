// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "RecordGridView.h"

#include "gui/draws/RecordGridModel.h"

#include <QItemSelectionModel>

void RecordGridView::setModel(QAbstractItemModel* model)
{
    if (auto* records = qobject_cast<RecordGridModel*>(model))
        connect(records, &RecordGridModel::recordRowsShifted, this,
                &RecordGridView::recordRowsShifted);
    QTableView::setModel(model);
}

void RecordGridView::recordRowsShifted()
{
    moveSelectionDown();
    m_rowShiftExpected = isVisible();
}

// What is selected stays with its record.
void RecordGridView::moveSelectionDown()
{
    QItemSelectionModel* selection = selectionModel();
    if (!selection)
        return;
    const auto below = [this](const QModelIndex& index) {
        return index.row() >= 1 ? model()->index(index.row() + 1, index.column()) : index;
    };
    if (selection->hasSelection()) {
        QItemSelection moved;
        for (const QItemSelectionRange& range : selection->selection())
            moved.select(below(range.topLeft()), below(range.bottomRight()));
        selection->select(moved, QItemSelectionModel::ClearAndSelect);
    }
    if (const QModelIndex current = selection->currentIndex(); current.isValid())
        selection->setCurrentIndex(below(current), QItemSelectionModel::NoUpdate);
}

void RecordGridView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                 const QList<int>& roles)
{
    if (!std::exchange(m_rowShiftExpected, false)) {
        QTableView::dataChanged(topLeft, bottomRight, roles);
        return;
    }
    // The header row stays where it is when it is on screen; everything below it moves down, and
    // the row uncovered at the top is painted.
    QWidget* area = viewport();
    const int headerBottom
        = rowViewportPosition(0) >= 0 ? rowViewportPosition(0) + rowHeight(0) : 0;
    const int firstShifted = rowAt(headerBottom);
    if (firstShifted < 0) {
        area->update();
        return;
    }
    const int shiftBy = rowHeight(firstShifted);
    area->scroll(0, shiftBy, QRect(0, headerBottom, area->width(), area->height() - headerBottom));
}
