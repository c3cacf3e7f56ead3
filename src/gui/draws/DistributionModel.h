#pragma once

#include <QAbstractTableModel>
#include <QStringList>

class DrawStore;

// One of the database window's distribution grids: a shaded row of numbers from `first` on and
// below it how often the store's draws hold each. A light model rather than a grid of items: the
// window builds three of them every time it opens. It follows the store by itself, and repaints
// only the cells whose text changed.
class DistributionModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int Columns = 20;

    DistributionModel(const DrawStore& store, int first, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void showStore();
    void showCounts();
    void show(int row, const QStringList& texts);

    const DrawStore& m_store;
    int m_first;
    QStringList m_texts[2]; // the numbers, then their counts
};
