#pragma once

#include <QAbstractTableModel>
#include <QDate>

class DrawStore;

// The database window's record grid over the store: a shaded header row and record-number
// column, the records newest first below the header, then empty rows up to the grid's capacity.
// Texts are formatted when a view asks for them, so only the cells on screen ever are.
class RecordGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit RecordGridModel(const DrawStore& store, QObject* parent = nullptr);

    // Shows the store afresh with at least `rows` rows; a date kept as a text with a two-digit
    // year is read in the hundred years around `today`.
    void showStore(int rows, const QDate& today);
    // Gives the grid the store's columns and at least `rows` rows. The rows shown stay as they are
    // unless the columns or the records changed behind the grid's back.
    void layOut(int rows);
    // The store's newest record was just appended: it becomes the first row below the header,
    // and one empty row less remains below the records.
    void recordAppended();
    // Record `record` (1..RecCount) was overwritten.
    void recordChanged(int record);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    int storeColumns() const;
    bool showsStore() const;
    // Newest first: row 1 shows the last record.
    int rowOf(int record) const { return m_records - record + 1; }
    int recordAt(int row) const { return m_records - row + 1; }

    const DrawStore& m_store;
    QDate m_today;
    int m_capacity = 1;
    int m_rows = 1; // the header, the records and the empty rows below them
    int m_columns = 2;
    int m_records = 0;
};
