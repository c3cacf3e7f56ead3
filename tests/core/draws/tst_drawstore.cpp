// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "TestDraws.h"

#include "core/draws/DrawStore.h"

#include <QSignalSpy>
#include <QtTest>

class TestDrawStore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void counting_data()
    {
        QTest::addColumn<QList<QList<int>>>("records");
        QTest::addColumn<QList<int>>("expectedCounts"); // pairs of number, count

        QTest::newRow("empty store") << QList<QList<int>> {} << QList<int> {1, 0, 49, 0, 60, 0};
        QTest::newRow("two records") << QList<QList<int>> {{1, 2, 3}, {3, 4, 60}}
                                     << QList<int> {1, 1, 3, 2, 4, 1, 60, 1, 5, 0};
        QTest::newRow("a number twice in a record counts twice")
            << QList<QList<int>> {{7, 7}} << QList<int> {7, 2};
        QTest::newRow("0 and values above 60 are not counted")
            << QList<QList<int>> {{61, 99, 0}} << QList<int> {60, 0, 1, 0, 0, 0};
        // A file's ten fields all count, whatever the shape.
        QTest::newRow("fields beyond the shape")
            << QList<QList<int>> {{1, 2, 0, 0, 0, 0, 0, 0, 0, 9}} << QList<int> {9, 1};
    }
    void counting()
    {
        QFETCH(QList<QList<int>>, records);
        QFETCH(QList<int>, expectedCounts);

        DrawStore store;
        LoadWeeklyDraws(store, {3, 60}, records);
        for (qsizetype i = 0; i < expectedCounts.size(); i += 2) {
            const int n = expectedCounts[i];
            const int count = expectedCounts[i + 1];
            QCOMPARE(store.NumberCounts()[n].count, count);
            QCOMPARE(store.NumberCounts()[n].number, count > 0 ? n : 0);
        }
    }

    // The counts are kept current by every change, and every change is told.
    void changesAreCountedAndTold()
    {
        DrawStore store;
        store.setShape({2, 49});
        QSignalSpy appended(&store, &DrawStore::recordAppended);
        QSignalSpy replaced(&store, &DrawStore::recordReplaced);
        QSignalSpy reset(&store, &DrawStore::storeReset);
        QSignalSpy reshaped(&store, &DrawStore::shapeChanged);

        const QList<int> first {1, 2};
        const QList<int> second {2, 9, 30}; // one more than the shape: not kept
        QVERIFY(store.AppendRecord(QDate(1996, 9, 7), first));
        QVERIFY(store.AppendRecord(QDate(1996, 9, 14), second));
        QCOMPARE(appended.size(), 2);
        QCOMPARE(appended.last().first().toInt(), 2);
        QCOMPARE(store.NumberCounts()[2].count, 2);
        QCOMPARE(store.NumberCounts()[30].count, 0);
        QCOMPARE(store.number(2, 2), 0);

        const QList<int> corrected {5, 9};
        QVERIFY(store.ReplaceRecord(1, QDate(1996, 9, 8), corrected));
        QVERIFY(!store.ReplaceRecord(3, QDate(1996, 9, 8), corrected));
        QVERIFY(!store.ReplaceRecord(0, QDate(1996, 9, 8), corrected));
        QCOMPARE(replaced.size(), 1);
        QCOMPARE(store.date(1), QDate(1996, 9, 8));
        QCOMPARE(store.NumberCounts()[1], NumberCount());
        QCOMPARE(store.NumberCounts()[2].count, 1);
        QCOMPARE(store.NumberCounts()[9].count, 2);

        store.setShape({2, 49});
        QCOMPARE(reshaped.size(), 0);
        store.Reset();
        QCOMPARE(reset.size(), 1);
        QCOMPARE(store.NumberCounts()[9].count, 0);
        store.setShape({70, 170}); // cut to the limits
        QCOMPARE(reshaped.size(), 1);
        QCOMPARE(store.shape(), (LotteryShape {20, 99}));
    }

    void storeHoldsAtMostMaxRecords()
    {
        DrawStore store;
        store.setShape({1, 49});
        const QList<int> one {1};
        for (int i = 0; i < DrawStore::MaxRecords; ++i)
            QVERIFY(store.AppendRecord(QDate(1996, 9, 7), one));
        QVERIFY(!store.AppendRecord(QDate(1996, 9, 7), one));
        QCOMPARE(store.RecCount(), DrawStore::MaxRecords);
        QCOMPARE(store.NumberCounts()[1].count, DrawStore::MaxRecords);

        // A file may hold two more.
        const int most = DrawStore::MaxLoadedRecords;
        QVERIFY(!store.Load({1, 49}, {}, WeeklyRecords(QList<QList<int>>(most + 1, one))));
        QCOMPARE(store.RecCount(), DrawStore::MaxRecords);
        QVERIFY(store.Load({1, 49}, {}, WeeklyRecords(QList<QList<int>>(most, one))));
        QCOMPARE(store.RecCount(), most);
    }

    void proposedDate()
    {
        const QDate today(2026, 12, 7);
        DrawStore store;
        QCOMPARE(ProposeNewDate(store, today), today);
        LoadWeeklyDraws(store, {1, 49}, {{1}});
        QCOMPARE(ProposeNewDate(store, today), QDate(1996, 9, 14));
        // A week after the last day of 9999 is no date a box or a file could hold.
        LoadWeeklyDraws(store, {1, 49}, {{1}}, QDate(9999, 12, 28));
        QCOMPARE(ProposeNewDate(store, today), today);
    }

    // Only the store's own operations mark it changed, and a file read or written, or an erased
    // store, leaves nothing to lose.
    void knowsItChanged_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<bool>("changed");
        QTest::newRow("add") << "add" << true;
        QTest::newRow("correct") << "correct" << true;
        QTest::newRow("retitle") << "retitle" << true;
        QTest::newRow("the same title") << "same title" << false;
        QTest::newRow("import") << "import" << true;
        QTest::newRow("erase") << "erase" << false;
        QTest::newRow("save") << "save" << false;
        QTest::newRow("open") << "open" << false;
    }
    void knowsItChanged()
    {
        QFETCH(QString, operation);
        QFETCH(bool, changed);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("week.lto"));
        DrawStore store;
        LoadWeeklyDraws(store, {5, 39}, {{1, 2, 3, 4, 5}});
        store.SetTitle(QStringLiteral("Weekly Five"));
        QString reason;
        QVERIFY(store.save(path, reason));
        QVERIFY(!store.ChangedFlag());
        QSignalSpy flags(&store, &Document::modifiedChanged);

        const int numbers[] = {6, 7, 8, 9, 10};
        if (operation == "add")
            store.AppendRecord(QDate(2026, 1, 3), numbers);
        else if (operation == "correct")
            store.ReplaceRecord(1, QDate(2026, 1, 3), numbers);
        else if (operation == "retitle")
            store.SetTitle(QStringLiteral("Five"));
        else if (operation == "same title")
            store.SetTitle(QStringLiteral("Weekly Five"));
        else if (operation == "import")
            store.Load({5, 39}, QStringLiteral("History"), DrawRecords());
        else if (operation == "erase")
            store.Reset();
        else if (operation == "save")
            QVERIFY(store.save(path, reason));
        else if (operation == "open")
            QVERIFY(store.load(path, reason));
        QCOMPARE(store.ChangedFlag(), changed);
        QCOMPARE(flags.size(), changed ? 1 : 0);
        QCOMPARE(store.hasUnsavedWork(), changed && store.RecCount() > 0);
        // The file stays the store's until it is erased.
        QCOMPARE(store.FileDisplayName(),
                 operation == "erase" ? QString() : QStringLiteral("week.lto"));
        QCOMPARE(store.shape(), (LotteryShape {5, 39}));
    }
};

QTEST_GUILESS_MAIN(TestDrawStore)
#include "tst_drawstore.moc"
