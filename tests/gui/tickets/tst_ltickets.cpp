// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "FileBytes.h"
#include "GuiTestFixture.h"

#include "core/tickets/TicketBookFile.h"
#include "core/tickets/TicketLines.h"
#include "gui/analysis/Lottery.h"
#include "gui/app/Program.h"
#include "gui/app/ZudeMenu.h"
#include "gui/tickets/LTickets.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

#include <memory>

// "My Tickets" as a player uses it: the sets Rado-d-Idorur suggests played, the next draw typed,
// what each ticket won seen, posted to the tracker, printed, saved and opened again.
class TestLTickets : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init() { m_fixture = std::make_unique<GuiTestFixture>(); }
    void cleanup()
    {
        m_program.reset();
        m_fixture->verifyNothingUnexpected();
        m_fixture.reset();
    }

    void playsTheSetsAndSeesWhatTheyWon()
    {
        m_program = std::make_unique<Program>(m_fixture->state, m_fixture->services);
        m_program->start();
        SharedState& state = m_fixture->state;
        click(m_program->mainMenu(), "PickForm");
        auto* lottery = topLevel<Lottery>("Lottery");
        QVERIFY(lottery);
        lottery->setAnimationPause(0);
        m_fixture->random.pickIndexes({1, 2, 3, 4, 5, 6}, 49);
        click(lottery, "CalcRandNo");
        click(lottery, "PlayThese");
        QVERIFY2(m_fixture->messages.lastText().startsWith(
                     QStringLiteral(" 1 ticket was added to My Tickets")),
                 qPrintable(m_fixture->messages.lastText()));
        click(lottery, "Exit1");

        click(m_program->mainMenu(), "TicketsButt");
        auto* window = topLevel<LTickets>("LTickets");
        QVERIFY(window);
        const QList<int> played = state.Tickets.book().tickets.at(0).main;
        auto* results = control<QTableView>(window, "ResultGrid");
        QCOMPARE(cellText(results, 0, 1), QStringLiteral("pending"));

        // A ticket typed beside it, then the draw comes in: both are checked at once.
        control<QPlainTextEdit>(window, "InTickets")
            ->setPlainText(QStringLiteral("7 8 9 10 11 12"));
        control<QLineEdit>(window, "InPrice")->setText(QStringLiteral("2"));
        click(window, "AddTickets");
        QCOMPARE(state.Tickets.book().tickets.size(), 2);
        const QDate date = state.Tickets.book().tickets[0].firstDraw;
        const std::array drawn {played[0], played[1], played[2], 40, 41, 42};
        state.Store.AppendRecord(date, drawn);
        QCOMPARE(cellText(results, 0, 1), FormatShortDate(date));
        QCOMPARE(cellText(results, 0, 8), QStringLiteral("3"));
        QCOMPARE(cellText(results, 0, 9), QStringLiteral("Tier 4"));
        // The matched numbers are marked, the others not.
        QCOMPARE(background(results, 0, 2).color(), QColor(255, 255, 0));
        QCOMPARE(background(results, 0, 7).style(), Qt::NoBrush);
        // The pari-mutuel amount is typed once published.
        control<QTabWidget>(window, "TicketTabs")->setCurrentIndex(2);
        typeIntoCell(results, 0, 10, QStringLiteral("9.50"));
        QTRY_COMPARE(control<QLabel>(window, "TotalsLabel")->text(),
                     QStringLiteral("Spent 2.00   Won 9.50   Net 7.50"));

        click(window, "PostButt");
        QCOMPARE(m_fixture->messages.lastText(), QStringLiteral(" 2 lines posted for 1 draw."));
        QCOMPARE(state.Tracker.sheet().SheetRowCount, 2);
        click(window, "PostButt");
        QCOMPARE(m_fixture->messages.lastText(), QStringLiteral(" Nothing new to post."));
        QCOMPARE(state.Tracker.sheet().SheetRowCount, 2);

        m_fixture->printer.lineHeight = 240;
        m_fixture->messages.answerNext(true);
        click(window, "PrintTickets");
        QCOMPARE(m_fixture->printer.printed.size(), 1);
        QVERIFY(m_fixture->printer.printed[0].pages[0].join(u'\n').contains(
            QStringLiteral("3 matched: %1 %2 %3  Tier 4  9.50")
                .arg(played[0])
                .arg(played[1])
                .arg(played[2])));

        const QString path = m_fixture->programPath(QStringLiteral("Mine.ltk"));
        m_fixture->fileDialogs.answers = {path};
        click(window, "SaveBook");
        QCOMPARE(fileBytes(path), TicketBookFile::Bytes(state.Tickets.book()));
        QVERIFY(!state.Tickets.isModified());
        const TicketBook saved = state.Tickets.book();
        state.Tickets.change([](TicketBook& book) {
            book.tickets.clear();
            return true;
        });
        m_fixture->messages.answerNext(false); // drop the change
        m_fixture->fileDialogs.answers = {path};
        click(window, "OpenBook");
        QVERIFY(state.Tickets.book() == saved);
        QVERIFY(!state.Tickets.isModified());
        QCOMPARE(cellText(results, 0, 10), QStringLiteral("9.50"));
        // The book opened is the one Save proposes.
        click(window, "SaveBook");
        QCOMPARE(m_fixture->fileDialogs.proposals.last(), path);

        // Removing every ticket is unsaved work: ending the program asks.
        auto* tickets = control<QTableView>(window, "TicketGrid");
        tickets->selectAll();
        click(window, "RemoveTicket");
        QVERIFY(state.Tickets.book().tickets.isEmpty());
        click(window, "ExitTickets");
        for (int document = 0; document < 3; ++document)
            m_fixture->messages.answerNext(false); // the draws, the tracker, the tickets dropped
        QVERIFY(m_program->mainMenu()->ExitProgram());
        QVERIFY(m_fixture->messages.texts().contains(state.Tickets.dropQuestion()));
    }

    // A refused amount leaves the old one, says why once the editor closed, and crashes nothing.
    void refusesAnAmountTypedIntoTheResults()
    {
        SharedState& state = m_fixture->state;
        const QDate date(2026, 3, 7);
        LoadWeeklyDraws(state.Store, state.Store.shape(), {{1, 2, 3, 40, 41, 42}}, date);
        state.Tickets.followDraws(state.Store.shape(), QString());
        state.Tickets.change([&](TicketBook& book) {
            book.prizes = PresetPrizeTable(book.shape);
            return book.addTickets({{1, 2, 3, 4, 5, 6}}, {{}}, date, 1, 20000);
        });
        LTickets window(state, m_fixture->services);
        window.show();
        control<QTabWidget>(&window, "TicketTabs")->setCurrentIndex(2);
        auto* results = control<QTableView>(&window, "ResultGrid");
        QCOMPARE(cellText(results, 0, 9), QStringLiteral("Tier 4"));
        typeIntoCell(results, 0, 10, QStringLiteral("abc"));
        QTRY_COMPARE(m_fixture->messages.lastText(),
                     QStringLiteral(" The amount must be such as 1250.00."));
        QCOMPARE(cellText(results, 0, 10), QString());
        QVERIFY(state.Tickets.book().published.empty());
        typeIntoCell(results, 0, 10, QStringLiteral("12.50"));
        QTRY_COMPARE(cellText(results, 0, 10), QStringLiteral("12.50"));
    }

    // A bonus ball among the ticket's numbers is marked apart from the main numbers matched.
    void marksABonusBallApart()
    {
        SharedState& state = m_fixture->state;
        LotteryShape bonus;
        for (const CommonShape& common : CommonShapes())
            if (common.name == QStringLiteral("6 of 49 + bonus"))
                bonus = common.shape;
        const QDate date(2026, 3, 7);
        LoadWeeklyDraws(state.Store, bonus, {{1, 2, 3, 40, 41, 42, 4}}, date);
        state.Tickets.followDraws(state.Store.shape(), QString());
        state.Tickets.change([&](TicketBook& book) {
            return book.addTickets({{1, 2, 3, 4, 5, 6}}, {{}}, date, 1, 0);
        });
        LTickets window(state, m_fixture->services);
        auto* results = control<QTableView>(&window, "ResultGrid");
        const QColor main = background(results, 0, 2).color();
        const QColor extra = background(results, 0, 5).color();
        QCOMPARE(main, QColor(255, 255, 0));
        QVERIFY(extra != main);
        QCOMPARE(background(results, 0, 6).style(), Qt::NoBrush);
    }

    // At 1280x1024 with a scale factor of 2 everything is on the screen: the book's whole label,
    // and the results with their totals below them.
    void fitsASmallScreen()
    {
        SharedState& state = m_fixture->state;
        state.Tickets.change([](TicketBook& book) {
            return book.addTickets({{1, 2, 3, 4, 5, 6}}, {{}}, QDate(2026, 3, 7), 1, 0);
        });
        state.Tickets.proposeFileName(
            QStringLiteral("The tickets of the whole family for the summer of 2026.ltk"));
        LotteryShape other = state.Store.shape();
        other.highestNumber = 45;
        state.Store.setShape(other); // the book stays of its game: the label says so
        LTickets window(state, m_fixture->services);
        const QRect place = LTickets::placeOn(QRect(0, 0, 640, 512));
        const QSize least = window.minimumSizeHint();
        QVERIFY2(least.width() <= place.width() && least.height() <= place.height(),
                 qPrintable(QStringLiteral("%1x%2").arg(least.width()).arg(least.height())));
        window.setGeometry(place);
        window.show();
        control<QTabWidget>(&window, "TicketTabs")->setCurrentIndex(2);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.size(), place.size());
        const auto inside = [&window](const char* name) {
            auto* widget = control<QWidget>(&window, name);
            return widget->isVisible()
                && window.rect().contains(QRect(widget->mapTo(&window, QPoint()), widget->size()));
        };
        for (const char* name : {"BookInfo", "ResultGrid", "TotalsLabel", "ExitTickets"})
            QVERIFY2(inside(name), name);
        auto* info = control<QLabel>(&window, "BookInfo");
        QVERIFY(info->text().endsWith(QStringLiteral("the tickets are not checked)")));
        QVERIFY(info->height() >= info->heightForWidth(info->width()));
        QVERIFY(info->width() >= info->fontMetrics().horizontalAdvance(state.Tickets.fileName()));
        // The example typed over the tickets is one of the book's game.
        QCOMPARE(control<QPlainTextEdit>(&window, "InTickets")->placeholderText(),
                 TicketLines::Example(state.Tickets.book().shape)
                     + QStringLiteral(" (one ticket a line)"));
    }

    // A thousand tickets over a thousand draws: the results are shown without a cell per row.
    void showsALargeBookAtOnce()
    {
        SharedState& state = m_fixture->state;
        QList<QList<int>> draws;
        for (int d = 0; d < 1000; ++d)
            draws.append({1 + d % 40, 2 + d % 40, 3 + d % 40, 4 + d % 40, 5 + d % 40, 49});
        const QDate first(2000, 1, 1);
        LoadWeeklyDraws(state.Store, state.Store.shape(), draws, first);
        state.Tickets.followDraws(state.Store.shape(), QString());
        QList<QList<int>> main;
        for (int t = 0; t < 1000; ++t)
            main.append({1 + t % 43, 2 + t % 43, 3 + t % 43, 4 + t % 43, 5 + t % 43, 6 + t % 43});
        state.Tickets.change([&](TicketBook& book) {
            book.prizes = PresetPrizeTable(book.shape);
            return book.addTickets(main, QList<QList<int>>(1000), first, 1000, 10000);
        });
        QElapsedTimer timer;
        timer.start();
        LTickets window(state, m_fixture->services);
        window.show();
        control<QTabWidget>(&window, "TicketTabs")->setCurrentIndex(2);
        auto* results = control<QTableView>(&window, "ResultGrid");
        QCOMPARE(results->model()->rowCount(), 1000 * 1000);
        QCOMPARE(cellText(results, 999999, 0), QStringLiteral("1000"));
        QTest::qWait(0);
        QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
    }

private:
    static QBrush background(const QAbstractItemView* grid, int row, int column)
    {
        return grid->model()->index(row, column).data(Qt::BackgroundRole).value<QBrush>();
    }
    // Types `text` into a cell through the grid's own editor and presses Enter, as a user does.
    static void typeIntoCell(QAbstractItemView* grid, int row, int column, const QString& text)
    {
        const QModelIndex index = grid->model()->index(row, column);
        grid->setCurrentIndex(index);
        if (!grid->indexWidget(index))
            grid->edit(index);
        QWidget* editor = grid->indexWidget(index);
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
    }

    static void click(QWidget* root, const char* name)
    {
        QTest::mouseClick(control<QPushButton>(root, name), Qt::LeftButton);
    }

    std::unique_ptr<GuiTestFixture> m_fixture;
    std::unique_ptr<Program> m_program;
};

QTEST_MAIN(TestLTickets)
#include "tst_ltickets.moc"
