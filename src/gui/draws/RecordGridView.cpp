#include "RecordGridView.h"

#include <QHeaderView>

void RecordGridView::rowsInserted(const QModelIndex& parent, int start, int end)
{
    if (!parent.isValid() && start == 1 && end == 1)
        m_rowShiftExpected = isVisible();
    QTableView::rowsInserted(parent, start, end);
}

void RecordGridView::reset()
{
    m_rowShiftExpected = false;
    QTableView::reset();
}

void RecordGridView::doItemsLayout()
{
    const bool shift = m_rowShiftExpected;
    m_rowShiftExpected = false;
    if (!shift) {
        QTableView::doItemsLayout();
        return;
    }
    updateGeometries();
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
