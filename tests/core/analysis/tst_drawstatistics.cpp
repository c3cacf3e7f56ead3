// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "TestDraws.h"
#include "TestToday.h"

#include "core/analysis/ChiSquare.h"
#include "core/analysis/DrawStatistics.h"
#include "core/analysis/NumberStatsCsv.h"
#include "core/analysis/NumberStatsPrintout.h"

#include "core/common/TextFormat.h"

#include <QRandomGenerator>
#include <QtTest>

#include <cmath>
#include <memory>

Q_DECLARE_METATYPE(LotteryShape)

namespace {

using Draws = QList<QList<int>>;

// A store of weekly draws from 1996-01-06 on, `perDraw` numbers from 1..highNum each.
std::unique_ptr<DrawStore> storeOf(int highNum, int perDraw, const Draws& draws)
{
    auto store = std::make_unique<DrawStore>();
    LoadWeeklyDraws(*store, {perDraw, highNum}, draws, QDate(1996, 1, 6));
    return store;
}

// Five numbers, two per draw. Worked out by hand over all six draws:
// 1 in draws 1 2 4 5, 2 in 1 3 4 6, 3 in 2 3 6, 4 in 5, 5 never.
const Draws smallDraws {{1, 2}, {1, 3}, {2, 3}, {1, 2}, {4, 1}, {2, 3}};

QList<int> column(const DrawStatistics& stats, int NumberFigures::*field)
{
    QList<int> values;
    for (const NumberFigures& figures : stats.numbers)
        values.append(figures.*field);
    return values;
}

} // namespace

class TestDrawStatistics : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void figuresOverAWindow_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<double>("expected");
        QTest::addColumn<QList<int>>("drawn");
        QTest::addColumn<QList<int>>("lastRecord");
        QTest::addColumn<QList<int>>("outFor");
        QTest::addColumn<QList<int>>("longestGap");
        QTest::addColumn<QList<double>>("averageGap"); // -1: none
        QTest::addColumn<QList<int>>("pairs"); // first, second, count, ...
        QTest::addColumn<double>("expectedPair");

        // Gaps of 1: 0 before, then 0 1 0 between its draws, 1 after. Of 4: 4 before, 1 after.
        QTest::newRow("all draws")
            << 0 << 2.4 << QList<int> {4, 4, 3, 1, 0} << QList<int> {5, 6, 6, 5, 0}
            << QList<int> {1, 0, 0, 1, 6} << QList<int> {1, 1, 2, 4, 6}
            << QList<double> {1.0 / 3, 2.0 / 3, 1, -1, -1}
            << QList<int> {1, 2, 2, 2, 3, 2, 1, 3, 1, 1, 4, 1} << 0.6;
        QTest::newRow("more than there are")
            << 100 << 2.4 << QList<int> {4, 4, 3, 1, 0} << QList<int> {5, 6, 6, 5, 0}
            << QList<int> {1, 0, 0, 1, 6} << QList<int> {1, 1, 2, 4, 6}
            << QList<double> {1.0 / 3, 2.0 / 3, 1, -1, -1}
            << QList<int> {1, 2, 2, 2, 3, 2, 1, 3, 1, 1, 4, 1} << 0.6;
        // Draws 4 5 6: {1 2} {4 1} {2 3}. The window limits the counts and the pairs; when a
        // number was drawn last and its gaps are those of all draws.
        QTest::newRow("last three")
            << 3 << 1.2 << QList<int> {2, 2, 1, 1, 0} << QList<int> {5, 6, 6, 5, 0}
            << QList<int> {1, 0, 0, 1, 6} << QList<int> {1, 1, 2, 4, 6}
            << QList<double> {1.0 / 3, 2.0 / 3, 1, -1, -1} << QList<int> {1, 2, 1, 1, 4, 1, 2, 3, 1}
            << 0.3;
        QTest::newRow("last one") << 1 << 0.4 << QList<int> {0, 1, 1, 0, 0}
                                  << QList<int> {5, 6, 6, 5, 0} << QList<int> {1, 0, 0, 1, 6}
                                  << QList<int> {1, 1, 2, 4, 6}
                                  << QList<double> {1.0 / 3, 2.0 / 3, 1, -1, -1}
                                  << QList<int> {2, 3, 1} << 0.1;
    }
    void figuresOverAWindow()
    {
        QFETCH(int, window);
        QFETCH(double, expected);
        QFETCH(QList<int>, drawn);
        QFETCH(QList<int>, lastRecord);
        QFETCH(QList<int>, outFor);
        QFETCH(QList<int>, longestGap);
        QFETCH(QList<double>, averageGap);
        QFETCH(QList<int>, pairs);
        QFETCH(double, expectedPair);

        const std::unique_ptr<DrawStore> stored = storeOf(5, 2, smallDraws);
        const DrawStore& store = *stored;
        const DrawStatistics stats = ComputeDrawStatistics(store, window);
        QCOMPARE(stats.draws, std::min(window > 0 ? window : 6, 6));
        QCOMPARE(stats.numbers.size(), 5);
        QCOMPARE(column(stats, &NumberFigures::drawn), drawn);
        QCOMPARE(column(stats, &NumberFigures::lastRecord), lastRecord);
        QCOMPARE(column(stats, &NumberFigures::outFor), outFor);
        QCOMPARE(column(stats, &NumberFigures::longestGap), longestGap);
        for (const NumberFigures& figures : stats.numbers) {
            const double average = averageGap[figures.number - 1];
            QCOMPARE(figures.averageGap.has_value(), average >= 0);
            if (average >= 0)
                QCOMPARE(*figures.averageGap, average);
            QCOMPARE(figures.expected, expected);
            QCOMPARE(figures.difference, figures.drawn - expected);
            const QDate date = figures.neverDrawn() ? QDate() : store.date(figures.lastRecord);
            QCOMPARE(figures.lastDate, date);
            if (window == 0)
                QCOMPARE(figures.drawn, store.NumberCounts()[figures.number].count);
        }
        QList<int> pairTriples;
        for (const PairFigures& pair : stats.topPairs)
            pairTriples << pair.first << pair.second << pair.count;
        QCOMPARE(pairTriples, pairs);
        QCOMPARE(stats.expectedPairCount, expectedPair);
    }

    // Each pool by its own shape: the main numbers without the extra ones, up to 99 of them;
    // the extra numbers by themselves, from their own range or as a bonus from the main pool.
    void poolsOfEveryShape_data()
    {
        QTest::addColumn<LotteryShape>("shape");
        QTest::addColumn<Pool>("pool");
        QTest::addColumn<Draws>("draws"); // main numbers, then the extra ones
        QTest::addColumn<int>("lowest");
        QTest::addColumn<int>("highest");
        QTest::addColumn<QList<int>>("drawn"); // number, times drawn, ...
        QTest::addColumn<QList<int>>("topPair"); // first, second, count; none when empty

        using Extra = LotteryShape::ExtraPool;
        const LotteryShape sixOf90 {6, 90};
        const LotteryShape powerball {5, 69, 1, Extra::Own, 1, 26};
        const Draws powerDraws {{1, 2, 3, 4, 69, 26}, {64, 65, 66, 67, 68, 1}, {1, 2, 3, 4, 5, 26}};
        QTest::newRow("6 of 90") << sixOf90 << Pool::Main
                                 << Draws {{1, 64, 70, 90, 2, 3}, {64, 90, 5, 6, 7, 8}} << 1 << 90
                                 << QList<int> {64, 2, 90, 2, 1, 1, 4, 0} << QList<int> {64, 90, 2};
        QTest::newRow("20 of 80") << LotteryShape {20, 80} << Pool::Main
                                  << Draws {{61, 62, 63, 64, 65, 66, 67, 68, 69, 70,
                                             71, 72, 73, 74, 75, 76, 77, 78, 79, 80}}
                                  << 1 << 80 << QList<int> {80, 1, 60, 0} << QList<int> {61, 62, 1};
        QTest::newRow("main numbers without the extra one")
            << powerball << Pool::Main << powerDraws << 1 << 69
            << QList<int> {1, 2, 26, 0, 69, 1, 64, 1} << QList<int> {1, 2, 2};
        QTest::newRow("an own pool") << powerball << Pool::Extra << powerDraws << 1 << 26
                                     << QList<int> {26, 2, 1, 1, 5, 0} << QList<int> {};
        QTest::newRow("a digit from 0")
            << LotteryShape {6, 49, 1, Extra::Own, 0, 9} << Pool::Extra
            << Draws {{1, 2, 3, 4, 5, 6, 0}, {7, 8, 9, 10, 11, 12, 0}, {1, 2, 3, 4, 5, 6, 9}} << 0
            << 9 << QList<int> {0, 2, 9, 1, 1, 0} << QList<int> {};
        QTest::newRow("two of 12") << LotteryShape {5, 50, 2, Extra::Own, 1, 12} << Pool::Extra
                                   << Draws {{1, 2, 3, 4, 5, 3, 12}, {6, 7, 8, 9, 10, 12, 1}} << 1
                                   << 12 << QList<int> {12, 2, 3, 1, 1, 1, 5, 0} << QList<int> {};
        QTest::newRow("a bonus of 90") << LotteryShape {6, 90, 1, Extra::Main, 1, 1} << Pool::Extra
                                       << Draws {{1, 2, 3, 4, 5, 6, 80}, {1, 2, 3, 4, 5, 6, 7}} << 1
                                       << 90 << QList<int> {80, 1, 7, 1, 1, 0} << QList<int> {};
    }
    void poolsOfEveryShape()
    {
        QFETCH(LotteryShape, shape);
        QFETCH(Pool, pool);
        QFETCH(Draws, draws);
        QFETCH(int, lowest);
        QFETCH(int, highest);
        QFETCH(QList<int>, drawn);
        QFETCH(QList<int>, topPair);

        DrawStore store;
        store.setShape(shape);
        QDate date(2024, 1, 6);
        for (const QList<int>& draw : draws)
            store.AppendRecord(date = date.addDays(7), draw);
        const DrawStatistics stats = ComputeDrawStatistics(store, 0, pool);
        const int size = highest - lowest + 1;
        const int perDraw = pool == Pool::Main ? shape.numbersPerDraw : shape.extraNumbers;
        QCOMPARE(stats.numbers.size(), size);
        QCOMPARE(stats.numbers.first().number, lowest);
        QCOMPARE(stats.numbers.last().number, highest);
        QCOMPARE(stats.expectedCount, double(draws.size()) * perDraw / size);
        QCOMPARE(stats.fairness.degreesOfFreedom, size - 1);
        // Over all draws, each pool's figures are the store's counts of it.
        const NumberTable& counts = pool == Pool::Main ? store.NumberCounts() : store.ExtraCounts();
        for (const NumberFigures& figures : stats.numbers)
            QCOMPARE(figures.drawn, counts[std::size_t(figures.number)].count);
        for (qsizetype i = 0; i < drawn.size(); i += 2)
            QCOMPARE(stats.numbers[drawn[i] - lowest].drawn, drawn[i + 1]);
        QCOMPARE(stats.topPairs.isEmpty(), topPair.isEmpty());
        if (!topPair.isEmpty())
            QCOMPARE(stats.topPairs.first(), (PairFigures {topPair[0], topPair[1], topPair[2]}));
        // The chart's out-for rows hold every number of the pool, 0 included.
        const NumberTable outFor = stats.OutForTable();
        QCOMPARE(outFor[std::size_t(highest)].number, highest);
        QCOMPARE(outFor[std::size_t(lowest)].number, lowest);
    }

    // A long history is walked in two halves at once: its figures are those of a plain count,
    // for a number drawn in the first half only, in the second only, never, and every day.
    void longHistoryInHalves_data()
    {
        QTest::addColumn<int>("lastDraws");
        QTest::newRow("all draws") << 0;
        QTest::newRow("a window in the second half") << 1000;
        QTest::newRow("a window across the halves") << 40000;
    }
    void longHistoryInHalves()
    {
        QFETCH(int, lastDraws);
        constexpr int total = 60000;
        constexpr int n = 49;
        QRandomGenerator random(26);
        Draws draws;
        for (int d = 0; d < total; ++d) {
            QList<int> draw {1}; // 1 every draw; 49 in the first half, 48 in the second, 47 never
            draw.append(d < total / 2 ? 49 : 48);
            while (draw.size() < 6)
                if (const int number = 2 + int(random.bounded(45)); !draw.contains(number))
                    draw.append(number);
            draws.append(draw);
        }
        const auto store = storeOf(n, 6, draws);
        const DrawStatistics stats = ComputeDrawStatistics(*store, lastDraws);
        const int firstCounted = lastDraws > 0 ? total - lastDraws : 0;
        std::vector<int> together(std::size_t((n + 1) * (n + 1)));
        for (int number = 1; number <= n; ++number) {
            int drawn = 0;
            int held = 0;
            int firstHeld = 0;
            int previous = 0;
            int longest = 0;
            for (int d = 0; d < total; ++d) {
                if (!draws[d].contains(number))
                    continue;
                drawn += d >= firstCounted;
                longest = std::max(longest, d + 1 - previous - 1);
                firstHeld = held++ == 0 ? d + 1 : firstHeld;
                previous = d + 1;
                if (d >= firstCounted)
                    for (const int other : draws[d])
                        together[std::size_t(number * (n + 1) + other)] += other > number;
            }
            const NumberFigures& figures = stats.numbers[number - 1];
            QCOMPARE(figures.drawn, drawn);
            QCOMPARE(figures.lastRecord, previous);
            QCOMPARE(figures.outFor, total - previous);
            QCOMPARE(figures.longestGap, std::max(longest, total - previous));
            QCOMPARE(figures.averageGap.has_value(), held > 1);
            if (held > 1)
                QCOMPARE(*figures.averageGap, double(previous - firstHeld + 1 - held) / (held - 1));
        }
        QVERIFY(!stats.topPairs.isEmpty());
        for (const PairFigures& pair : stats.topPairs)
            QCOMPARE(pair.count, together[std::size_t(pair.first * (n + 1) + pair.second)]);
        QCOMPARE(stats.topPairs.first().count, *std::max_element(together.begin(), together.end()));
    }

    void chiSquareOfTheSmallStore()
    {
        // Pearson's sum (1.6² + 1.6² + 0.6² + 1.4² + 2.4²) / 2.4 = 5.5, times (5 - 1) / (5 - 2)
        // for two different numbers per draw; with 4 degrees of freedom the tail is
        // e^(-x/2) (1 + x/2).
        const FairnessCheck check = ComputeDrawStatistics(*storeOf(5, 2, smallDraws)).fairness;
        QCOMPARE(check.verdict, FairnessCheck::Verdict::Tested);
        QCOMPARE(check.degreesOfFreedom, 4);
        QVERIFY(std::abs(check.chiSquare - 22.0 / 3) < 1e-12);
        QVERIFY(std::abs(check.pValue - std::exp(-11.0 / 3) * (1 + 11.0 / 3)) < 1e-12);
        QCOMPARE(FairnessSentence(check),
                 QStringLiteral("The differences are within what chance produces (p = 0.12)."));
    }

    void degenerateStores_data()
    {
        QTest::addColumn<int>("highNum");
        QTest::addColumn<int>("perDraw");
        QTest::addColumn<Draws>("draws");
        QTest::addColumn<FairnessCheck::Verdict>("verdict");
        QTest::addColumn<double>("expectedPair");
        QTest::addColumn<int>("pairs");

        QTest::newRow("no draws") << 49 << 6 << Draws {} << FairnessCheck::Verdict::NoDraws << 0.0
                                  << 0;
        QTest::newRow("every number drawn") << 3 << 3 << Draws {{1, 2, 3}, {3, 2, 1}}
                                            << FairnessCheck::Verdict::NothingToCheck << 2.0 << 3;
        QTest::newRow("one number")
            << 1 << 1 << Draws {{1}} << FairnessCheck::Verdict::NothingToCheck << 0.0 << 0;
        QTest::newRow("one draw") << 49 << 6 << Draws {{1, 2, 3, 4, 5, 6}}
                                  << FairnessCheck::Verdict::TooFewDraws << 30.0 / 2352 << 15;
        QTest::newRow("one number per draw") << 5 << 1 << Draws {{1}, {1}, {2}, {3}, {1}, {4}}
                                             << FairnessCheck::Verdict::Tested << 0.0 << 0;
        // One draw holding 4 twice counts it twice but pairs it once; 99 is no number of 1..10.
        QTest::newRow("a number twice") << 10 << 4 << Draws {{4, 4, 7, 99}}
                                        << FairnessCheck::Verdict::TooFewDraws << 12.0 / 90 << 1;
    }
    void degenerateStores()
    {
        QFETCH(int, highNum);
        QFETCH(int, perDraw);
        QFETCH(Draws, draws);
        QFETCH(FairnessCheck::Verdict, verdict);
        QFETCH(double, expectedPair);
        QFETCH(int, pairs);

        const DrawStatistics stats = ComputeDrawStatistics(*storeOf(highNum, perDraw, draws));
        QCOMPARE(stats.fairness.verdict, verdict);
        QVERIFY(std::isfinite(stats.fairness.chiSquare) && std::isfinite(stats.fairness.pValue));
        QVERIFY(std::abs(stats.expectedPairCount - expectedPair) < 1e-12);
        QCOMPARE(stats.topPairs.size(), pairs);
        QVERIFY(!FairnessSentence(stats.fairness).isEmpty());
        for (const NumberFigures& figures : stats.numbers) {
            QVERIFY(std::isfinite(figures.expected) && std::isfinite(figures.difference));
            QVERIFY(figures.outFor >= 0 && figures.outFor <= stats.draws);
            QVERIFY(figures.longestGap >= figures.outFor);
        }
        if (highNum == 10)
            QCOMPARE(stats.numbers[3].drawn, 2);
    }

    void keepsTheTwentyMostFrequentPairs()
    {
        // One draw of ten: 45 pairs once each, the first twenty in order of their numbers.
        const DrawStatistics stats
            = ComputeDrawStatistics(*storeOf(60, 10, {{10, 9, 8, 7, 6, 5, 4, 3, 2, 1}}));
        QCOMPARE(stats.topPairs.size(), DrawStatistics::TopPairCount);
        QCOMPARE(stats.topPairs.first(), (PairFigures {1, 2, 1}));
        QCOMPARE(stats.topPairs.last(), (PairFigures {3, 6, 1}));
        // The list ends within a tie, and says so.
        QCOMPARE(stats.morePairsAtLastCount, 25);
        QCOMPARE(MorePairsText(stats), QStringLiteral("and 25 more pairs drawn once"));
    }

    // What the top pair of a fair history usually reaches; checked against simulated fair
    // histories (the most frequent pair of 150 draws of 6 from 49 averages 7.8).
    void typicalTopPair_data()
    {
        QTest::addColumn<int>("draws");
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::newRow("150 of 6 from 49") << 150 << 6 << 49 << 7 << 9;
        QTest::newRow("1000 of 6 from 49") << 1000 << 6 << 49 << 24 << 28;
        QTest::newRow("10 of 6 from 49") << 10 << 6 << 49 << 2 << 3;
        QTest::newRow("100 of 5 from 50") << 100 << 5 << 50 << 4 << 6;
        // Far beyond any simulation: about 3 standard deviations above the mean of 1275.5,
        // where the first terms of the binomial underflow.
        QTest::newRow("100000 of 6 from 49") << 100000 << 6 << 49 << 1379 << 1411;
        QTest::newRow("no draws") << 0 << 6 << 49 << 0 << 0;
    }
    void typicalTopPair()
    {
        QFETCH(int, draws);
        QFETCH(int, k);
        QFETCH(int, n);
        QFETCH(int, low);
        QFETCH(int, high);
        QCOMPARE(TypicalTopPair(draws, k, n), std::make_pair(low, high));
    }

    void pValues_data()
    {
        QTest::addColumn<double>("chiSquare");
        QTest::addColumn<int>("degreesOfFreedom");
        QTest::addColumn<double>("pValue");

        // Worked out to 30 digits by an arbitrary-precision library.
        QTest::newRow("5 % of 1") << 3.841458820694124 << 1 << 0.0500000000000000584;
        QTest::newRow("small of 1") << 0.001 << 1 << 0.974772879369960389;
        QTest::newRow("2") << 1.0 << 2 << 0.606530659712633424;
        QTest::newRow("5 % of 48") << 65.17 << 48 << 0.0500066106609913779;
        QTest::newRow("5 % of 59") << 77.93 << 59 << 0.0500041361903295218;
        QTest::newRow("series side of 59") << 40.0 << 59 << 0.972531633553708592;
        QTest::newRow("near the switch") << 58.0 << 59 << 0.512395151201419248;
        QTest::newRow("100") << 100.0 << 100 << 0.481191684527956718;
        QTest::newRow("far tail") << 200.0 << 10 << 1.6139305336977305e-37;
        QTest::newRow("zero") << 0.0 << 5 << 1.0;
    }
    void pValues()
    {
        QFETCH(double, chiSquare);
        QFETCH(int, degreesOfFreedom);
        QFETCH(double, pValue);
        const double p = ChiSquarePValue(chiSquare, degreesOfFreedom);
        QVERIFY2(std::abs(p - pValue) <= 1e-12 * pValue, qPrintable(QString::number(p, 'g', 17)));
    }

    void fairDrawsPassAsOftenAsTheyShould()
    {
        // 400 fair histories of 100 draws of 6 from 49: about 5 % should look beyond chance.
        // Without the correction for six different numbers per draw it would be about 1.5 %.
        QRandomGenerator random(18);
        int beyond = 0;
        constexpr int histories = 400;
        for (int h = 0; h < histories; ++h) {
            Draws draws;
            for (int d = 0; d < 100; ++d) {
                QList<int> pool;
                for (int n = 1; n <= 49; ++n)
                    pool.append(n);
                QList<int> draw;
                for (int k = 0; k < 6; ++k)
                    draw.append(pool.takeAt(random.bounded(int(pool.size()))));
                draws.append(draw);
            }
            beyond += ComputeDrawStatistics(*storeOf(49, 6, draws)).fairness.beyondChance();
        }
        QVERIFY2(beyond >= histories * 3 / 100 && beyond <= histories * 8 / 100,
                 qPrintable(QString::number(beyond)));
    }

    void fairnessSentence_data()
    {
        QTest::addColumn<double>("pValue");
        QTest::addColumn<QString>("sentence");
        const QString within
            = QStringLiteral("The differences are within what chance produces (%1).");
        const QString beyond
            = QStringLiteral("The differences are larger than chance would usually produce (%1).");
        QTest::newRow("0.41") << 0.4123 << within.arg("p = 0.41");
        QTest::newRow("0.003") << 0.003 << beyond.arg("p = 0.003");
        QTest::newRow("shown as 0.05") << 0.0496 << within.arg("p = 0.05");
        QTest::newRow("just below") << 0.04949 << beyond.arg("p = 0.049");
        QTest::newRow("tiny") << 3e-9 << beyond.arg("p < 0.0001");
        QTest::newRow("almost 1") << 0.996 << within.arg("p > 0.99");
        QTest::newRow("0.998") << 0.998 << within.arg("p > 0.99");
        QTest::newRow("0.99") << 0.9904 << within.arg("p = 0.99");
    }
    void fairnessSentence()
    {
        QFETCH(double, pValue);
        QFETCH(QString, sentence);
        FairnessCheck check;
        check.verdict = FairnessCheck::Verdict::Tested;
        check.pValue = pValue;
        QCOMPARE(FairnessSentence(check), sentence);
    }

    void csvBytes()
    {
        QCOMPARE(
            NumberStatsCsv(ComputeDrawStatistics(*storeOf(5, 2, smallDraws)),
                           QStringLiteral("Test, weekly")),
            QByteArray("Title,\"Test, weekly\"\r\n"
                       "Numbers,main numbers\r\n"
                       "Draws counted,all 6 draws\r\n"
                       "Last drawn and gaps over,all 6 draws\r\n"
                       "Expected per number,2.40\r\n"
                       "Chi-square,7.33\r\n"
                       "Degrees of freedom,4\r\n"
                       "p-value,0.1193\r\n"
                       "Fairness,The differences are within what chance produces (p = 0.12).\r\n"
                       "Top pair of a fair history,1 to 3\r\n"
                       "\r\n"
                       "Number,Drawn,Expected,Difference,Last drawn,Out for,Longest gap,"
                       "Average gap\r\n"
                       "1,4,2.40,1.60,1996-02-03,1,1,0.33\r\n"
                       "2,4,2.40,1.60,1996-02-10,0,1,0.67\r\n"
                       "3,3,2.40,0.60,1996-02-10,0,2,1.00\r\n"
                       "4,1,2.40,-1.40,1996-02-03,1,4,\r\n"
                       "5,0,2.40,-2.40,never,6,6,\r\n"
                       "\r\n"
                       "First,Second,Together,Expected\r\n"
                       "1,2,2,0.60\r\n"
                       "2,3,2,0.60\r\n"
                       "1,3,1,0.60\r\n"
                       "1,4,1,0.60\r\n"));
    }

    void printoutColumns()
    {
        const Printout printout = NumberStatsPrintout(
            ComputeDrawStatistics(*storeOf(5, 2, smallDraws), 3), QStringLiteral("Test"), 60);
        QCOMPARE(printout.pages.size(), 1);
        const QStringList lines = printout.pages.first();
        QCOMPARE(
            lines.mid(0, 7),
            (QStringList {"", "    Number statistics for Test: the last 3 of 6 draws",
                          "    Last drawn, out for and gaps: all 6 draws",
                          "    " + QString(76, u'_'), "", QString(64, u' ') + "Longest  Average",
                          "    Number  Drawn  Expected  Difference  Last drawn    Out for"
                          "      gap      gap"}));
        QCOMPARE(lines[7],
                 QStringLiteral("         1      2       1.2        +0.8  2/3/1996            1"
                                "        1      0.3"));
        QCOMPARE(lines[11],
                 QStringLiteral("         5      0       1.2        -1.2  never               6"
                                "        6"));
        QCOMPARE(lines.mid(12),
                 (QStringList {"", "    Pairs drawn together most often (by chance 0.3 times each)",
                               "    In a fair history of 3 draws the top pair is usually drawn 1 "
                               "to 2 times.",
                               "     First  Second  Together", "         1       2         1",
                               "         1       4         1", "         2       3         1", "",
                               "    Chi-square 3.11 with 4 degrees of freedom",
                               "    The differences are within what chance produces (p = 0.54)."}));
    }

    void printoutPageBreaks()
    {
        // 49 numbers and 20 pairs at 30 lines a page: 4 heading lines, 2 column header lines and
        // 2 footer lines leave 22 rows a page.
        Draws draws;
        for (int i = 0; i < 60; ++i)
            draws.append({i % 49 + 1, (i + 7) % 49 + 1, (i + 20) % 49 + 1});
        const DrawStatistics stats = ComputeDrawStatistics(*storeOf(49, 3, draws));
        const Printout printout = NumberStatsPrintout(stats, QString(), 30);

        QCOMPARE(printout.pages.size(), 4);
        for (qsizetype p = 0; p < printout.pages.size(); ++p) {
            const QStringList& page = printout.pages[p];
            QVERIFY(page.size() <= 30);
            QCOMPARE(page[1], QStringLiteral("    Number statistics: all 60 draws"));
            QCOMPARE(page.mid(page.size() - 2),
                     (QStringList {"", QString(39, u' ') + "Page " + QString::number(p + 1)}));
        }
        // Numbers 1..22, then 23..44 under the column header again.
        for (qsizetype p = 0; p < 2; ++p) {
            QVERIFY(printout.pages[p][5].startsWith(QStringLiteral("    Number  Drawn")));
            QCOMPARE(printout.pages[p][6].left(10), RightAlign(10, QString::number(22 * p + 1)));
            QCOMPARE(printout.pages[p][27].left(10), RightAlign(10, QString::number(22 * p + 22)));
        }
        // 45..49, the pairs title of two lines with its first 13 pairs; the other 7 under the
        // title again, then the pairs tied with the last one listed.
        const QStringList& third = printout.pages[2];
        QCOMPARE(third[10].left(10), RightAlign(10, QStringLiteral("49")));
        QCOMPARE(third[11], QString());
        QVERIFY(third[12].startsWith(QStringLiteral("    Pairs drawn together")));
        QCOMPARE(third[27].left(10), RightAlign(10, QString::number(stats.topPairs[12].first)));
        const QStringList& fourth = printout.pages[3];
        QCOMPARE(fourth.mid(4, 3), third.mid(12, 3));
        QCOMPARE(fourth[13].left(10), RightAlign(10, QString::number(stats.topPairs[19].first)));
        QCOMPARE(fourth[14], QStringLiteral("    and 13 more pairs drawn 2 times"));
        QVERIFY(fourth[16].startsWith(QStringLiteral("    Chi-square")));
        QVERIFY(fourth[17].startsWith(QStringLiteral("    The differences are")));
    }
};

QTEST_GUILESS_MAIN(TestDrawStatistics)
#include "tst_drawstatistics.moc"
