// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QAbstractTableModel>

class DrawStore;

// The database window's record grid over the store: a shaded header row and record-number
// column, the main numbers then the extra numbers (tinted), the records newest first below the
// header, then empty rows to type into view. Texts
// are formatted when a view asks for them, so only the cells on screen ever are. It follows the
// store by itself: an appended record moves the record rows' texts down by one, a replaced one
// changes one row.
class RecordGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // Empty rows below the records when the grid is laid out, and how few may be left before
    // it grows by FreeRows again.
    static constexpr int FreeRows = 24;
    static constexpr int FewestFreeRows = 4;

    explicit RecordGridModel(const DrawStore& store, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

Q_SIGNALS:
    // A record was added: rows 1 and below now show the record that was one row above, the new
    // record in row 1. Sent just before the dataChanged() that says the same to any view.
    void recordRowsShifted();

private:
    void showStore();
    void recordAppended(int record);
    void recordReplaced(int record);

    // Newest first: row 1 shows the last record.
    int rowOf(int record) const { return m_records - record + 1; }
    int recordAt(int row) const { return m_records - row + 1; }

    const DrawStore& m_store;
    int m_rows = FreeRows; // the header, the records and the empty rows below them
    int m_columns = 2;
    int m_records = 0;
};
