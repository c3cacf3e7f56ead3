// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "FileBytes.h"
#include "GuiTestFixture.h"

#include "core/tickets/TicketBookFile.h"
#include "gui/analysis/Lottery.h"
#include "gui/app/Program.h"
#include "gui/app/ZudeMenu.h"
#include "gui/tickets/LTickets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
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
        auto* results = control<QTableWidget>(window, "ResultGrid");
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
        QCOMPARE(results->item(0, 2)->background().color(), QColor(255, 255, 0));
        QCOMPARE(results->item(0, 7)->background().style(), Qt::NoBrush);
        // The pari-mutuel amount is typed once published.
        results->item(0, 10)->setText(QStringLiteral("9.50"));
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
        click(window, "ExitTickets");
    }

private:
    static void click(QWidget* root, const char* name)
    {
        QTest::mouseClick(control<QPushButton>(root, name), Qt::LeftButton);
    }

    std::unique_ptr<GuiTestFixture> m_fixture;
    std::unique_ptr<Program> m_program;
};

QTEST_MAIN(TestLTickets)
#include "tst_ltickets.moc"
