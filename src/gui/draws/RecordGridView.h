// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QTableView>

// The database window's record grid. An added record moves every record row on screen down by
// one: the view then moves the pixels already painted and paints the new row alone, rather than
// every cell on screen, which keeps Add Record as quick with a million records as with ten.
class RecordGridView : public QTableView {
    Q_OBJECT

public:
    using QTableView::QTableView;

    void setModel(QAbstractItemModel* model) override;

protected:
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;

private:
    void recordRowsShifted();
    void moveSelectionDown();

    bool m_rowShiftExpected = false;
};
