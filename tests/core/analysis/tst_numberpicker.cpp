#include "RecordingMessageBoxes.h"
#include "ScriptedRandomSource.h"

#include "core/analysis/NumberPicker.h"
#include "core/app/SharedState.h"
#include "core/common/EntropyRandomSource.h"

#include <QtTest>

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
        m_state = SharedState();
        m_messages.clear();
        m_random = ScriptedRandomSource();
    }

    void fullRangeSetsAreDistinctAndAscending()
    {
        // The 3rd and 4th draws repeat numbers already in the set and are drawn again.
        m_random.pickIndexes({40, 7, 40, 7, 12, 3, 49, 1}, 49);
        NumberPicker picker(m_random, m_messages);
        picker.PickNumbers({6, 49, 1, PickFullRange}, m_state.Store);

        QCOMPARE(setOf(picker, 1, 6), (QList<int> {1, 3, 7, 12, 40, 49}));
        QCOMPARE(picker.duplicateCount(), 2);
        QCOMPARE(picker.PoolSize(), 49);
        QVERIFY(!picker.PickAborted());
        QVERIFY(m_messages.boxes.isEmpty());
        QCOMPARE(m_random.reseeds, 8); // before every draw
    }

    void moreSetsThanOneKeepTheirOwnNumbers()
    {
        m_random.pickIndexes({2, 1, 1, 2}, 5);
        NumberPicker picker(m_random, m_messages);
        picker.PickNumbers({2, 5, 2, PickFullRange}, m_state.Store);
        QCOMPARE(setOf(picker, 1, 2), (QList<int> {1, 2}));
        QCOMPARE(setOf(picker, 2, 2), (QList<int> {1, 2}));
        QCOMPARE(setOf(picker, 3, 2), (QList<int> {0, 0}));
    }

    void poolRunningDryStopsAfter5000Rejections()
    {
        m_random.pickIndexes({5, 3, 1, 4, 2}, 5);
        NumberPicker picker(m_random, m_messages);
        picker.PickNumbers({6, 5, 1, PickFullRange}, m_state.Store);

        QCOMPARE(m_messages.texts(), QStringList {QStringLiteral(" No enough Data")});
        QCOMPARE(m_messages.boxes.first().title, QStringLiteral("Help"));
        // The sets keep the numbers drawn so far, in drawing order, and an empty place.
        QCOMPARE(setOf(picker, 1, 6), (QList<int> {5, 3, 1, 4, 2, 0}));
        QCOMPARE(picker.duplicateCount(), 5000);
        QVERIFY(!picker.PickAborted());
    }

    void duplicateCounterRunsAcrossSets()
    {
        // Every set of two from a pool of two is possible, but each set wastes draws.
        m_random.pickIndexes({1, 1, 1, 1, 2}, 2);
        NumberPicker picker(m_random, m_messages);
        picker.PickNumbers({2, 2, 10, PickFullRange}, m_state.Store);
        QCOMPARE(picker.duplicateCount(), 30);
        QCOMPARE(setOf(picker, 10, 2), (QList<int> {1, 2}));
    }

    void indexStaysInsideThePool()
    {
        m_random.values = {0.99999994f, 0.0f};
        NumberPicker picker(m_random, m_messages);
        picker.PickNumbers({2, 60, 1, PickFullRange}, m_state.Store);
        QCOMPARE(setOf(picker, 1, 2), (QList<int> {1, 60}));
    }

    void thirdModes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("highest");
        QTest::addColumn<bool>("allDrawn");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QList<int>>("pool");

        QTest::newRow("top third")
            << int(PickTopThird) << 9 << true << QString() << QList<int> {9, 8, 7};
        QTest::newRow("middle third")
            << int(PickMiddleThird) << 9 << true << QString() << QList<int> {6, 5, 4};
        QTest::newRow("bottom third")
            << int(PickBottomThird) << 9 << true << QString() << QList<int> {3, 2, 1};
        QTest::newRow("never drawn in the bottom third")
            << int(PickBottomThird) << 9 << false << QStringLiteral(" Not enough bottom data")
            << QList<int> {3, 2, 1};
        QTest::newRow("never drawn, middle third is fine")
            << int(PickMiddleThird) << 9 << false << QString() << QList<int> {6, 5, 4};
    }
    void thirdModes()
    {
        QFETCH(int, mode);
        QFETCH(int, highest);
        QFETCH(bool, allDrawn);
        QFETCH(QString, message);
        QFETCH(QList<int>, pool);

        // Number n is drawn n times, so the ranking is 9, 8, ..., 1; without 1 when not all drawn.
        DrawStore& store = m_state.Store;
        store.SetColCount(3);
        store.SetHighNum(highest);
        for (int n = allDrawn ? 1 : 2; n <= highest; ++n)
            for (int times = 0; times < n; ++times)
                store.AppendRecord(QStringLiteral("2026-01-01"), {QString::number(n)});
        store.CountNumbers();

        m_random.pickIndexes({1, 2, 3}, 3);
        NumberPicker picker(m_random, m_messages);
        picker.PickNumbers({3, highest, 1, mode}, m_state.Store);

        QList<int> poolNumbers;
        for (int i = 1; i <= picker.PoolSize(); ++i)
            poolNumbers.append(picker.PickPool()[i][0]);
        QCOMPARE(poolNumbers, pool);
        if (message.isEmpty()) {
            QVERIFY(m_messages.boxes.isEmpty());
            QVERIFY(!picker.PickAborted());
            QList<int> sorted = pool;
            std::sort(sorted.begin(), sorted.end());
            QCOMPARE(setOf(picker, 1, 3), sorted);
        } else {
            QCOMPARE(m_messages.texts(), QStringList {message});
            QVERIFY(picker.PickAborted());
        }
    }

    void thirdWithoutRecords()
    {
        NumberPicker picker(m_random, m_messages);
        picker.PickNumbers({6, 49, 1, PickTopThird}, m_state.Store);
        QCOMPARE(m_messages.texts(), QStringList {QStringLiteral(" No records in database")});
        QVERIFY(picker.PickAborted());
        QCOMPARE(m_random.reseeds, 0);
    }

    void emptyTopThirdEndsWithNoEnoughData()
    {
        m_state.Store.SetColCount(3);
        m_state.Store.SetHighNum(1);
        m_state.Store.AppendRecord(QStringLiteral("2026-01-01"), {QStringLiteral("1")});
        m_state.Store.CountNumbers();
        m_random.values = {0.3f};
        NumberPicker picker(m_random, m_messages);
        picker.PickNumbers({1, 1, 1, PickTopThird}, m_state.Store);
        QCOMPARE(picker.PoolSize(), 0);
        QCOMPARE(m_messages.texts(), QStringList {QStringLiteral(" No enough Data")});
    }

private:
    static QList<int> setOf(const NumberPicker& picker, int set, int picks)
    {
        QList<int> numbers;
        for (int k = 1; k <= picks; ++k)
            numbers.append(picker.PickResults()[set][k]);
        return numbers;
    }

    SharedState m_state;
    RecordingMessageBoxes m_messages;
    ScriptedRandomSource m_random;
};

QTEST_GUILESS_MAIN(TestNumberPicker)
#include "tst_numberpicker.moc"
