// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "core/common/KeyCodes.h"
#include "core/tracker/TrackerDocument.h"
#include "core/tracker/TrackerFile.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// The tracker's sheet as a document: whatever the window's operations leave in it is saved and
// opened again unchanged, and the document alone knows that it changed.
class TestTrackerDocument : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Sheets reached by random runs of the window's operations: typing into any cell (digits,
    // points, signs, letters, "Sub Total"), deleting, inserting rows and calculating.
    void whatTheWindowLeavesIsSavedAndOpenedUnchanged()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Money.inv"));
        const QString keys = QStringLiteral("0123456789.-abc XYZ\u00e9\u4e2d");
        QRandomGenerator random(20261208);
        int filled = 0;
        for (int run = 0; run < 200; ++run) {
            TrackerDocument sheet;
            const int steps = random.bounded(1, 120);
            for (int step = 0; step < steps; ++step) {
                const int what = random.bounded(100);
                if (what < 15)
                    sheet.cellChosen(random.bounded(1, Sheet::DataRows + 2), random.bounded(2));
                else if (what < 18)
                    sheet.calculate();
                else if (what < 20)
                    sheet.insertBlankRow(random.bounded(0, Sheet::DataRows + 1));
                else if (what < 22)
                    sheet.deleteKey();
                else if (what < 24)
                    for (const QChar c : QStringLiteral("Sub Total"))
                        sheet.keyPress(c.unicode());
                else if (what < 28)
                    sheet.keyPress(what < 26 ? KeyEnter : KeyBackspace);
                else
                    sheet.keyPress(keys.at(random.bounded(int(keys.size()))).unicode());
            }
            if (random.bounded(2))
                sheet.calculate();
            QString reason;
            QVERIFY2(sheet.save(path, reason), qPrintable(reason));
            QVERIFY(!sheet.isModified());

            TrackerDocument opened;
            QVERIFY2(opened.load(path, reason), qPrintable(reason));
            QCOMPARE(TrackerFile::Bytes(opened.sheet()), TrackerFile::Bytes(sheet.sheet()));
            for (int row = 1; row < Sheet::Rows; ++row)
                for (int column = 0; column < 2; ++column)
                    QVERIFY2(opened.sheet().cell(row, column) == sheet.sheet().cell(row, column),
                             qPrintable(QStringLiteral("run %1, row %2").arg(run).arg(row)));
            // The window calculates what it opens: both then show the same lines and total.
            sheet.calculate();
            opened.calculate();
            QCOMPARE(TrackerFile::Bytes(opened.sheet()), TrackerFile::Bytes(sheet.sheet()));
            QCOMPARE(opened.sheet().SheetTotal, sheet.sheet().SheetTotal);
            filled += sheet.sheet().SheetRowCount > 2;
        }
        // The runs reach sheets of several lines, not only empty ones.
        QVERIFY2(filled > 50, qPrintable(QString::number(filled)));
    }

    void itKnowsWhenItChanged()
    {
        TrackerDocument sheet;
        QSignalSpy changes(&sheet, &Document::modifiedChanged);
        sheet.cellChosen(1, 0);
        sheet.calculate(); // nothing to calculate
        QVERIFY(!sheet.isModified());
        sheet.keyPress(u'A');
        QVERIFY(sheet.isModified());
        QVERIFY(sheet.hasUnsavedWork());
        sheet.deleteKey();
        // Changed, but with nothing in it there is nothing to lose.
        QVERIFY(sheet.isModified());
        QVERIFY(!sheet.hasUnsavedWork());
        sheet.clear();
        QVERIFY(!sheet.isModified());
        QCOMPARE(changes.size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestTrackerDocument)
#include "tst_trackerdocument.moc"
