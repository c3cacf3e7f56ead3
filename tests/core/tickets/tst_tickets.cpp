// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "core/draws/DrawStore.h"
#include "core/tickets/TicketBookFile.h"
#include "core/tickets/TicketCheck.h"
#include "core/tickets/TicketLines.h"
#include "core/tickets/TrackerPosting.h"
#include "core/tracker/Sheet.h"
#include "core/wheels/Wheel.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QtTest>

#include <bit>

namespace {

TicketBookFile::ReadResult readBytes(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return TicketBookFile::Read(buffer);
}

LotteryShape shapeNamed(const QString& name)
{
    for (const CommonShape& common : CommonShapes())
        if (common.name == name)
            return common.shape;
    return {};
}

// `count` distinct numbers of low..high, ascending.
QList<int> randomNumbers(QRandomGenerator& random, int count, int low, int high)
{
    QList<int> numbers;
    while (numbers.size() < count) {
        const int n = int(random.bounded(low, high + 1));
        if (!numbers.contains(n))
            numbers.append(n);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

// A draw of `shape` on `date`: the main numbers in drawn order, then the extra ones.
void appendDraw(DrawStore& store, QRandomGenerator& random, const QDate& date)
{
    const LotteryShape shape = store.shape();
    QList<int> numbers = randomNumbers(random, shape.drawnNumbers(), 1, shape.highestNumber);
    if (shape.hasOwnPool()) {
        numbers.resize(shape.numbersPerDraw);
        numbers += randomNumbers(random, shape.extraNumbers, shape.extraLowest, shape.extraHighest);
    }
    store.AppendRecord(date, numbers);
}

const QDate Saturday(2026, 1, 3);

} // namespace

class TestTickets : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void parsesTicketLines_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("tickets"); // as TicketLines::Text writes them, one a line
        QTest::addColumn<QString>("errors");
        QTest::newRow("typed, pasted, empty rows") << "6 of 49"
                                                   << "\xef\xbb\xbf"
                                                      "1,2,3,4,5,6\r\n 49 7\t12;30 22 8 \n\n ,;,\n"
                                                   << "1,2,3,4,5,6\n7,8,12,22,30,49"
                                                   << "";
        // A heading is no ticket either: said, not passed over.
        QTest::newRow("a heading, a NUL")
            << "6 of 49"
            << QStringLiteral("Numbers\n1,2,3,4,5,6\n1,2,3") + QChar(0) + QStringLiteral("9,4,5,6")
            << "1,2,3,4,5,6"
            << "line 1: \"Numbers\" holds no number.\nline 3: \"1,2,3\\x009,4,5,6\" holds a control "
               "character.";
        QTest::newRow("extras after +") << "5 of 69 + 1 of 26"
                                        << "5,12,33,41,60+26\n1 2 3 4 5 + 27"
                                        << "5,12,33,41,60 + 26"
                                        << "line 2: 27 is not within 1 to 26.";
        QTest::newRow("a bonus is not played")
            << "6 of 49 + bonus"
            << "1,2,3,4,5,6 + 7\n1,2,3,4,5,5\n1,2,3,4,5"
            << ""
            << "line 1: this game has no extra numbers to play after +.\nline 2: 5 is given "
               "twice.\nline 3: a ticket has 6 numbers, this one 5.";
        QTest::newRow("two extras, letters") << "5 of 50 + 2 of 12"
                                             << "1,2,3,4,5 + 12,1\n1,2,3,4,x5 + 1,2"
                                             << "1,2,3,4,5 + 1,12"
                                             << "line 2: x5 is no number.";
    }
    void parsesTicketLines()
    {
        QFETCH(QString, shape);
        QFETCH(QString, text);
        QFETCH(QString, tickets);
        QFETCH(QString, errors);
        const TicketLines::Result result = TicketLines::Parse(text, shapeNamed(shape));
        QStringList lines;
        for (const TicketLines::Numbers& numbers : result.tickets)
            lines.append(TicketLines::Text(numbers.main, numbers.extra));
        QCOMPARE(lines.join(u'\n'), tickets);
        QCOMPARE(result.errors.join(u'\n'), errors);
    }

    // Books reached through the operations the window offers, in every common game: whatever is
    // saved opens as it was and is written back byte for byte.
    void whatIsSavedOpensUnchanged()
    {
        QRandomGenerator random(20261208);
        for (int round = 0; round < 120; ++round) {
            const LotteryShape shape
                = CommonShapes()[std::size_t(random.bounded(int(CommonShapes().size())))].shape;
            TicketBook book = TicketBook::ForShape(shape);
            book.drawTitle
                = round % 3 ? QStringLiteral("Weekly, \u00e9t\u00e9 \U0001F3B1") : QString();
            DrawStore store;
            store.setShape(shape);
            QDate date = Saturday;
            for (int step = 0; step < 30; ++step) {
                switch (random.bounded(8)) {
                case 0:
                case 1: {
                    QList<QList<int>> main;
                    QList<QList<int>> extra;
                    for (int t = int(random.bounded(1, 4)); t > 0; --t) {
                        main.append(
                            randomNumbers(random, shape.numbersPerDraw, 1, shape.highestNumber));
                        extra.append(shape.hasOwnPool()
                                         ? randomNumbers(random, shape.extraNumbers,
                                                         shape.extraLowest, shape.extraHighest)
                                         : QList<int>());
                    }
                    const long long price = random.bounded(3) == 0
                        ? 0
                        : random.bounded(1, 40000) * qint64(random.bounded(2) ? 1 : 10000);
                    QVERIFY(book.addTickets(main, extra, date.addDays(random.bounded(-7, 14)),
                                            int(random.bounded(1, 9)), price));
                    break;
                }
                case 2:
                    if (!book.tickets.isEmpty())
                        book.tickets.removeAt(random.bounded(book.tickets.size()));
                    break;
                case 3: {
                    // A prize row edited: an amount typed, or taken away to make it pari-mutuel.
                    if (book.prizes.rows.isEmpty())
                        break;
                    PrizeRow& row = book.prizes.rows[random.bounded(book.prizes.rows.size())];
                    if (random.bounded(2))
                        row.amount = ParseAmount(QStringLiteral("1234.5"));
                    else if (!row.tier.isEmpty())
                        row.amount.reset();
                    break;
                }
                case 4:
                    appendDraw(store, random, date);
                    date = date.addDays(7);
                    break;
                case 5: {
                    // The amounts of the tiers won are typed in, then the draws posted.
                    const BookCheck check = CheckTickets(book, store);
                    for (const TicketCheck& ticket : check.tickets)
                        for (const DrawCheck& draw : ticket.draws)
                            if (draw.awaitsAmount())
                                book.published[{draw.date, book.prizes.rows[*draw.prizeRow].tier}]
                                    = random.bounded(1, 1000000);
                    Sheet sheet;
                    PostResult posted = PostToTracker(book, CheckTickets(book, store), sheet);
                    QVERIFY(posted.outcome != PostResult::Outcome::NoRoom
                            || posted.message.contains(QLatin1String("Nothing was posted")));
                    break;
                }
                case 6: {
                    // A tier renamed as the prize grid takes a typed name: cleaned, and kept only
                    // when the table allows it. Long names that a cut ends on a blank included.
                    if (book.prizes.rows.isEmpty())
                        break;
                    const int at = int(random.bounded(book.prizes.rows.size()));
                    const QString pieces[]
                        = {QStringLiteral("X"),  QStringLiteral(" "),      QStringLiteral("Y"),
                           QStringLiteral("\""), QStringLiteral("\u00e9"), QStringLiteral("\t")};
                    QString typed = QString(int(random.bounded(30, 45)), u'X');
                    for (int n = int(random.bounded(6)); n > 0; --n)
                        typed += pieces[random.bounded(int(std::size(pieces)))];
                    PrizeRow edited = book.prizes.rows[at];
                    edited.tier = CleanTierName(typed);
                    if (book.prizes.check(edited, book.shape, at).isEmpty())
                        book.prizes.rows[at] = edited;
                    break;
                }
                default:
                    break;
                }
                const QByteArray bytes = TicketBookFile::Bytes(book);
                const TicketBookFile::ReadResult opened = readBytes(bytes);
                const QString where = QStringLiteral("round %1, step %2").arg(round).arg(step);
                QVERIFY2(opened.error == TicketBookFile::ReadError::None, qPrintable(where));
                QVERIFY2(opened.book == book, qPrintable(where));
                QVERIFY2(TicketBookFile::Bytes(opened.book) == bytes, qPrintable(where));
            }
        }
    }

    void refusesWhatItCannotKeep_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<TicketBookFile::ReadError>("error");
        const QByteArray header = "\"Numerion tickets\",1,6,49,0,0,0,\"\",1,0,0,0\r\n";
        QTest::newRow("reads") << header + "#2026-01-03#,8,2.5,1,2,3,4,5,6\r\n"
                               << TicketBookFile::ReadError::None;
        QTest::newRow("a newer form")
            << QByteArray("\"Numerion tickets\",2,6,49,0,0,0,\"\",1,0,0,0,\"more\"\r\n")
            << TicketBookFile::ReadError::NewerForm;
        QTest::newRow("a draw file")
            << QByteArray("0,8,49,\"Lotto\"\r\n") << TicketBookFile::ReadError::NotATicketBook;
        QTest::newRow("a number twice") << header + "#2026-01-03#,8,2.5,1,2,3,4,5,5\r\n"
                                        << TicketBookFile::ReadError::BadLine;
        QTest::newRow("a ticket missing") << header << TicketBookFile::ReadError::BadLine;
        QTest::newRow("a line too many")
            << header + "#2026-01-03#,8,2.5,1,2,3,4,5,6\r\n#2026-01-03#\r\n"
            << TicketBookFile::ReadError::BadLine;
    }
    void refusesWhatItCannotKeep()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(TicketBookFile::ReadError, error);
        const TicketBookFile::ReadResult read = readBytes(bytes);
        QCOMPARE(read.error, error);
        if (error == TicketBookFile::ReadError::None)
            QCOMPARE(TicketBookFile::Bytes(read.book), bytes);
    }

    // A wheel's tickets over a player's pool, checked against random draws of a game with a
    // bonus ball: the matches agree with a count of the bits the ticket and the draw share.
    void aWheelsMatchesAgreeWithAnIndependentCount()
    {
        WheelRequest request;
        request.poolSize = 12;
        request.ticketSize = 6;
        request.guarantee = 3;
        request.ifDrawn = 3;
        request.maxSteps = 20000;
        request.threads = 1;
        const Wheel wheel = GenerateWheel(request);
        QVERIFY(wheel.error.isEmpty());
        // The pool the player chose: the wheel's numbers 1..12 stand for these.
        const QList<int> pool {3, 7, 11, 15, 19, 23, 27, 31, 35, 39, 43, 47};
        QList<QList<int>> tickets;
        for (const QList<int>& positions : wheel.numbers()) {
            QList<int> numbers;
            for (const int p : positions)
                numbers.append(pool[p - 1]);
            tickets.append(numbers);
        }
        TicketBook book = TicketBook::ForShape(shapeNamed(QStringLiteral("6 of 49 + bonus")));
        QVERIFY(book.addTickets(tickets, {}, Saturday, 40, 20000));
        DrawStore store;
        store.setShape(book.shape);
        QRandomGenerator random(28);
        for (int d = 0; d < 40; ++d)
            appendDraw(store, random, Saturday.addDays(7 * d));

        const BookCheck check = CheckTickets(book, store);
        QCOMPARE(check.tickets.size(), tickets.size());
        const auto mask = [](const auto& numbers) {
            quint64 bits = 0;
            for (const int n : numbers)
                bits |= quint64(1) << n;
            return bits;
        };
        long long spent = 0;
        for (qsizetype t = 0; t < tickets.size(); ++t) {
            const TicketCheck& result = check.tickets[t];
            QCOMPARE(result.draws.size(), 40);
            QCOMPARE(result.pending, 0);
            for (int d = 0; d < 40; ++d) {
                const DrawCheck& draw = result.draws[d];
                const std::span<const std::int16_t> drawn = store.records().numbers(d + 1);
                const quint64 ticket = mask(tickets[t]);
                QCOMPARE(draw.date, Saturday.addDays(7 * d));
                QCOMPARE(int(draw.mainMatched.size()),
                         std::popcount(ticket & mask(drawn.first(6))));
                QCOMPARE(int(draw.extraMatched.size()),
                         std::popcount(ticket & mask(drawn.subspan(6, 1))));
                // The bonus row where there is one, else the row of the main numbers alone.
                const int main = int(draw.mainMatched.size());
                std::optional<int> row = book.prizes.find(main, int(draw.extraMatched.size()));
                if (!row)
                    row = book.prizes.find(main, 0);
                QCOMPARE(draw.prizeRow, row);
                spent += 20000;
            }
        }
        QCOMPARE(check.totals.spent, spent);
        QCOMPARE(check.draws.size(), 40);
    }

    // A match wins the row of its main count with the most extra numbers it holds: 3 + bonus
    // pays the 3 row where the table has no 3 + bonus row.
    void winningRow_data()
    {
        QTest::addColumn<QString>("game");
        QTest::addColumn<int>("main");
        QTest::addColumn<int>("extra");
        QTest::addColumn<QString>("wins"); // the row's match, or empty
        QTest::newRow("3 + bonus pays 3") << "6 of 49 + bonus" << 3 << 1 << "3";
        QTest::newRow("4 + bonus pays 4") << "6 of 59 + bonus" << 4 << 1 << "4";
        QTest::newRow("5 + bonus has its row") << "6 of 49 + bonus" << 5 << 1 << "5 + bonus";
        QTest::newRow("2 + bonus wins nothing") << "6 of 49 + bonus" << 2 << 1 << "";
        QTest::newRow("3 + 1 has its row") << "5 of 69 + 1 of 26" << 3 << 1 << "3 + 1";
        QTest::newRow("0 + 1 has its row") << "5 of 69 + 1 of 26" << 0 << 1 << "0 + 1";
        QTest::newRow("2 + 0 wins nothing") << "5 of 69 + 1 of 26" << 2 << 0 << "";
    }
    void winningRow()
    {
        QFETCH(QString, game);
        QFETCH(int, main);
        QFETCH(int, extra);
        QFETCH(QString, wins);
        const LotteryShape shape = shapeNamed(game);
        const PrizeTable table = PresetPrizeTable(shape);
        const std::optional<int> row = table.winningRow(main, extra);
        QCOMPARE(row ? MatchText(table.rows[*row].main, table.rows[*row].extra, shape) : QString(),
                 wins);
    }

    void draws_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("played");
        QTest::addColumn<int>("checked");
        QTest::addColumn<int>("pending");
        QTest::newRow("8 played, 5 stored") << 5 << 8 << 5 << 3;
        QTest::newRow("1 played, none stored") << 0 << 1 << 0 << 1;
        QTest::newRow("2 played, 5 stored") << 5 << 2 << 2 << 0;
    }
    // A ticket plays its draws from its first date on; those not in the database are pending.
    void draws()
    {
        QFETCH(int, stored);
        QFETCH(int, played);
        QFETCH(int, checked);
        QFETCH(int, pending);
        TicketBook book = TicketBook::ForShape({6, 49});
        QVERIFY(book.addTickets({{1, 2, 3, 4, 5, 6}}, {}, Saturday, played, 25000));
        DrawStore store;
        // An older draw is no draw the ticket plays.
        store.AppendRecord(Saturday.addDays(-7), std::array {1, 2, 3, 4, 5, 6});
        for (int d = stored; d > 0; --d) // newest first
            store.AppendRecord(Saturday.addDays(7 * (d - 1)), std::array {1, 2, 3, 10, 11, 12});
        const BookCheck check = CheckTickets(book, store);
        QCOMPARE(check.tickets[0].draws.size(), checked);
        QCOMPARE(check.tickets[0].pending, pending);
        if (checked > 0)
            QCOMPARE(check.tickets[0].draws[0].date, Saturday);
        QCOMPARE(check.totals.spent, 25000LL * checked);
        QCOMPARE(check.totals.pendingSpent, 25000LL * pending);
    }

    // Posting adds a line for the tickets and one per win after the sheet's lines; posting again
    // adds nothing, a full tracker takes nothing and says so.
    void postsEachDrawOnce()
    {
        TicketBook book = TicketBook::ForShape(shapeNamed(QStringLiteral("5 of 69 + 1 of 26")));
        QVERIFY(book.addTickets({{1, 2, 3, 4, 5}, {10, 20, 30, 40, 50}}, {{26}, {26}}, Saturday, 2,
                                20000));
        DrawStore store;
        store.setShape(book.shape);
        store.AppendRecord(Saturday, std::array {1, 2, 3, 40, 50, 26});
        Sheet sheet;
        sheet.cell(1, 0) = Cell(QStringLiteral("Old tickets"));
        sheet.cell(1, 1) = Cell(-4.0);
        sheet.cell(2, 0) = Cell(QStringLiteral("Sub Total"));
        sheet.CalculateSheet();

        PostResult first = PostToTracker(book, CheckTickets(book, store), sheet);
        QCOMPARE(first.outcome, PostResult::Outcome::Posted);
        QCOMPARE(sheet.SheetRowCount, 5);
        QCOMPARE(sheet.cell(2, 1), Cell(-4.0)); // the subtotal stays
        QCOMPARE(sheet.cell(3, 0), Cell(QStringLiteral("Tickets 2026-01-03: 2 tickets")));
        QCOMPARE(sheet.cell(3, 1), Cell(-4.0));
        QCOMPARE(sheet.cell(4, 0), Cell(QStringLiteral("Won 2026-01-03: 3 + 1 matched")));
        QCOMPARE(sheet.cell(4, 1), Cell(100.0));
        QCOMPARE(sheet.cell(5, 0), Cell(QStringLiteral("Won 2026-01-03: 2 + 1 matched")));
        QCOMPARE(sheet.cell(5, 1), Cell(7.0));
        const QByteArray after = TicketBookFile::Bytes(book);

        PostResult again = PostToTracker(book, CheckTickets(book, store), sheet);
        QCOMPARE(again.outcome, PostResult::Outcome::NothingNew);
        QCOMPARE(sheet.SheetRowCount, 5);
        QCOMPARE(TicketBookFile::Bytes(book), after);

        // The next draw finds the tracker full: nothing is posted, and posting can come later.
        store.AppendRecord(Saturday.addDays(7), std::array {7, 8, 9, 11, 12, 13});
        for (int r = 6; r <= Sheet::DataRows; ++r)
            sheet.cell(r, 0) = Cell(QStringLiteral("Other"));
        const PostResult full = PostToTracker(book, CheckTickets(book, store), sheet);
        QCOMPARE(full.outcome, PostResult::Outcome::NoRoom);
        QCOMPARE(full.message,
                 QStringLiteral("The tracker holds 105 lines: posting needs 1 and only 0 are free. "
                                "Nothing was posted; make room in the tracker first."));
        QVERIFY(!book.isPosted(Saturday.addDays(7)));
    }
};

QTEST_GUILESS_MAIN(TestTickets)
#include "tst_tickets.moc"
