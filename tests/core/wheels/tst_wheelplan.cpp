// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "core/common/Printout.h"
#include "core/wheels/Wheel.h"
#include "core/wheels/WheelPlan.h"

#include <QTest>

#include <bit>

class TestWheelPlan : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsTypedNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<QString>("error");
        QTest::newRow("range and singles")
            << "1-4, 9;7  12" << QList<int> {1, 2, 3, 4, 7, 9, 12} << QString();
        QTest::newRow("empty") << " " << QList<int>() << QString();
        QTest::newRow("twice") << "3 1-5" << QList<int>() << "3 is given twice.";
        QTest::newRow("outside the game")
            << "48-50" << QList<int>() << "50 is not a number of this game (1 to 49).";
        QTest::newRow("zero") << "0 1" << QList<int>()
                              << "0 is not a number of this game (1 to 49).";
        QTest::newRow("backwards")
            << "9-3" << QList<int>() << "\"9-3\" is not a range such as 1-18.";
        QTest::newRow("not a number")
            << "7 x\x1b[31m" << QList<int>() << "\"x[31m\" is not a number.";
        QTest::newRow("negative") << "-5" << QList<int>() << "\"-5\" is not a number.";
    }
    void readsTypedNumbers()
    {
        QFETCH(QString, text);
        QFETCH(QList<int>, numbers);
        QFETCH(QString, error);
        const WheelNumbersParse parse = ParseWheelNumbers(text, 1, 49);
        QCOMPARE(parse.numbers, numbers);
        QCOMPARE(parse.error, error);
        if (error.isEmpty())
            QCOMPARE(ParseWheelNumbers(WheelNumbersText(numbers), 1, 49).numbers, numbers);
    }

    // The report's shares against a count of every drawn subset by hand, and its chances against
    // the hypergeometric law of a 6-of-49 game.
    void reportsWhatTheTicketsWin()
    {
        WheelRequest request;
        request.poolSize = 10;
        request.guarantee = 3;
        request.ifDrawn = 3;
        request.maxTickets = 10;
        request.seconds = 30;
        request.seed = 3;
        const Wheel wheel = GenerateWheel(request);
        QCOMPARE(wheel.tickets.size(), 10);
        const WinReport report = WheelWinReport(wheel.tickets, 10, 6, 49, 3);
        QCOMPARE(report.rows.size(), 4); // 3, 4, 5 and 6 of the ten drawn
        QCOMPARE(report.samples, 0);
        for (const WinChances& row : report.rows) {
            const int m = row.drawnInPool;
            QList<int> best(m + 1, 0);
            int subsets = 0;
            for (quint64 drawn = 1; drawn < (1u << 10); ++drawn) {
                if (std::popcount(drawn) != m)
                    continue;
                int most = 0;
                for (quint64 ticket : wheel.tickets)
                    most = std::max(most, std::popcount(ticket & drawn));
                ++best[most];
                ++subsets;
            }
            for (int j = 0; j <= m; ++j)
                QCOMPARE(row.bestMatch[j], double(best[j]) / subsets);
        }
        QCOMPARE(report.rows[0].bestMatch[3], 1.0); // the guarantee
        // 3 of the 6 drawn among 10 numbers: C(10,3) C(39,3) / C(49,6).
        QVERIFY(qAbs(report.rows[0].chancePerDraw - 120.0 * 9139 / 13983816) < 1e-12);

        WheelSheet sheet;
        sheet.pool = {3, 5, 8, 13, 21, 22, 30, 34, 41, 49};
        sheet.tickets = TicketsInPool(wheel.tickets, sheet.pool);
        sheet.guarantee = 3;
        sheet.ifDrawn = 3;
        sheet.proven = true;
        sheet.price = 2.5;
        sheet.report = report;
        QCOMPARE(sheet.tickets.first().size(), 6);
        for (const QList<int>& ticket : sheet.tickets)
            for (int number : ticket)
                QVERIFY(sheet.pool.contains(number));
        const QStringList lines = WheelReportLines(sheet);
        QVERIFY(lines.contains(QStringLiteral("10 tickets of 6 numbers at 2.50 each: 25.00")));
        const Printout printout = WheelPrintout(sheet);
        for (const QStringList& page : printout.pages)
            for (const QString& line : page)
                QVERIFY2(line.size() <= PrintableColumns, qPrintable(line));
        QCOMPARE(WheelCsv({{1, 2, 3}, {4, 5, 6}}), QByteArray("1,2,3\r\n4,5,6\r\n"));
    }
};

QTEST_APPLESS_MAIN(TestWheelPlan)
#include "tst_wheelplan.moc"
