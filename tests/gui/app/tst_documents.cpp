// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "GuiTestFixture.h"

#include "core/common/TextFormat.h"
#include "gui/app/Program.h"
#include "gui/app/ZudeMenu.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

// The draws, the tracker's sheet and the ticket book as the user meets them across the windows:
// what a window cannot read it says why, and unsaved work is never dropped without a question.
class TestDocuments : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init()
    {
        m_fixture = std::make_unique<GuiTestFixture>();
        m_program = std::make_unique<Program>(state(), m_fixture->services);
        m_program->start();
        QVERIFY(QTest::qWaitForWindowExposed(menu()));
    }
    void cleanup()
    {
        closeToolWindows();
        m_program.reset();
        m_fixture->verifyNothingUnexpected();
        m_fixture.reset();
    }

    // Whichever window opens a file, a file it cannot read is refused with the reader's reason.
    void aWindowShowsTheReadersReason_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const QString newer = QStringLiteral("It was written by a newer version of the program.");
        QTest::newRow("draws of a newer version")
            << "draws" << QByteArray("\"Numerion draws\",3,0,10,6,49,0,0,0,\"Later\"\r\n") << newer;
        QTest::newRow("no draws") << "draws" << QByteArray("Dear diary,\r\n")
                                  << "It is no draw database.";
        QTest::newRow("a tracker file cut short")
            << "tracker" << QByteArray("3\r\n\"a\",1\r\n") << "It is no tracker file.";
        QTest::newRow("tickets of a newer version")
            << "tickets" << QByteArray("\"Numerion tickets\",2,6,49,0,0,0,\"\",0,0,0,0\r\n")
            << newer;
        QTest::newRow("a ticket book missing its ticket")
            << "tickets" << QByteArray("\"Numerion tickets\",1,6,49,0,0,0,\"\",1,0,0,0\r\n")
            << "It is no ticket book: a line is not what its header announces.";
    }
    void aWindowShowsTheReadersReason()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        m_fixture->writeProgramFile(QStringLiteral("File"), bytes);
        m_fixture->fileDialogs.answers = {m_fixture->programPath(QStringLiteral("File"))};
        if (kind == "draws") {
            click(menu(), "LoadFile");
        } else if (kind == "tracker") {
            click(menu(), "InvTrack");
            click(window("LInvTrack"), "Loadnet");
        } else {
            click(menu(), "TicketsButt");
            click(window("LTickets"), "OpenBook");
        }
        QCOMPARE(m_fixture->messages.texts(),
                 QStringList {"File not found or wrong format. Check Filename and/or Directory.\n"
                              + reason});
        QCOMPARE(m_fixture->messages.boxes.first().title, QStringLiteral("Loading Error"));
    }

    // Unsaved work in each document outlives every window left; ending the program asks about
    // each document in turn, and going back at any of them keeps the program and the work.
    void unsavedWorkIsAskedAboutBeforeItGoes()
    {
        click(menu(), "DBaseForm");
        QVERIFY(QTest::qWaitForWindowActive(window("LDbase")));
        auto* date = control<QLineEdit>(window("LDbase"), "InDate");
        date->setFocus();
        date->selectAll();
        QTest::keyClicks(date, QStringLiteral("1/3/2026"));
        QTest::keyClick(date, Qt::Key_Return);
        for (const char* number : {"1", "2", "3", "4", "5", "6"}) {
            QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(number));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(state().Store.RecCount(), 1);
        click(window("LDbase"), "ExitDbase");

        click(menu(), "InvTrack");
        typeIntoSheet(QStringLiteral("Tickets"));
        click(window("LInvTrack"), "Exit1");

        click(menu(), "TicketsButt");
        control<QPlainTextEdit>(window("LTickets"), "InTickets")
            ->setPlainText(QStringLiteral("7 8 9 10 11 12"));
        click(window("LTickets"), "AddTickets");
        click(window("LTickets"), "ExitTickets");
        QCOMPARE(state().Tickets.book().tickets.size(), 1);

        for (const auto& [button, name, exit] :
             {std::tuple {"DBaseForm", "LDbase", "ExitDbase"},
              std::tuple {"InvTrack", "LInvTrack", "Exit1"},
              std::tuple {"TicketsButt", "LTickets", "ExitTickets"}}) {
            click(menu(), button);
            click(window(name), exit);
            QTRY_VERIFY(menu()->isVisible());
        }
        QVERIFY(m_fixture->messages.boxes.isEmpty());
        QCOMPARE(state().Store.RecCount(), 1);
        QCOMPARE(state().Tracker.sheet().cell(1, 0).text(), QStringLiteral("Tickets"));
        QCOMPARE(state().Tickets.book().tickets.size(), 1);

        QSignalSpy finished(m_program.get(), &Program::finished);
        const QList<const Document*> documents = state().documents();
        for (int back = 0; back < documents.size(); ++back) {
            m_fixture->messages.clear();
            for (int i = 0; i < back; ++i)
                m_fixture->messages.answerNext(false);
            m_fixture->messages.answerNext(true);
            click(menu(), "Exit1Butt");
            QCOMPARE(m_fixture->messages.boxes.size(), back + 1);
            QCOMPARE(m_fixture->messages.lastText(), documents[back]->dropQuestion());
            QCOMPARE(finished.count(), 0);
            QVERIFY(menu()->isVisible());
        }
        for (qsizetype i = 0; i < documents.size(); ++i)
            m_fixture->messages.answerNext(false);
        click(menu(), "Exit1Butt");
        QCOMPARE(finished.count(), 1);
    }

    // What My Tickets posts stays in the tracker: the tracker shows it when it opens, and it is
    // asked about until it is saved.
    void postedLinesWaitInTheTracker()
    {
        click(menu(), "TicketsButt");
        QWidget* tickets = window("LTickets");
        const QDate draw(2026, 1, 3);
        control<QLineEdit>(tickets, "InFirstDraw")->setText(FormatShortDate(draw));
        control<QLineEdit>(tickets, "InPrice")->setText(QStringLiteral("2.50"));
        control<QPlainTextEdit>(tickets, "InTickets")
            ->setPlainText(QStringLiteral("7 8 9 10 11 12"));
        click(tickets, "AddTickets");
        const int numbers[] = {1, 2, 3, 4, 5, 6};
        state().Store.AppendRecord(draw, numbers);
        click(tickets, "PostButt");
        QCOMPARE(m_fixture->messages.lastText(), QStringLiteral(" 1 line posted for 1 draw."));
        click(tickets, "ExitTickets");

        click(menu(), "InvTrack");
        auto* grid = control<QTableWidget>(window("LInvTrack"), "Grid6");
        QVERIFY(grid->item(1, 0)->text().startsWith(QStringLiteral("Tickets ")));
        QCOMPARE(grid->item(1, 1)->text(), QStringLiteral("-2.50"));
        click(window("LInvTrack"), "Exit1");
        QCOMPARE(state().Tracker.sheet().SheetRowCount, 1);
        QVERIFY(state().Tracker.hasUnsavedWork());

        // Posting again finds the draw posted.
        click(menu(), "TicketsButt");
        click(window("LTickets"), "PostButt");
        QCOMPARE(m_fixture->messages.lastText(), QStringLiteral(" Nothing new to post."));
        QCOMPARE(state().Tracker.sheet().SheetRowCount, 1);
    }

private:
    void click(QWidget* window, const char* button)
    {
        QVERIFY(window);
        QTest::mouseClick(control<QPushButton>(window, button), Qt::LeftButton);
    }
    QWidget* window(const char* name) { return topLevel<QWidget>(name); }
    void typeIntoSheet(const QString& text)
    {
        auto* grid = control<QTableWidget>(window("LInvTrack"), "Grid6");
        grid->setFocus();
        grid->setCurrentCell(1, 0);
        QTest::keyClicks(grid, text);
    }
    SharedState& state() { return m_fixture->state; }
    ZudeMenu* menu() { return m_program->mainMenu(); }

    std::unique_ptr<GuiTestFixture> m_fixture;
    std::unique_ptr<Program> m_program;
};

QTEST_MAIN(TestDocuments)
#include "tst_documents.moc"
