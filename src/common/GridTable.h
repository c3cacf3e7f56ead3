#pragma once

#include <QString>

class QTableWidget;
class QWidget;

// The program's grids: a table of centred text cells whose first rows and columns are fixed
// headers, drawn like the rest of the table but shaded and not selectable.
namespace GridTable {

QTableWidget* create(QWidget* parent, const char* name, int left, int top, int width, int height,
                     int rowHeightTwips);

// Sets the size, keeping the texts of the cells that remain; every cell exists afterwards and
// the header cells are shaded.
void resize(QTableWidget* grid, int rows, int columns, int fixedRows, int fixedColumns);

void setText(QTableWidget* grid, int row, int column, const QString& text);

// Empties every cell from (row, column) to the last row and column.
void clear(QTableWidget* grid, int fromRow, int fromColumn);

} // namespace GridTable
