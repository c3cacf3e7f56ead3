#include "TestToday.h"

#include "core/draws/DrawStore.h"

#include <QtTest>

class TestDrawStore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void counting_data()
    {
        QTest::addColumn<int>("colCount");
        QTest::addColumn<QList<QStringList>>("records");
        QTest::addColumn<QList<int>>("expectedCounts"); // pairs of number, count

        QTest::newRow("empty store")
            << 8 << QList<QStringList> {} << QList<int> {1, 0, 49, 0, 60, 0};
        QTest::newRow("two records") << 5 << QList<QStringList> {{"1", "2", "3"}, {"3", "4", "60"}}
                                     << QList<int> {1, 1, 3, 2, 4, 1, 60, 1, 5, 0};
        QTest::newRow("a number twice in a record counts twice")
            << 4 << QList<QStringList> {{"7", "7"}} << QList<int> {7, 2};
        QTest::newRow("values above 60 are not counted")
            << 4 << QList<QStringList> {{"61", "99"}} << QList<int> {60, 0, 1, 0};
    }
    void counting()
    {
        QFETCH(int, colCount);
        QFETCH(QList<QStringList>, records);
        QFETCH(QList<int>, expectedCounts);

        DrawStore store;
        store.SetColCount(colCount);
        for (const QStringList& numbers : records)
            QVERIFY(store.AppendRecord(QStringLiteral("9/7/1996"), numbers, TestToday));
        store.CountNumbers();

        for (qsizetype i = 0; i < expectedCounts.size(); i += 2) {
            const int n = expectedCounts[i];
            const int count = expectedCounts[i + 1];
            QCOMPARE(store.NumberCounts()[n].count, count);
            QCOMPARE(store.NumberCounts()[n].number, count > 0 ? n : 0);
        }
        QCOMPARE(store.NumberCounts()[0].count, 0);
    }

    void appendFillsTheRecordAsTyped()
    {
        DrawStore store;
        store.SetColCount(5);
        QVERIFY(store.AppendRecord(QStringLiteral("1996-09-14"), {"12", "3", "45"}, TestToday));
        QCOMPARE(store.RecCount(), 1);
        QCOMPARE(store.cell(1, 0), Cell(1.0));
        QCOMPARE(store.cell(1, 1), Cell(QDate(1996, 9, 14)));
        QCOMPARE(store.cell(1, 2), Cell(12.0));
        QCOMPARE(store.cell(1, 4), Cell(45.0));
        // Spare columns of a typed record stay empty.
        QVERIFY(store.cell(1, 5).isEmpty());
        QVERIFY(store.cell(2, 0).isEmpty());
    }

    void replaceKeepsNumberAndCount()
    {
        DrawStore store;
        store.SetColCount(4);
        store.AppendRecord(QStringLiteral("9/7/1996"), {"1", "2"}, TestToday);
        store.AppendRecord(QStringLiteral("9/14/1996"), {"3", "4"}, TestToday);
        QVERIFY(store.ReplaceRecord(1, QStringLiteral("9/8/1996"), {"5", "6"}, TestToday));
        QCOMPARE(store.RecCount(), 2);
        QCOMPARE(store.cell(1, 0), Cell(1.0));
        QCOMPARE(store.cell(1, 1), Cell(QDate(1996, 9, 8)));
        QCOMPARE(store.cell(1, 3), Cell(6.0));
        QVERIFY(!store.ReplaceRecord(3, QStringLiteral("9/8/1996"), {"5", "6"}, TestToday));
        QVERIFY(!store.ReplaceRecord(0, QStringLiteral("9/8/1996"), {"5", "6"}, TestToday));
    }

    void storeHoldsAtMost2000Records()
    {
        DrawStore store;
        store.SetColCount(3);
        for (int i = 0; i < DrawStore::MaxRecords; ++i)
            QVERIFY(store.AppendRecord(QStringLiteral("9/7/1996"), {"1"}, TestToday));
        QVERIFY(!store.AppendRecord(QStringLiteral("9/7/1996"), {"1"}, TestToday));
        QCOMPARE(store.RecCount(), 2000);
    }

    void proposedDate()
    {
        const QDate today(2026, 12, 7);
        DrawStore store;
        store.ProposeNewDate(today);
        QCOMPARE(store.NewDate(), today);

        store.SetColCount(3);
        store.AppendRecord(QStringLiteral("9/7/1996"), {"1"}, TestToday);
        store.ProposeNewDate(today);
        QCOMPARE(store.NewDate(), QDate(1996, 9, 14));

        // A week after the last day of 9999 is no date a box or a file could hold.
        store.ReplaceRecord(1, QStringLiteral("12/28/9999"), {"1"}, TestToday);
        store.ProposeNewDate(today);
        QCOMPARE(store.NewDate(), today);
    }

    void loadedRecordsKeepTheirCells()
    {
        DrawStore store;
        store.SetColCount(4);
        DrawStore::Record loaded {Cell(1.0), Cell(QDate(1996, 9, 7)), Cell(7.0), Cell(8.0)};
        for (int column = 4; column < DrawStore::TableColumns; ++column)
            loaded[column] = Cell(0.0); // a file always carries ten number fields
        QVERIFY(store.LoadRecords({loaded}));
        QCOMPARE(store.RecCount(), 1);
        QCOMPARE(store.cell(1, 1), Cell(QDate(1996, 9, 7)));

        // A loaded date value proposes the next week as a typed date text does.
        store.ProposeNewDate(QDate(2026, 12, 7));
        QCOMPARE(store.NewDate(), QDate(1996, 9, 14));
        // The spare zeros of a file are never counted.
        store.CountNumbers();
        QCOMPARE(store.NumberCounts()[7].count, 1);
        QCOMPARE(store.NumberCounts()[0].count, 0);

        QVERIFY(!store.LoadRecords(std::vector<DrawStore::Record>(DrawStore::TableRows)));
        QCOMPARE(store.RecCount(), 1);
        QVERIFY(store.LoadRecords(std::vector<DrawStore::Record>(DrawStore::TableRows - 1)));
        QCOMPARE(store.RecCount(), 2002);
    }

    void resetKeepsShapeAndFlags()
    {
        DrawStore store;
        store.SetColCount(7);
        store.SetHighNum(39);
        store.SetTitle(QStringLiteral("Weekly Five"));
        store.SetFileDisplayName(QStringLiteral("week.lto"));
        store.SetChangedFlag(true);
        store.AppendRecord(QStringLiteral("9/7/1996"), {"1", "2", "3", "4", "5"}, TestToday);
        store.CountNumbers();

        store.Reset();
        QCOMPARE(store.RecCount(), 0);
        QVERIFY(store.cell(1, 2).isEmpty());
        QCOMPARE(store.NumberCounts()[1].count, 0);
        QVERIFY(store.Title().isEmpty());
        QVERIFY(store.FileDisplayName().isEmpty());
        QCOMPARE(store.ColCount(), 7);
        QCOMPARE(store.HighNum(), 39);
        QVERIFY(store.ChangedFlag());
    }
};

QTEST_GUILESS_MAIN(TestDrawStore)
#include "tst_drawstore.moc"
