// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "core/wheels/Wheel.h"

#include <QTest>

#include <bit>

class TestWheel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void findsProvenWheels_data()
    {
        QTest::addColumn<int>("pool");
        QTest::addColumn<int>("guarantee");
        QTest::addColumn<int>("ifDrawn");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("optimum"); // the least size possible; 0: not known
        QTest::newRow("3 if 3 of 10") << 10 << 3 << 3 << QList<int>() << 10;
        QTest::newRow("3 if 3 of 12") << 12 << 3 << 3 << QList<int>() << 15;
        QTest::newRow("4 if 4 of 11") << 11 << 4 << 4 << QList<int>() << 32;
        QTest::newRow("2 if 2 of 12") << 12 << 2 << 2 << QList<int>() << 6;
        QTest::newRow("3 if 5 of 15") << 15 << 3 << 5 << QList<int>() << 0;
        QTest::newRow("keys") << 14 << 3 << 3 << QList<int> {2, 13} << 0;
    }
    void findsProvenWheels()
    {
        QFETCH(int, pool);
        QFETCH(int, guarantee);
        QFETCH(int, ifDrawn);
        QFETCH(QList<int>, keys);
        QFETCH(int, optimum);
        WheelRequest request;
        request.poolSize = pool;
        request.ticketSize = 6;
        request.guarantee = guarantee;
        request.ifDrawn = ifDrawn;
        request.keys = keys;
        request.maxTickets = optimum;
        // Known optima end the search when reached; the others have a second.
        request.seconds = optimum > 0 ? 30 : 1;
        request.seed = 7;
        const Wheel wheel = GenerateWheel(request);
        QVERIFY2(wheel.error.isEmpty(), qPrintable(wheel.error));
        QVERIFY(wheel.proven);
        QVERIFY(CheckWheel(wheel.tickets, pool, guarantee, ifDrawn));
        if (optimum > 0)
            QCOMPARE(wheel.tickets.size(), optimum);
        for (const QList<int>& ticket : wheel.numbers()) {
            QCOMPARE(ticket.size(), 6);
            QVERIFY(ticket.first() >= 1 && ticket.last() <= pool);
            for (int key : keys)
                QVERIFY(ticket.contains(key));
        }
        // At the optimum no ticket can go: the checker must find what each one alone covered.
        for (qsizetype i = 0; optimum > 0 && i < wheel.tickets.size(); ++i) {
            QList<quint64> fewer = wheel.tickets;
            fewer.removeAt(i);
            quint64 missed = 0;
            QVERIFY(!CheckWheel(fewer, pool, guarantee, ifDrawn, &missed));
            QCOMPARE(std::popcount(missed), ifDrawn);
            QVERIFY(std::popcount(missed & wheel.tickets[i]) >= guarantee);
        }
    }

    void sameSeedSameWheel()
    {
        WheelRequest request;
        request.poolSize = 16;
        request.guarantee = 3;
        request.ifDrawn = 3;
        request.maxSteps = 300'000;
        request.seed = 42;
        const Wheel first = GenerateWheel(request);
        QVERIFY(first.proven);
        QCOMPARE(GenerateWheel(request).tickets, first.tickets);
    }

    void refusesWhatCannotBeWheeled_data()
    {
        QTest::addColumn<int>("pool");
        QTest::addColumn<int>("guarantee");
        QTest::addColumn<int>("ifDrawn");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("error");
        QTest::newRow("pool too small")
            << 6 << 3 << 3 << QList<int>() << "The pool holds from 7 to 60 numbers.";
        QTest::newRow("pool too large")
            << 61 << 3 << 3 << QList<int>() << "The pool holds from 7 to 60 numbers.";
        QTest::newRow("more matches than drawn")
            << 20 << 4 << 3 << QList<int>() << "The guarantee \"4 if 3\" needs 2 <= 4 <= 3 <= 6.";
        QTest::newRow("key outside")
            << 20 << 3 << 3 << QList<int> {21} << "The key number 21 is not in the pool 1 to 20.";
        QTest::newRow("key twice")
            << 20 << 3 << 3 << QList<int> {5, 5} << "The key number 5 is given twice.";
        QTest::newRow("keys crowd the ticket")
            << 20 << 3 << 3 << QList<int> {1, 2, 3, 4}
            << "With 4 key numbers, 3 matches cannot be guaranteed.";
        QTest::newRow("too many subsets")
            << 60 << 3 << 6 << QList<int>()
            << "The pool is too large for \"if 6\": use fewer numbers.";
    }
    void refusesWhatCannotBeWheeled()
    {
        QFETCH(int, pool);
        QFETCH(int, guarantee);
        QFETCH(int, ifDrawn);
        QFETCH(QList<int>, keys);
        QFETCH(QString, error);
        WheelRequest request;
        request.poolSize = pool;
        request.guarantee = guarantee;
        request.ifDrawn = ifDrawn;
        request.keys = keys;
        const Wheel wheel = GenerateWheel(request);
        QCOMPARE(wheel.error, error);
        QVERIFY(wheel.tickets.isEmpty());
    }

    void fullAndKeyWheels_data()
    {
        QTest::addColumn<int>("pool");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("size");
        QTest::newRow("full") << 9 << QList<int>() << 84;
        QTest::newRow("one key") << 10 << QList<int> {10} << 126;
        QTest::newRow("two keys") << 12 << QList<int> {1, 7} << 210;
    }
    void fullAndKeyWheels()
    {
        QFETCH(int, pool);
        QFETCH(QList<int>, keys);
        QFETCH(int, size);
        const QList<quint64> tickets
            = keys.isEmpty() ? FullWheel(pool, 6) : KeyWheel(pool, 6, keys);
        QCOMPARE(FullWheelSize(pool, 6, int(keys.size())), quint64(size));
        QCOMPARE(tickets.size(), size);
        QCOMPARE(QSet<quint64>(tickets.begin(), tickets.end()).size(), size);
        for (quint64 ticket : tickets) {
            const QList<int> numbers = WheelNumbers(ticket);
            QCOMPARE(numbers.size(), 6);
            QVERIFY(numbers.last() <= pool);
            for (int key : keys)
                QVERIFY(numbers.contains(key));
        }
        QVERIFY(FullWheel(pool, 6, quint64(size) - 1).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestWheel)
#include "tst_wheel.moc"
