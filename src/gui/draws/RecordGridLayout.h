// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

class QTableView;

// The column widths of a grid of draw records (record number, date, numbers), as the database
// window and the import window's preview show them.
namespace RecordGridLayout {

// In twips: the width of a grid of `columns` columns.
int width(int columns);
// Gives `grid` the widths of `columns` columns and the width that shows them.
void apply(QTableView* grid, int columns);

} // namespace RecordGridLayout
