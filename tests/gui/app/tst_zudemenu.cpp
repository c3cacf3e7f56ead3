// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "GuiTestFixture.h"

#include "gui/app/LBlankForm.h"
#include "gui/app/Program.h"
#include "gui/app/ZudeMenu.h"
#include "gui/common/ToolWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class TestMainMenu : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_fixture = std::make_unique<GuiTestFixture>(); }
    void cleanup()
    {
        m_program.reset();
        m_fixture->verifyNothingUnexpected();
        m_fixture.reset();
    }

    void startsWithDefaultsWithoutSettingsFile()
    {
        startProgram();
        QCOMPARE(state().Store.shape().numbersPerDraw, 6);
        QCOMPARE(state().Store.shape().highestNumber, 49);
        QCOMPARE(state().Settings.CurrencySymbol, QStringLiteral(" $"));
        QVERIFY(!control<QLabel>(menu(), "MyName")->isVisible());
        QVERIFY(!control<QLabel>(menu(), "InfoLabel")->isVisible());
        QCOMPARE(m_fixture->printer.pageQueries, 0); // measured when the database is printed
        QVERIFY(menu()->isVisible());
        QVERIFY(m_program->backdrop()->isVisible());
        QCOMPARE(m_program->backdrop()->windowTitle(), QStringLiteral("Numerion"));
    }

    void startsWithTheSettingsFile()
    {
        m_fixture->writeProgramFile(QStringLiteral("Personal.Lot"), "5,39,2,\" $\",\"Ann\"\r\n");
        startProgram();
        QCOMPARE(state().Store.shape().numbersPerDraw, 5);
        QCOMPARE(state().Store.shape().highestNumber, 39);
        auto* name = control<QLabel>(menu(), "MyName");
        QVERIFY(name->isVisible());
        QCOMPARE(name->text(), QStringLiteral("Ann"));
    }

    void menuLayout()
    {
        startProgram();
        QCOMPARE(menu()->windowTitle(), QStringLiteral("Numerion"));
        QCOMPARE(menu()->size(), QSize(632, 477));
        const QList<std::pair<const char*, QString>> buttons {
            {"LoadFile", "&Open a File from Disk"},
            {"PickForm", "&Rado-d-Idorur"},
            {"DBaseForm", "&View and Edit Database"},
            {"ShowGraph1", "&Show Graphs"},
            {"InvTrack", "&Investment Tracker"},
            {"WheelsButt", "&Wheels"},
            {"SaveFile", "&Save File to Disk"},
            {"HowtoUse", "How to &Use the Program"},
            {"ImportDraws", "Import Draw &History"},
            {"PrintDbase", "&Print Current Database"},
            {"PtrFnt", "Personalize &Settings"},
            {"TicketsButt", "&My Tickets"},
            {"Exit1Butt", "E&xit Program"}};
        QWidget* previous = nullptr;
        for (const auto& [name, caption] : buttons) {
            auto* button = control<QPushButton>(menu(), name);
            QCOMPARE(button->text(), caption);
            QVERIFY(button->autoDefault());
            QVERIFY(button->isEnabled());
            QWidget* next = previous ? previous->nextInFocusChain() : nullptr;
            // The arrow of the recent files follows the open button.
            if (next && previous->objectName() == QLatin1String("LoadFile")) {
                QCOMPARE(next->objectName(), QStringLiteral("RecentFiles"));
                next = next->nextInFocusChain();
            }
            if (previous)
                QCOMPARE(next, button);
            previous = button;
        }
        QCOMPARE(control<QPushButton>(menu(), "Exit1Butt")->geometry(), QRect(216, 360, 200, 31));
        QCOMPARE(control<QPushButton>(menu(), "PtrFnt")->width(), 202);
    }

    void exitQuestion_data()
    {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<int>("records");
        QTest::addColumn<bool>("answerYes");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("ends");
        QTest::addColumn<bool>("tickets"); // tickets added and not saved

        QTest::newRow("nothing changed") << false << 3 << false << false << true << false;
        QTest::newRow("changed, Yes goes back") << true << 3 << true << true << false << false;
        QTest::newRow("changed, No ends") << true << 3 << false << true << true << false;
        QTest::newRow("changed, then all deleted") << true << 0 << false << false << true << false;
        QTest::newRow("tickets, Yes goes back") << false << 3 << true << true << false << true;
        QTest::newRow("tickets, No ends") << false << 3 << false << true << true << true;
    }
    void exitQuestion()
    {
        QFETCH(bool, changed);
        QFETCH(int, records);
        QFETCH(bool, answerYes);
        QFETCH(bool, asked);
        QFETCH(bool, ends);
        QFETCH(bool, tickets);

        startProgram();
        fillStore(records);
        if (tickets)
            QVERIFY(state().Tickets.change([](TicketBook& book) {
                return book.addTickets({{1, 2, 3, 4, 5, 6}}, {}, QDate(2026, 1, 3), 1, 0);
            }));
        if (changed)
            state().Store.proposeFileName(QStringLiteral("week.lto"));
        else
            QVERIFY(SaveAs(state().Store, m_fixture->programPath(QStringLiteral("week.lto"))));
        if (asked)
            m_fixture->messages.answerNext(answerYes);

        QSignalSpy finished(m_program.get(), &Program::finished);
        auto* exitButton = control<QPushButton>(menu(), "Exit1Butt");
        exitButton->setFocus();
        QTest::keyClick(exitButton, Qt::Key_Return); // Enter presses the focused button

        QCOMPARE(finished.count(), ends ? 1 : 0);
        QCOMPARE(menu()->isVisible(), !ends);
        QCOMPARE(m_fixture->messages.boxes.size(), asked ? 1 : 0);
        if (asked) {
            const auto& box = m_fixture->messages.boxes.first();
            QVERIFY(box.question);
            QCOMPARE(box.title, QStringLiteral("Changed File in Memory"));
            QCOMPARE(
                box.text,
                tickets
                    ? QStringLiteral(
                        " The tickets in My Tickets will be erased. Do you want to go back and save them?")
                    : QStringLiteral(
                        "week.lto file in memory will be erased. Do you want to go back and Save File to Disk?."));
            // Going back keeps the records or the tickets marked as unsaved.
            if (!ends)
                QVERIFY(tickets ? state().Tickets.isModified() : state().Store.ChangedFlag());
        }
    }

    void closingThroughTheFrameIsExit_data()
    {
        QTest::addColumn<bool>("closeBackdrop");
        QTest::newRow("menu") << false;
        QTest::newRow("backdrop") << true;
    }
    void closingThroughTheFrameIsExit()
    {
        QFETCH(bool, closeBackdrop);
        startProgram();
        fillStore(1);
        QSignalSpy finished(m_program.get(), &Program::finished);
        QWidget* window = closeBackdrop ? static_cast<QWidget*>(m_program->backdrop()) : menu();

        m_fixture->messages.answerNext(true);
        window->close();
        QCOMPARE(finished.count(), 0);
        QVERIFY(window->isVisible());

        m_fixture->messages.answerNext(false);
        window->close();
        QCOMPARE(finished.count(), 1);
        QVERIFY(!menu()->isVisible());
        QVERIFY(!m_program->backdrop()->isVisible());
    }

    // A name or title from the user or a file is shown as the text it is in every window: read
    // as markup, "<b>Ann</b>" showed bold, and an image tag made the label load the file it
    // names at every start.
    void everyLabelShowsPlainText_data()
    {
        QTest::addColumn<QStringList>("clicks"); // from the menu to the window
        QTest::addColumn<QString>("window");
        QTest::newRow("menu") << QStringList() << "ZudeMenu";
        QTest::newRow("database") << QStringList {"DBaseForm"} << "LDbase";
        QTest::newRow("Rado-d-Idorur") << QStringList {"PickForm"} << "Lottery";
        QTest::newRow("graphs") << QStringList {"ShowGraph1"} << "LGraph";
        QTest::newRow("number table") << QStringList {"ShowGraph1", "NumTable"} << "NumberStats";
        QTest::newRow("tracker") << QStringList {"InvTrack"} << "LInvTrack";
        QTest::newRow("import") << QStringList {"ImportDraws"} << "LImport";
        QTest::newRow("settings") << QStringList {"PtrFnt"} << "ChangeFnt";
    }
    void everyLabelShowsPlainText()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, window);
        const QString markup = QStringLiteral("<b>Ann</b>");
        m_fixture->writeProgramFile(QStringLiteral("Personal.Lot"),
                                    "6,49,1,\" $\",\"<b>Ann</b>\"\r\n");
        startProgram();
        fillStore(1);
        state().Store.SetTitle(markup);
        QCOMPARE(control<QLabel>(menu(), "MyName")->text(), markup);

        QStringList richLabels;
        const auto check = [&richLabels](QWidget* shown) {
            QVERIFY(shown);
            for (const QLabel* label : shown->findChildren<QLabel*>())
                if (label->textFormat() != Qt::PlainText)
                    richLabels.append(label->objectName());
        };
        m_fixture->answerDialog(QStringLiteral("ChangeFnt"), [check](QWidget* dialog) {
            check(dialog);
            QTest::mouseClick(control<QPushButton>(dialog, "ExitFonts"), Qt::LeftButton);
        });
        for (const QString& name : clicks) {
            QPushButton* button = nullptr;
            for (QWidget* shown : QApplication::topLevelWidgets())
                if (shown->isVisible() && !button)
                    button = shown->findChild<QPushButton*>(name);
            QVERIFY(button);
            QTest::mouseClick(button, Qt::LeftButton);
        }
        if (window != QLatin1String("ChangeFnt"))
            check(topLevel<QWidget>(window.toLatin1().constData()));
        QCOMPARE(richLabels, QStringList());
        // Back to the menu, which shows the title as it is, too.
        for (int i = 0; i < 3; ++i)
            for (QWidget* open : QApplication::topLevelWidgets())
                if (qobject_cast<ToolWindow*>(open) && open->isVisible())
                    open->close();
        QTRY_VERIFY(menu()->isVisible());
        if (window == QLatin1String("LDbase"))
            QCOMPARE(control<QLabel>(menu(), "InfoLabel")->text(),
                     QStringLiteral(" File in Memory \r\n  <b>Ann</b>  "));
    }

private:
    void startProgram()
    {
        m_program = std::make_unique<Program>(state(), m_fixture->services);
        m_program->start();
        QVERIFY(QTest::qWaitForWindowExposed(menu()));
    }
    void fillStore(int records)
    {
        state().Store.setShape({1, state().Store.shape().highestNumber});
        for (int i = 0; i < records; ++i)
            AppendTyped(state().Store, QStringLiteral("1996-09-07"), {QStringLiteral("1")});
    }
    SharedState& state() { return m_fixture->state; }
    ZudeMenu* menu() { return m_program->mainMenu(); }

    std::unique_ptr<GuiTestFixture> m_fixture;
    std::unique_ptr<Program> m_program;
};

QTEST_MAIN(TestMainMenu)
#include "tst_zudemenu.moc"
