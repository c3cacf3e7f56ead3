// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QString>

class QAbstractItemModel;
class QTableView;
class QTableWidget;
class QWidget;

// The program's grids: a table of centred text cells whose first rows and columns are fixed
// headers, drawn like the rest of the table but shaded and not selectable.
namespace GridTable {

QTableWidget* create(QWidget* parent, const char* name, int left, int top, int width, int height,
                     int rowHeightTwips);
// The same look for a view over a model of its own, which shades its fixed cells itself.
QTableView* createView(QWidget* parent, const char* name, QAbstractItemModel* model, int left,
                       int top, int width, int height, int rowHeightTwips);
// Gives `grid`, a view of a class of its own, the same look; returns it.
QTableView* setUpView(QTableView* grid, const char* name, QAbstractItemModel* model, int left,
                      int top, int width, int height, int rowHeightTwips);

// Sets the size, keeping the texts of the cells that remain; every cell exists afterwards and
// the header cells are shaded.
void resize(QTableWidget* grid, int rows, int columns, int fixedRows, int fixedColumns);

void setText(QTableWidget* grid, int row, int column, const QString& text);

// Empties every cell from (row, column) to the last row and column.
void clear(QTableWidget* grid, int fromRow, int fromColumn);

// While it lives, the grid's cells change without announcing each change to the view, which is
// repainted once at the end: filling two thousand rows cell by cell otherwise costs a repaint
// request per cell. Rows and columns must not be added or removed meanwhile.
class BulkChange {
public:
    explicit BulkChange(QTableWidget* grid);
    ~BulkChange();
    BulkChange(const BulkChange&) = delete;
    BulkChange& operator=(const BulkChange&) = delete;

private:
    QTableWidget* m_grid;
    bool m_wasBlocked;
};

} // namespace GridTable
