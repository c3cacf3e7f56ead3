// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "TestToday.h"

#include "core/analysis/Ranking.h"

#include <QtTest>

Q_DECLARE_METATYPE(RankOrder)

namespace {

NumberTable countsOf(const QList<int>& counts)
{
    NumberTable table {};
    for (qsizetype i = 0; i < counts.size(); ++i)
        table[i + 1] = {counts[i] > 0 ? int(i + 1) : 0, counts[i]};
    return table;
}

QList<int> numbersOf(const NumberTable& ranked, int n)
{
    QList<int> numbers;
    for (int rank = 1; rank <= n; ++rank)
        numbers.append(ranked[rank].number);
    return numbers;
}

} // namespace

class TestRanking : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ranking_data()
    {
        QTest::addColumn<QList<int>>("counts"); // counts of 1..N
        QTest::addColumn<RankOrder>("order");
        QTest::addColumn<QList<int>>("expected");

        // Five tie passes leave 1 behind 2: the steps, not a sort key, define the order.
        QTest::newRow("nine numbers with ties")
            << QList<int> {1, 1, 1, 1, 2, 1, 1, 1, 2} << RankOrder::ByCount
            << QList<int> {5, 9, 2, 1, 3, 4, 6, 7, 8};
        QTest::newRow("four numbers with ties")
            << QList<int> {2, 5, 2, 5} << RankOrder::ByCount << QList<int> {2, 4, 1, 3};
        QTest::newRow("natural order")
            << QList<int> {2, 5, 2, 5} << RankOrder::Natural << QList<int> {1, 2, 3, 4};
        QTest::newRow("never drawn last")
            << QList<int> {0, 3, 0, 1} << RankOrder::ByCount << QList<int> {2, 4, 1, 3};
    }
    void ranking()
    {
        QFETCH(QList<int>, counts);
        QFETCH(RankOrder, order);
        QFETCH(QList<int>, expected);
        const int n = int(counts.size());
        const NumberTable ranked = RankByCount(countsOf(counts), n, order);
        QCOMPARE(numbersOf(ranked, n), expected);
        for (int rank = 1; rank <= n; ++rank)
            QCOMPARE(ranked[rank].count, counts[ranked[rank].number - 1]);
        QCOMPARE(ranked[0].number, 0);
        QCOMPARE(ranked[n + 1].number, 0);
    }

    void shellSortAloneBeforeTiePasses()
    {
        // Only the first example's tie order tells the Shell sort's walk apart from others:
        // the passes can move a number at most five places, and 1 starts behind seven others.
        const NumberTable ranked
            = RankByCount(countsOf({1, 1, 1, 1, 2, 1, 1, 1, 2}), 9, RankOrder::ByCount);
        QCOMPARE(ranked[4].number, 1);
    }

    void thirds_data()
    {
        QTest::addColumn<int>("highest");
        QTest::addColumn<QList<int>>("bounds"); // top first..last, middle, bottom
        QTest::newRow("49") << 49 << QList<int> {1, 16, 17, 32, 33, 49};
        QTest::newRow("50") << 50 << QList<int> {1, 17, 18, 33, 34, 50};
        QTest::newRow("60") << 60 << QList<int> {1, 20, 21, 40, 41, 60};
        QTest::newRow("10") << 10 << QList<int> {1, 3, 4, 7, 8, 10};
        // 16.5 and 17.5 round to even: rank 17 is in no third.
        QTest::newRow("25") << 25 << QList<int> {1, 8, 9, 16, 18, 25};
        QTest::newRow("1: empty top third") << 1 << QList<int> {1, 0, 1, 1, 2, 1};
    }
    void thirds()
    {
        QFETCH(int, highest);
        QFETCH(QList<int>, bounds);
        const RankRange top = ThirdRanks(Third::Top, highest);
        const RankRange middle = ThirdRanks(Third::Middle, highest);
        const RankRange bottom = ThirdRanks(Third::Bottom, highest);
        QCOMPARE((QList<int> {top.first, top.last, middle.first, middle.last, bottom.first,
                              bottom.last}),
                 bounds);
    }
};

QTEST_GUILESS_MAIN(TestRanking)
#include "tst_ranking.moc"
