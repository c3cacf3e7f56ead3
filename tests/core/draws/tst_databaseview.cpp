// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "TestDraws.h"

#include "core/draws/DatabaseView.h"

#include <QtTest>

using namespace DatabaseView;

class TestDatabaseView : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void entryChecks_data()
    {
        QTest::addColumn<QStringList>("numbers");
        QTest::addColumn<bool>("correction");
        QTest::addColumn<QString>("message");

        QTest::newRow("all fine, highest included")
            << QStringList {"1", "49"} << false << QString();
        QTest::newRow("too high names the text")
            << QStringList {"1", "50"} << false
            << " Correct: number 50 is higher than allowed in Draw.";
        QTest::newRow("zero") << QStringList {"1", "0"} << false
                              << " Correct: number 0 not allowed in Draw.";
        QTest::newRow("missing") << QStringList {"1", ""} << false << " Correct: missing number.";
        QTest::newRow("first fault wins")
            << QStringList {"", "99"} << false << " Correct: missing number.";
        QTest::newRow("correction: missing") << QStringList {"1", ""} << true << " Missing number";
        QTest::newRow("correction: too high")
            << QStringList {"77", "1"} << true << " One number is higher than allowed in Draw";
        QTest::newRow("correction: zero")
            << QStringList {"00", "1"} << true << " Correct: number 0 not allowed in Draw.";
    }
    void entryChecks()
    {
        QFETCH(QStringList, numbers);
        QFETCH(bool, correction);
        QFETCH(QString, message);
        const Entry entry
            = ParseEntry(numbers, 49, correction ? EntryKind::Correction : EntryKind::NewRecord);
        QCOMPARE(entry.fault.value_or(QString()), message);
        if (!entry.fault)
            QCOMPARE(qsizetype(entry.numbers.size()), numbers.size());
    }

    void recordRow()
    {
        const DrawRecords records = WeeklyRecords({{3, 11, 49}}, QDate(1996, 9, 14));
        QCOMPARE(RecordRowTexts(records, 3, 1),
                 (QStringList {"   1", "9/14/1996", "  3", " 11", " 49"}));
    }

    void distribution()
    {
        NumberTable counts {};
        counts[41] = {41, 3};
        QStringList headers = DistributionHeaders(41, 49);
        QCOMPARE(headers.first(), QStringLiteral(" 41"));
        QCOMPARE(headers[8], QStringLiteral(" 49"));
        QCOMPARE(headers[9], QString());
        const QStringList shown = DistributionCounts(counts, 41);
        QCOMPARE(shown.first(), QStringLiteral("3"));
        QCOMPARE(shown[1], QString());
    }

    void topNumbers()
    {
        NumberTable sorted {};
        QVERIFY(!TopNumbersLine(sorted, 3));
        sorted[1] = {7, 4};
        sorted[2] = {2, 3};
        sorted[3] = {30, 1};
        QCOMPARE(TopNumbersLine(sorted, 3).value_or(QString()),
                 QStringLiteral("Distribution of numbers in database.  Top 3 =  7  2  30  "));
    }
};

QTEST_GUILESS_MAIN(TestDatabaseView)
#include "tst_databaseview.moc"
