// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "TestDraws.h"
#include "TestToday.h"

#include "ScriptedRandomSource.h"

#include "core/analysis/NumberPicker.h"
#include "core/analysis/Ranking.h"
#include "core/app/SharedState.h"
#include "core/common/EntropyRandomSource.h"

#include <QtTest>

Q_DECLARE_METATYPE(PickMode)
Q_DECLARE_METATYPE(LotteryShape)

class TestNumberPicker : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void entropySourceIsUniformThroughReseeding()
    {
        // Picking reseeds before every draw: the values must stay in [0, 1) and spread evenly.
        EntropyRandomSource random;
        std::array<int, 10> buckets {};
        constexpr int draws = 100000;
        for (int i = 0; i < draws; ++i) {
            random.reseedFromClock();
            const float u = random.nextUniform();
            QVERIFY(u >= 0.0f && u < 1.0f);
            ++buckets[std::size_t(u * 10)];
        }
        for (int count : buckets)
            QVERIFY2(std::abs(count - draws / 10) < 600, qPrintable(QString::number(count)));

        EntropyRandomSource other;
        QVERIFY(random.nextUniform() != other.nextUniform()
                || random.nextUniform() != other.nextUniform());
    }

    void init()
    {
        m_state.Store.Reset();
        m_random = ScriptedRandomSource();
    }

    void fullRangeSetsAreDistinctAndAscending()
    {
        // The 3rd and 4th draws repeat numbers already in the set and are drawn again.
        m_random.pickIndexes({40, 7, 40, 7, 12, 3, 49, 1}, 49);
        const PickResult result = pick({{6, 49}, 1, PickMode::FullRange});

        QCOMPARE(setOf(result, 1, 6), (QList<int> {1, 3, 7, 12, 40, 49}));
        QCOMPARE(result.duplicates, 2);
        QCOMPARE(int(result.pool.size()), 49);
        QVERIFY(result.shortage.isEmpty());
        QCOMPARE(m_random.reseeds, 8); // before every draw
    }

    void moreSetsThanOneKeepTheirOwnNumbers()
    {
        m_random.pickIndexes({2, 1, 1, 2}, 5);
        const PickResult result = pick({{2, 5}, 2, PickMode::FullRange});
        QCOMPARE(setOf(result, 1, 2), (QList<int> {1, 2}));
        QCOMPARE(setOf(result, 2, 2), (QList<int> {1, 2}));
        QCOMPARE(setOf(result, 3, 2), (QList<int> {0, 0}));
    }

    void poolRunningDryStopsAfter5000Rejections()
    {
        m_random.pickIndexes({5, 3, 1, 4, 2}, 5);
        const PickResult result = pick({{6, 5}, 1, PickMode::FullRange});

        QCOMPARE(result.shortage, QStringLiteral(" No enough Data"));
        // The sets keep the numbers drawn so far, in drawing order, and an empty place.
        QCOMPARE(setOf(result, 1, 6), (QList<int> {5, 3, 1, 4, 2, 0}));
        QCOMPARE(result.duplicates, 5000);
    }

    void duplicateCounterRunsAcrossSets()
    {
        // Every set of two from a pool of two is possible, but each set wastes draws.
        m_random.pickIndexes({1, 1, 1, 1, 2}, 2);
        const PickResult result = pick({{2, 2}, 10, PickMode::FullRange});
        QCOMPARE(result.duplicates, 30);
        QCOMPARE(setOf(result, 10, 2), (QList<int> {1, 2}));
    }

    void indexStaysInsideThePool()
    {
        m_random.values = {0.99999994f, 0.0f};
        const PickResult result = pick({{2, 60}, 1, PickMode::FullRange});
        QCOMPARE(setOf(result, 1, 2), (QList<int> {1, 60}));
    }

    void thirdModes_data()
    {
        QTest::addColumn<PickMode>("mode");
        QTest::addColumn<int>("highest");
        QTest::addColumn<bool>("allDrawn");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QList<int>>("pool");

        QTest::newRow("top third")
            << PickMode::TopThird << 9 << true << QString() << QList<int> {9, 8, 7};
        QTest::newRow("middle third")
            << PickMode::MiddleThird << 9 << true << QString() << QList<int> {6, 5, 4};
        QTest::newRow("bottom third")
            << PickMode::BottomThird << 9 << true << QString() << QList<int> {3, 2, 1};
        QTest::newRow("never drawn in the bottom third")
            << PickMode::BottomThird << 9 << false << QStringLiteral(" Not enough bottom data")
            << QList<int> {3, 2, 1};
        QTest::newRow("never drawn, middle third is fine")
            << PickMode::MiddleThird << 9 << false << QString() << QList<int> {6, 5, 4};
    }
    void thirdModes()
    {
        QFETCH(PickMode, mode);
        QFETCH(int, highest);
        QFETCH(bool, allDrawn);
        QFETCH(QString, message);
        QFETCH(QList<int>, pool);

        // Number n is drawn n times, so the ranking is 9, 8, ..., 1; without 1 when not all drawn.
        QList<QList<int>> draws;
        for (int n = allDrawn ? 1 : 2; n <= highest; ++n)
            for (int times = 0; times < n; ++times)
                draws.append(QList<int> {n});
        LoadWeeklyDraws(m_state.Store, {1, highest}, draws);

        m_random.pickIndexes({1, 2, 3}, 3);
        const PickOutcome outcome
            = NumberPicker(m_random).PickNumbers({{3, highest}, 1, mode}, m_state.Store);

        if (message.isEmpty()) {
            const auto* result = std::get_if<PickResult>(&outcome);
            QVERIFY(result);
            QCOMPARE(QList<int>(result->pool.begin(), result->pool.end()), pool);
            QVERIFY(result->shortage.isEmpty());
            QList<int> sorted = pool;
            std::sort(sorted.begin(), sorted.end());
            QCOMPARE(setOf(*result, 1, 3), sorted);
        } else {
            const auto* abort = std::get_if<PickAbort>(&outcome);
            QVERIFY(abort);
            QCOMPARE(abort->message, message);
        }
    }

    void thirdWithoutRecords()
    {
        const PickOutcome outcome
            = NumberPicker(m_random).PickNumbers({{6, 49}, 1, PickMode::TopThird}, m_state.Store);
        const auto* abort = std::get_if<PickAbort>(&outcome);
        QVERIFY(abort);
        QCOMPARE(abort->message, QStringLiteral(" No records in database"));
        QCOMPARE(m_random.reseeds, 0);
    }

    void emptyTopThirdEndsWithNoEnoughData()
    {
        LoadWeeklyDraws(m_state.Store, {1, 1}, {{1}});
        m_random.values = {0.3f};
        const PickResult result = pick({{1, 1}, 1, PickMode::TopThird});
        QVERIFY(result.pool.empty());
        QCOMPARE(result.shortage, QStringLiteral(" No enough Data"));
    }

    // A third is ranked by count, whatever order a chart shows.
    void thirdIsRankedByCount()
    {
        LoadWeeklyDraws(m_state.Store, {1, 3}, {{3}, {3}, {2}});
        m_random.pickIndexes({1}, 1);
        const PickResult result = pick({{1, 3}, 1, PickMode::TopThird});
        QCOMPARE(result.pool, std::vector<int> {3});
    }

    // Every set gets its extra numbers from their own range (or the chosen third of how often
    // each was drawn), different from each other, ascending, and a bonus from the main pool
    // different from the set's main numbers too.
    void extraNumbersStayInTheirPool_data()
    {
        QTest::addColumn<LotteryShape>("shape");
        QTest::addColumn<PickMode>("mode");
        QTest::addColumn<QList<int>>("allowed"); // empty: the whole range
        using Extra = LotteryShape::ExtraPool;
        QTest::newRow("1 of 26") << LotteryShape {5, 69, 1, Extra::Own, 1, 26}
                                 << PickMode::FullRange << QList<int> {};
        QTest::newRow("a digit") << LotteryShape {6, 49, 1, Extra::Own, 0, 9} << PickMode::FullRange
                                 << QList<int> {};
        QTest::newRow("2 of 12") << LotteryShape {5, 50, 2, Extra::Own, 1, 12}
                                 << PickMode::FullRange << QList<int> {};
        QTest::newRow("2 of 2") << LotteryShape {5, 50, 2, Extra::Own, 1, 2} << PickMode::FullRange
                                << QList<int> {};
        QTest::newRow("a bonus of 7")
            << LotteryShape {6, 7, 1, Extra::Main, 1, 1} << PickMode::FullRange << QList<int> {};
        QTest::newRow("two bonus of 99")
            << LotteryShape {20, 99, 2, Extra::Main, 1, 1} << PickMode::FullRange << QList<int> {};
        // The draws below make 0, 1, 2 the most drawn digits: the top third of ten.
        QTest::newRow("top third of digits") << LotteryShape {1, 9, 1, Extra::Own, 0, 9}
                                             << PickMode::TopThird << QList<int> {0, 1, 2};
    }
    void extraNumbersStayInTheirPool()
    {
        QFETCH(LotteryShape, shape);
        QFETCH(PickMode, mode);
        QFETCH(QList<int>, allowed);
        QList<QList<int>> draws;
        for (int digit = 0; digit <= 9; ++digit)
            for (int times = digit < 3 ? 5 : 1; times > 0; --times)
                draws.append(QList<int> {int(draws.size()) % 9 + 1, digit});
        LoadWeeklyDraws(m_state.Store, {1, 9, 1, LotteryShape::ExtraPool::Own, 0, 9}, draws);

        EntropyRandomSource random;
        for (int run = 0; run < 50; ++run) {
            const PickOutcome outcome = NumberPicker(random).PickNumbers(
                {shape, LotteryShape::MaxEntryForms, mode}, m_state.Store);
            const auto* result = std::get_if<PickResult>(&outcome);
            QVERIFY(result);
            QVERIFY(result->shortage.isEmpty());
            for (int s = 1; s <= LotteryShape::MaxEntryForms; ++s) {
                const QList<int> main = setOf(*result, s, shape.numbersPerDraw);
                int previous = NoExtra;
                for (int x = 0; x < shape.extraNumbers; ++x) {
                    const int extra = result->extras[std::size_t(s)][std::size_t(x)];
                    QVERIFY2(extra > previous, qPrintable(QString::number(extra)));
                    QVERIFY(extra >= shape.extraMin() && extra <= shape.extraMax());
                    QVERIFY(allowed.isEmpty() || allowed.contains(extra));
                    QVERIFY(shape.hasOwnPool() || !main.contains(extra));
                    previous = extra;
                }
            }
        }
    }

private:
    // A pick that is expected to run.
    PickResult pick(const PickSettings& settings)
    {
        const PickOutcome outcome = NumberPicker(m_random).PickNumbers(settings, m_state.Store);
        if (const auto* abort = std::get_if<PickAbort>(&outcome))
            qFatal("the pick did not run: %s", qPrintable(abort->message));
        return std::get<PickResult>(outcome);
    }

    static QList<int> setOf(const PickResult& result, int set, int picks)
    {
        QList<int> numbers;
        for (int k = 1; k <= picks; ++k)
            numbers.append(result.sets[set][k]);
        return numbers;
    }

    SharedState m_state;
    ScriptedRandomSource m_random;
};

QTEST_GUILESS_MAIN(TestNumberPicker)
#include "tst_numberpicker.moc"
