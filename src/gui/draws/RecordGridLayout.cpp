// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "RecordGridLayout.h"

#include "gui/common/Twips.h"

#include <QTableView>

namespace RecordGridLayout {

namespace {

// In twips.
constexpr int RecordColumnWidth = 900;
constexpr int DateColumnWidth = 1320;
constexpr int NumberColumnWidth = 575;
// The grid is as wide as its columns and a little more for the scroll bar and the borders.
constexpr int GridWidthPerColumn = 589;

} // namespace

int width(int columns)
{
    return GridWidthPerColumn * columns + DateColumnWidth;
}

void apply(QTableView* grid, int columns)
{
    grid->resize(Px(width(columns)), grid->height());
    grid->setColumnWidth(0, Px(RecordColumnWidth));
    grid->setColumnWidth(1, Px(DateColumnWidth));
    for (int c = 2; c < columns; ++c)
        grid->setColumnWidth(c, Px(NumberColumnWidth));
}

} // namespace RecordGridLayout
