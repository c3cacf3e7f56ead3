// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "gui/common/GridTable.h"

#include <QApplication>
#include <QStandardItemModel>
#include <QTableView>
#include <QtTest>

// The grids keep their cells' texts laid out for every grid of the program: a text is drawn in
// the font of its grid, whichever grid laid it out first.
class TestGridTable : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cellTextsFollowTheirGridsFont()
    {
        const QString text = QStringLiteral("MMMM");
        // In the second cell: the first is the current one, which the style draws with its focus.
        QStandardItemModel model(1, 2);
        model.setItem(0, 1, new QStandardItem(text));
        for (const double points : {8.0, 16.0, 8.0}) {
            QWidget window;
            QTableView* grid
                = GridTable::createView(&window, "Grid", &model, 0, 0, 6000, 1500, 900);
            QFont font = grid->font();
            font.setPointSizeF(points);
            grid->setFont(font);
            grid->setColumnWidth(0, 50);
            grid->setColumnWidth(1, 300);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            // The text's ink (dark pixels: the grid's lines are light), in the middle of its cell
            // and as wide as the font makes it.
            const QImage cells = grid->viewport()->grab().toImage();
            const QRect cell = grid->visualRect(model.index(0, 1));
            QRect ink;
            for (int y = cell.top(); y <= cell.bottom(); ++y)
                for (int x = cell.left(); x <= cell.right(); ++x)
                    if (qGray(cells.pixel(x, y)) < 100)
                        ink |= QRect(x, y, 1, 1);
            const QString seen = QStringLiteral("%1 pt: ink %2 in the cell %3")
                                     .arg(points)
                                     .arg(QDebug::toString(ink), QDebug::toString(cell));
            QVERIFY2(std::abs(ink.width() - QFontMetrics(font).tightBoundingRect(text).width())
                         <= 2,
                     qPrintable(seen));
            QVERIFY2(std::abs((ink.left() - cell.left()) - (cell.right() - ink.right())) <= 3,
                     qPrintable(seen));
        }
    }
};

QTEST_MAIN(TestGridTable)
#include "tst_gridtable.moc"
