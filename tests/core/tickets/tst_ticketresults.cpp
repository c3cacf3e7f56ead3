// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "core/tickets/BookEdits.h"
#include "core/tickets/ResultRows.h"
#include "core/tickets/TicketLines.h"

#include <QtTest>

// What the ticket window shows and takes, without the window: the example line of each game, the
// rows of the results, how a number matched, and the cells typed into the grids.
class TestTicketResults : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theExampleOfEveryGameParses_data()
    {
        QTest::addColumn<LotteryShape>("shape");
        for (const CommonShape& common : CommonShapes())
            QTest::newRow(qPrintable(common.name)) << common.shape;
    }
    void theExampleOfEveryGameParses()
    {
        QFETCH(LotteryShape, shape);
        QString error;
        const QString example = TicketLines::Example(shape);
        QVERIFY2(TicketLines::ParseLine(example, shape, &error),
                 qPrintable(example + u' ' + error));
    }

    void rowsFollowTheTickets()
    {
        // Two draws checked; three to come; nothing at all; one checked and one to come.
        BookCheck check;
        check.tickets.resize(4);
        check.tickets[0].draws.resize(2);
        check.tickets[1].pending = 3;
        check.tickets[3].draws.resize(1);
        check.tickets[3].pending = 1;
        const ResultRows rows(check);
        const QList<std::pair<int, int>> expected {{0, 0}, {0, 1}, {1, -1}, {3, 0}, {3, -1}};
        QCOMPARE(rows.size(), expected.size());
        for (int row = 0; row < rows.size(); ++row) {
            QCOMPARE(rows.at(row).ticket, expected[row].first);
            QCOMPARE(rows.at(row).draw, expected[row].second);
        }
        QCOMPARE(ResultRows(BookCheck()).size(), 0);
    }

    void aBonusMatchIsNoMainMatch_data()
    {
        QTest::addColumn<int>("game"); // in CommonShapes()
        QTest::addColumn<QList<int>>("main");
        QTest::addColumn<QList<int>>("extra");
        QTest::addColumn<QList<std::int16_t>>("drawn");
        QTest::addColumn<QList<int>>("matches"); // a NumberMatch per number
        const int none = int(NumberMatch::None);
        const int main = int(NumberMatch::Main);
        const int extra = int(NumberMatch::Extra);
        QTest::newRow("6 of 49 + bonus")
            << findGame(QStringLiteral("6 of 49 + bonus")) << QList<int> {1, 2, 3, 4, 5, 6}
            << QList<int>() << QList<std::int16_t> {1, 2, 3, 40, 41, 42, 4}
            << QList<int> {main, main, main, extra, none, none};
        QTest::newRow("5 of 69 + 1 of 26")
            << findGame(QStringLiteral("5 of 69 + 1 of 26")) << QList<int> {1, 2, 3, 4, 5}
            << QList<int> {3} << QList<std::int16_t> {1, 20, 30, 40, 50, 3}
            << QList<int> {main, none, none, none, none, extra};
    }
    void aBonusMatchIsNoMainMatch()
    {
        QFETCH(int, game);
        QFETCH(QList<int>, main);
        QFETCH(QList<int>, extra);
        QFETCH(QList<std::int16_t>, drawn);
        QFETCH(QList<int>, matches);
        QVERIFY(game >= 0);
        DrawCheck draw;
        MatchTicket(main, extra, CommonShapes()[std::size_t(game)].shape, drawn, draw.mainMatched,
                    draw.extraMatched);
        const Ticket ticket {main, extra, QDate(), 1, 0};
        for (int n = 0; n < matches.size(); ++n)
            QCOMPARE(int(MatchOf(ticket, draw, n)), matches[n]);
    }

    void takesOrRefusesTypedAmounts_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<long long>("amount"); // -1: cleared
        QTest::newRow("amount") << QStringLiteral("9.50") << true << 95000LL;
        QTest::newRow("empty clears") << QStringLiteral("  ") << true << -1LL;
        QTest::newRow("letters") << QStringLiteral("abc") << false << 0LL;
        QTest::newRow("negative") << QStringLiteral("-1") << false << 0LL;
    }
    void takesOrRefusesTypedAmounts()
    {
        QFETCH(QString, typed);
        QFETCH(bool, taken);
        QFETCH(long long, amount);
        const BookEdits::AmountEdit edit = BookEdits::PublishedAmount(typed);
        QCOMPARE(edit.refusal.isEmpty(), taken);
        if (taken)
            QCOMPARE(edit.amount.value_or(-1), amount);
    }

    void refusesAPrizeRowItCannotKeep()
    {
        TicketBook book;
        book.prizes.rows = {{3, 0, QStringLiteral("Tier 4"), std::nullopt},
                            {4, 0, QStringLiteral("Tier 3"), std::nullopt}};
        using namespace BookEdits;
        QCOMPARE(PrizeCell(book, 0, MainColumn, QStringLiteral("5")).row.main, 5);
        QVERIFY(PrizeCell(book, 0, MainColumn, QStringLiteral("5")).refusal.isEmpty());
        QVERIFY(!PrizeCell(book, 0, MainColumn, QStringLiteral("4")).refusal.isEmpty()); // twice
        QVERIFY(!PrizeCell(book, 0, MainColumn, QStringLiteral("x")).refusal.isEmpty());
        QVERIFY(!PrizeCell(book, 1, AmountColumn, QStringLiteral("abc")).refusal.isEmpty());
        QCOMPARE(PrizeCell(book, 1, AmountColumn, QStringLiteral("2.50")).row.amount, 25000LL);
    }

private:
    static int findGame(const QString& name)
    {
        const auto& shapes = CommonShapes();
        for (std::size_t i = 0; i < shapes.size(); ++i)
            if (shapes[i].name == name)
                return int(i);
        return -1;
    }
};

QTEST_GUILESS_MAIN(TestTicketResults)
#include "tst_ticketresults.moc"
