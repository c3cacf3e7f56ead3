// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "GuiTestFixture.h"

#include "core/wheels/Wheel.h"
#include "gui/analysis/Lottery.h"
#include "gui/app/Program.h"
#include "gui/app/ZudeMenu.h"
#include "gui/wheels/LWheels.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

class TestLWheels : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_fixture = std::make_unique<GuiTestFixture>();
        m_program = std::make_unique<Program>(m_fixture->state, m_fixture->services);
        m_program->start();
        QTest::mouseClick(control<QPushButton>(m_program->mainMenu(), "WheelsButt"),
                          Qt::LeftButton);
        m_window = topLevel<LWheels>("LWheels");
        QVERIFY(m_window);
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }
    void cleanup()
    {
        closeToolWindows();
        m_program.reset();
        m_fixture->verifyNothingUnexpected();
        m_fixture.reset();
    }

    // What the user sees of a wheel is what is saved, printed and copied, and it keeps its
    // guarantee.
    void buildsAWheelToSavePrintAndCopy()
    {
        typeIntoBox(m_window, "WheelNumbers", QStringLiteral("3 5 8 13 21 22 30 34 41 44 47 49"));
        typeIntoBox(m_window, "WheelMaxTickets", QStringLiteral("15"));
        click("BuildWheel");
        // The search ends once it has a wheel of at most 15, long before its 10 seconds.
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->isBuilding(), 5000);
        const QList<QList<int>> tickets = shownTickets();
        QCOMPARE(tickets.size(), 15);
        const QList<int> pool {3, 5, 8, 13, 21, 22, 30, 34, 41, 44, 47, 49};
        QList<quint64> masks;
        for (const QList<int>& ticket : tickets) {
            quint64 mask = 0;
            for (int number : ticket) {
                QVERIFY(pool.contains(number));
                mask |= quint64(1) << pool.indexOf(number);
            }
            QCOMPARE(std::popcount(mask), 6);
            masks.append(mask);
        }
        QVERIFY(CheckWheel(masks, 12, 3, 3));
        QVERIFY(control<QPlainTextEdit>(m_window, "WheelReport")
                    ->toPlainText()
                    .contains(QStringLiteral("15 tickets of 6 numbers at 1.00 each: 15.00")));

        QString expected;
        for (const QList<int>& ticket : tickets) {
            QStringList numbers;
            for (int number : ticket)
                numbers.append(QString::number(number));
            expected += numbers.join(u',') + QStringLiteral("\r\n");
        }
        const QString path = m_fixture->programPath(QStringLiteral("wheel.csv"));
        m_fixture->fileDialogs.answers = {path};
        click("SaveWheel");
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromLatin1(saved.readAll()), expected);

        expected.replace(u',', u'\t').replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        click("CopyWheel");
        QCOMPARE(QGuiApplication::clipboard()->text(), expected);

        click("PlayWheel");
        QCOMPARE(m_fixture->state.Tickets.book().tickets.size(), 15);
        QCOMPARE(m_fixture->state.Tickets.book().tickets.last().main, tickets.last());
        QCOMPARE(m_fixture->state.Tickets.book().tickets.last().price, 10000); // the wheel's 1.00
        m_fixture->messages.clear();

        m_fixture->printer.lineHeight = 240;
        m_fixture->messages.answerNext(true);
        click("PrintWheel");
        QCOMPARE(m_fixture->printer.printed.size(), 1);
        QVERIFY(m_fixture->printer.printed.first().pages.first().join(u'\n').contains(
            QStringLiteral("15. ")));
    }

    void fullAndKeyWheels_data()
    {
        QTest::addColumn<QString>("numbers");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<int>("tickets");
        QTest::newRow("full, small") << "1-9"
                                     << "" << QByteArray("FullWheelButt") << false << 84;
        QTest::newRow("full, asked") << "1-14"
                                     << "" << QByteArray("FullWheelButt") << true << 3003;
        QTest::newRow("key") << "1-14"
                             << "2 9" << QByteArray("KeyWheelButt") << false << 495;
    }
    void fullAndKeyWheels()
    {
        QFETCH(QString, numbers);
        QFETCH(QString, keys);
        QFETCH(QByteArray, button);
        QFETCH(bool, asked);
        QFETCH(int, tickets);
        typeIntoBox(m_window, "WheelNumbers", numbers);
        typeIntoBox(m_window, "WheelKeys", keys);
        if (asked) {
            m_fixture->messages.answerNext(false);
            click(button);
            QCOMPARE(m_fixture->messages.boxes.size(), 1);
            QVERIFY(!m_window->isBuilding());
            QCOMPARE(shownTickets().size(), 0);
            m_fixture->messages.answerNext(true);
        }
        click(button);
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->isBuilding(), 20000);
        const QList<QList<int>> shown = shownTickets();
        QCOMPARE(shown.size(), tickets);
        QCOMPARE(QSet<QList<int>>(shown.begin(), shown.end()).size(), tickets);
        for (const QList<int>& ticket : shown)
            for (const QString& key : keys.split(u' ', Qt::SkipEmptyParts))
                QVERIFY(ticket.contains(key.toInt()));
    }

    void refusesWhatCannotBeWheeled_data()
    {
        QTest::addColumn<QString>("numbers");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("message");
        QTest::newRow("too few") << "1-6"
                                 << ""
                                 << "A wheel needs more numbers than a ticket holds: at least 7.";
        QTest::newRow("key not in the pool") << "1-10"
                                             << "11"
                                             << "The key number 11 is not one of your numbers.";
        QTest::newRow("not a number") << "1-10 <b>x</b>"
                                      << ""
                                      << "\"<b>x</b>\" is not a number.";
    }
    void refusesWhatCannotBeWheeled()
    {
        QFETCH(QString, numbers);
        QFETCH(QString, keys);
        QFETCH(QString, message);
        typeIntoBox(m_window, "WheelNumbers", numbers);
        typeIntoBox(m_window, "WheelKeys", keys);
        click("BuildWheel");
        QCOMPARE(m_fixture->messages.texts(), QStringList {message});
        QVERIFY(!m_window->isBuilding());
    }

    // Stop keeps the best wheel found so far; leaving during a search ends it at once.
    void stopsAndLeavesASearch()
    {
        typeIntoBox(m_window, "WheelNumbers", QStringLiteral("1-30"));
        typeIntoBox(m_window, "WheelSeconds", QStringLiteral("600"));
        click("BuildWheel");
        QVERIFY(m_window->isBuilding());
        QVERIFY(!control<QPushButton>(m_window, "BuildWheel")->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(control<QLabel>(m_window, "WheelStatus")
                                     ->text()
                                     .startsWith(QStringLiteral("Searching: the best")),
                                 20000);
        click("StopWheel");
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->isBuilding(), 5000);
        QVERIFY(shownTickets().size() > 0);
        QVERIFY(control<QLabel>(m_window, "WheelStatus")->text().startsWith(u"Stopped"));

        click("BuildWheel");
        QElapsedTimer clock;
        clock.start();
        QPointer<LWheels> window = m_window;
        m_window->close();
        QTRY_VERIFY(!window);
        QVERIFY(clock.elapsed() < 5000);
        QTRY_VERIFY(m_program->mainMenu()->isVisible());
    }

    // "Wheel These" in Rado-d-Idorur brings its sets here, for its own game.
    void wheelsTheSetsOnScreen()
    {
        m_window->close();
        QTest::mouseClick(control<QPushButton>(m_program->mainMenu(), "PickForm"), Qt::LeftButton);
        auto* lottery = topLevel<Lottery>("Lottery");
        lottery->setAnimationPause(0);
        typeIntoBox(lottery, "InColNum", QStringLiteral("5"));
        typeIntoBox(lottery, "InHighNum", QStringLiteral("39"));
        typeIntoBox(lottery, "InNumRows", QStringLiteral("2"));
        m_fixture->random.pickIndexes({1, 2, 3, 4, 5, 3, 4, 5, 6, 7}, 39);
        QTest::mouseClick(control<QPushButton>(lottery, "CalcRandNo"), Qt::LeftButton);
        QList<int> shown;
        const auto* sets = control<QTableWidget>(lottery, "Grid1");
        for (int row = 1; row <= 2; ++row)
            for (int column = 1; column <= 5; ++column)
                if (!shown.contains(cellText(sets, row, column).toInt()))
                    shown.append(cellText(sets, row, column).toInt());
        QVERIFY(shown.size() > 5);
        QTest::mouseClick(control<QPushButton>(lottery, "WheelThese"), Qt::LeftButton);
        m_window = topLevel<LWheels>("LWheels");
        QVERIFY(m_window);
        QCOMPARE(control<QLineEdit>(m_window, "WheelNumbers")->text(), WheelNumbersText(shown));
        // A ticket of this game holds 5 numbers: a guarantee of 6 is refused.
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        typeIntoBox(m_window, "WheelMatch", QStringLiteral("6"));
        QCOMPARE(m_fixture->messages.texts(), QStringList {QStringLiteral(" Must be from 2 to 5")});
        QCOMPARE(control<QLineEdit>(m_window, "WheelMatch")->text(), QStringLiteral(" 3"));
        m_fixture->messages.clear();
        m_window->close();
        QTRY_VERIFY(lottery->isVisible());
    }

    // Enter moves on from box to box and ends on Build Wheel; each access key of a caption
    // reaches its box.
    void movesThroughTheSetup()
    {
        QWidget* focused = control<QWidget>(m_window, "WheelNumbers");
        focused->setFocus();
        for (const char* next : {"WheelKeys", "WheelMatch", "WheelIf", "WheelSeconds",
                                 "WheelMaxTickets", "WheelPrice", "BuildWheel"}) {
            QTest::keyClick(focused, Qt::Key_Return);
            focused = QApplication::focusWidget();
            QVERIFY(focused);
            QCOMPARE(focused->objectName(), QString::fromLatin1(next));
        }
        const std::pair<Qt::Key, const char*> accessKeys[] = {
            {Qt::Key_N, "WheelNumbers"}, {Qt::Key_Y, "WheelKeys"},
            {Qt::Key_G, "WheelMatch"},   {Qt::Key_W, "WheelIf"},
            {Qt::Key_S, "WheelSeconds"}, {Qt::Key_A, "WheelMaxTickets"},
            {Qt::Key_R, "WheelPrice"},
        };
        for (const auto& [key, name] : accessKeys) {
            QTest::keyClick(m_window, key, Qt::AltModifier);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
        }
        QVERIFY(m_fixture->messages.texts().isEmpty());
    }

    // "t if m" needs t <= m: a guarantee above the drawn numbers raises them, and fewer drawn
    // numbers lower the guarantee; no tickets limit reads "any".
    void keepsTheGuaranteeWhole()
    {
        const auto shown = [this](const char* name) {
            return control<QLineEdit>(m_window, name)->text().trimmed();
        };
        QCOMPARE(shown("WheelMaxTickets"), QStringLiteral("any"));
        typeIntoBox(m_window, "WheelMatch", QStringLiteral("5"));
        QCOMPARE(shown("WheelIf"), QStringLiteral("5"));
        typeIntoBox(m_window, "WheelIf", QStringLiteral("4"));
        QCOMPARE(shown("WheelMatch"), QStringLiteral("4"));
        typeIntoBox(m_window, "WheelSeconds", QStringLiteral("0"));
        QCOMPARE(m_fixture->messages.texts(),
                 QStringList {QStringLiteral(" Must be from 1 to 3600")});
        QCOMPARE(shown("WheelSeconds"), QStringLiteral("10"));
    }

    // A 1280x1024 screen at a scale factor of 2 is 640x512 logical pixels: the window shrinks to
    // the place it takes there, and its Exit button stays on it.
    void fitsASmallScreen()
    {
        const QRect place = LWheels::placeOn(QRect(0, 0, 640, 512));
        const QSize least = m_window->minimumSizeHint();
        QVERIFY2(least.width() <= place.width() && least.height() <= place.height(),
                 qPrintable(QStringLiteral("%1x%2").arg(least.width()).arg(least.height())));
        m_window->setGeometry(place);
        QCOMPARE(m_window->size(), place.size());
        const auto* exit = control<QPushButton>(m_window, "ExitWheels");
        QVERIFY(exit->isVisible());
        QVERIFY(m_window->rect().contains(QRect(exit->mapTo(m_window, QPoint()), exit->size())));
    }

private:
    void click(const char* name)
    {
        QTest::mouseClick(control<QPushButton>(m_window, name), Qt::LeftButton);
    }
    QList<QList<int>> shownTickets() const
    {
        const auto* grid = control<QTableView>(m_window, "WheelGrid");
        QList<QList<int>> tickets;
        for (int row = 0; row < grid->model()->rowCount(); ++row) {
            QList<int> ticket;
            for (int column = 0; column < grid->model()->columnCount(); ++column)
                ticket.append(cellText(grid, row, column).toInt());
            tickets.append(ticket);
        }
        return tickets;
    }

    std::unique_ptr<GuiTestFixture> m_fixture;
    std::unique_ptr<Program> m_program;
    QPointer<LWheels> m_window;
};

QTEST_MAIN(TestLWheels)
#include "tst_lwheels.moc"
