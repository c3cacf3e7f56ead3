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
        QStandardItemModel model(1, 1);
        model.setItem(0, 0, new QStandardItem(text));
        for (const double points : {8.0, 16.0, 8.0}) {
            QWidget window;
            QTableView* grid
                = GridTable::createView(&window, "Grid", &model, 0, 0, 6000, 1500, 900);
            QFont font = grid->font();
            font.setPointSizeF(points);
            grid->setFont(font);
            grid->setColumnWidth(0, 300);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            // The text's ink: dark pixels (the grid's lines are light).
            const QImage cells = grid->viewport()->grab().toImage();
            int left = cells.width();
            int right = -1;
            for (int y = 0; y < cells.height(); ++y)
                for (int x = 0; x < cells.width(); ++x)
                    if (qGray(cells.pixel(x, y)) < 100) {
                        left = std::min(left, x);
                        right = std::max(right, x);
                    }
            const int inkWidth = right - left + 1;
            const int expected = QFontMetrics(font).tightBoundingRect(text).width();
            QVERIFY2(std::abs(inkWidth - expected) <= 2,
                     qPrintable(QStringLiteral("%1 pt: ink %2 px wide, the font's text %3 px")
                                    .arg(points)
                                    .arg(inkWidth)
                                    .arg(expected)));
        }
    }
};

QTEST_MAIN(TestGridTable)
#include "tst_gridtable.moc"
