// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "FileBytes.h"
#include "GuiTestFixture.h"

#include "gui/app/ChangeFnt.h"
#include "gui/app/Program.h"
#include "gui/app/ZudeMenu.h"
#include "gui/draws/LDbase.h"
#include "gui/tracker/LInvTrack.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

class TestChangeFnt : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_fixture = std::make_unique<GuiTestFixture>(); }
    void cleanup()
    {
        m_window.reset();
        m_program.reset();
        m_fixture->verifyNothingUnexpected();
        m_fixture.reset();
    }

    void showsTheSettings()
    {
        state().Settings.UserName = QStringLiteral("Ann");
        open();
        QCOMPARE(box("InNumChoices")->text(), QStringLiteral(" 6"));
        QCOMPARE(box("InHiNum")->text(), QStringLiteral("49"));
        QCOMPARE(box("InNumLines")->text(), QStringLiteral(" 1"));
        QCOMPARE(box("InSy")->text(), QStringLiteral(" $"));
        QCOMPARE(box("InMyName")->text(), QStringLiteral("Ann"));
        QCOMPARE(QApplication::focusWidget(), box("InMyName"));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Personalize"));
    }

    void numericBoxesCheckTheirRange_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("0 as highest number") << "InHiNum"
                                             << "0"
                                             << " Must be from 1 to 99"
                                             << "99";
        QTest::newRow("empty counts as 0") << "InNumChoices"
                                           << ""
                                           << " Must be from 1 to 20"
                                           << "20";
        QTest::newRow("11 entry forms") << "InNumLines"
                                        << "11"
                                        << " Must be from 1 to 10"
                                        << "10";
        QTest::newRow("in range") << "InHiNum"
                                  << "39"
                                  << ""
                                  << "39";
        QTest::newRow("leading zero") << "InNumChoices"
                                      << "05"
                                      << ""
                                      << " 5";
    }
    void numericBoxesCheckTheirRange()
    {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, shown);
        open();
        typeIntoBox(m_window.get(), qPrintable(name), typed);
        QCOMPARE(m_fixture->messages.texts(),
                 message.isEmpty() ? QStringList() : QStringList {message});
        QCOMPARE(box(qPrintable(name))->text(), shown);
        // The box was taken: coming back to it by the keyboard, the first key starts it afresh.
        QLineEdit* edit = box(qPrintable(name));
        edit->setFocus(Qt::BacktabFocusReason);
        QTest::keyClick(edit, Qt::Key_7);
        QCOMPARE(edit->text(), QStringLiteral("7"));
    }

    void lettersAreRefusedAndBackspaceWorks()
    {
        open();
        QLineEdit* hiNum = box("InHiNum");
        QTest::mouseClick(hiNum, Qt::LeftButton);
        QTest::keyClicks(hiNum, QStringLiteral("3x9"));
        QCOMPARE(m_fixture->messages.beeps, 1);
        QCOMPARE(hiNum->text(), QStringLiteral("39"));
        QTest::keyClick(hiNum, Qt::Key_Backspace);
        QCOMPARE(hiNum->text(), QStringLiteral("3"));
    }

    void enterMovesThroughTheBoxes()
    {
        open();
        box("InNumChoices")->setFocus();
        QStringList chain;
        for (int step = 0; step < 5; ++step) {
            chain.append(QApplication::focusWidget()->objectName());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QCOMPARE(chain,
                 (QStringList {"InNumChoices", "InHiNum", "InNumLines", "InSy", "InMyName"}));
        QVERIFY(m_window->isVisible());
        QVERIFY(m_fixture->messages.boxes.isEmpty());
    }

    void quotesCannotEnterTheTexts()
    {
        open();
        typeIntoBox(m_window.get(), "InMyName", QStringLiteral("A\"nn"));
        typeIntoBox(m_window.get(), "InSy", QStringLiteral("\"€"));
        QCOMPARE(box("InMyName")->text(), QStringLiteral("Ann"));
        QCOMPARE(box("InSy")->text(), QStringLiteral(" €"));
        QCOMPARE(m_fixture->messages.beeps, 2);
    }

    // The settings file holds one line of quoted texts: what is pasted or dropped loses the
    // line breaks and quotes that would break it, and the menu shows the name on one line, read
    // left to right.
    void pastedTextsKeepTheSettingsFileReadable_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("kept");
        QTest::newRow("name, Ctrl+V") << QByteArray("InMyName") << "Ctrl+V"
                                      << "A\r\n\"nn\""
                                      << "Ann";
        QTest::newRow("name, dropped") << QByteArray("InMyName") << "drop"
                                       << "Ann\tPlayer\n"
                                       << "AnnPlayer";
        QTest::newRow("name, separators and overrides") << QByteArray("InMyName") << "Ctrl+V"
                                                        << "\u202EAnn \u2028Player\u2069"
                                                        << "Ann Player";
        QTest::newRow("currency, Shift+Insert") << QByteArray("InSy") << "Shift+Insert"
                                                << "\n€\x1b"
                                                << " €";
    }
    void pastedTextsKeepTheSettingsFileReadable()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, way);
        QFETCH(QString, pasted);
        QFETCH(QString, kept);
        open();
        QLineEdit* edit = box(name.constData());
        QTest::mouseClick(edit, Qt::LeftButton);
        edit->clear();
        pasteInto(edit, pasted, way);
        QTest::keyClick(edit, Qt::Key_Tab);
        QCOMPARE(edit->text(), kept);
        QTest::mouseClick(control<QPushButton>(m_window.get(), "ExitFonts"), Qt::LeftButton);
        const PersonalSettingsReadResult read
            = ReadPersonalSettingsFile(m_fixture->programPath(QStringLiteral("Personal.Lot")));
        QVERIFY(read.complete);
        QCOMPARE(read.settings, state().Settings);
        QCOMPARE(name == "InMyName" ? read.settings.UserName : read.settings.CurrencySymbol, kept);
    }

    void closingWritesTheDefaultLine_data()
    {
        QTest::addColumn<int>("way"); // 0 exit button, 1 window frame, 2 Escape
        QTest::newRow("exit button") << 0;
        QTest::newRow("window frame") << 1;
        QTest::newRow("Escape") << 2;
    }
    void closingWritesTheDefaultLine()
    {
        QFETCH(int, way);
        open();
        if (way == 0)
            QTest::mouseClick(control<QPushButton>(m_window.get(), "ExitFonts"), Qt::LeftButton);
        else if (way == 1)
            m_window->close();
        else
            QTest::keyClick(m_window.get(), Qt::Key_Escape);
        QVERIFY(!m_window->isVisible());
        QCOMPARE(fileBytes(m_fixture->programPath(QStringLiteral("Personal.Lot"))),
                 QByteArray("6,49,1,\" $\",\"\"\r\n"));
    }

    void aSettingsFileThatCannotBeWrittenIsSilent()
    {
        // A folder where the file should be: it cannot be written.
        QDir(m_fixture->programDir.path()).mkdir(QStringLiteral("Personal.Lot"));
        open();
        typeIntoBox(m_window.get(), "InMyName", QStringLiteral("Ann"));
        QTest::mouseClick(control<QPushButton>(m_window.get(), "ExitFonts"), Qt::LeftButton);
        QVERIFY(!m_window->isVisible());
        QVERIFY(m_fixture->messages.boxes.isEmpty());
        QCOMPARE(state().Settings.UserName, QStringLiteral("Ann"));
    }

    void personalisesTheProgram()
    {
        startProgram();
        m_fixture->answerDialog(QStringLiteral("ChangeFnt"), [](QWidget* dialog) {
            typeIntoBox(dialog, "InNumChoices", QStringLiteral("5"));
            typeIntoBox(dialog, "InHiNum", QStringLiteral("39"));
            typeIntoBox(dialog, "InNumLines", QStringLiteral("3"));
            typeIntoBox(dialog, "InSy", QStringLiteral("€"));
            typeIntoBox(dialog, "InMyName", QStringLiteral("Ann Player"));
            QTest::mouseClick(control<QPushButton>(dialog, "ExitFonts"), Qt::LeftButton);
        });
        QTest::mouseClick(control<QPushButton>(menu(), "PtrFnt"), Qt::LeftButton);
        QVERIFY(menu()->isVisible());
        QCOMPARE(control<QLabel>(menu(), "MyName")->text(), QStringLiteral("Ann Player"));
        QVERIFY(control<QLabel>(menu(), "MyName")->isVisible());
        QCOMPARE(fileBytes(m_fixture->programPath(QStringLiteral("Personal.Lot"))),
                 QByteArray("5,39,3,\" €\",\"Ann Player\"\r\n"));

        // A new start reads it: the name, an empty database of that shape, the tracker's "€".
        m_program.reset();
        m_fixture->startAfresh();
        startProgram();
        QCOMPARE(control<QLabel>(menu(), "MyName")->text(), QStringLiteral("Ann Player"));
        QTest::mouseClick(control<QPushButton>(menu(), "DBaseForm"), Qt::LeftButton);
        auto* database = topLevel<LDbase>("LDbase");
        QVERIFY(database);
        QCOMPARE(control<QLineEdit>(database, "NumCol")->text(), QStringLiteral("5"));
        QCOMPARE(control<QLineEdit>(database, "HighNum")->text(), QStringLiteral("39"));
        QCOMPARE(control<QTableView>(database, "Grid1")->model()->columnCount(), 7);
        database->close();
        QTest::mouseClick(control<QPushButton>(menu(), "InvTrack"), Qt::LeftButton);
        auto* tracker = topLevel<LInvTrack>("LInvTrack");
        QVERIFY(tracker);
        QCOMPARE(control<QTableWidget>(tracker, "Grid6")->item(2, 1)->text(),
                 QStringLiteral(" €0.00"));
        tracker->close();
    }

private:
    void open()
    {
        m_window = std::make_unique<ChangeFnt>(state(), m_fixture->services);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void startProgram()
    {
        m_program = std::make_unique<Program>(state(), m_fixture->services);
        m_program->start();
        QVERIFY(QTest::qWaitForWindowExposed(menu()));
    }
    QLineEdit* box(const char* name) { return control<QLineEdit>(m_window.get(), name); }
    SharedState& state() { return m_fixture->state; }
    ZudeMenu* menu() { return m_program->mainMenu(); }

    std::unique_ptr<GuiTestFixture> m_fixture;
    std::unique_ptr<Program> m_program;
    std::unique_ptr<ChangeFnt> m_window;
};

QTEST_MAIN(TestChangeFnt)
#include "tst_changefnt.moc"
