// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "FileBytes.h"
#include "GuiTestFixture.h"

#include "gui/app/Program.h"
#include "gui/app/ZudeMenu.h"
#include "gui/tracker/InInvNum.h"
#include "gui/tracker/LInvTrack.h"

#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

namespace {

// Relative luminance of a colour, for the contrast ratio of text on its background.
double luminance(const QColor& colour)
{
    auto channel
        = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF())
        + 0.0722 * channel(colour.blueF());
}

// What a keyboard sends for one character: a key event carrying the whole character as text,
// an emoji included, with the modifiers held.
void typeCharacter(QWidget* widget, const QString& character, Qt::KeyboardModifiers modifiers = {})
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, modifiers, character);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, modifiers, character);
    QApplication::sendEvent(widget, &release);
}

// A tracker file of `rows` rows "Row i" with amount i.
QByteArray sheetFile(int rows)
{
    QByteArray bytes = QByteArray::number(rows) + "\r\n";
    for (int i = 1; i <= 111; ++i)
        bytes += i <= rows
            ? "\"Row " + QByteArray::number(i) + "\"," + QByteArray::number(i) + "\r\n"
            : QByteArray(",\r\n");
    return bytes;
}

} // namespace

class TestLInvTrack : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init()
    {
        m_fixture = std::make_unique<GuiTestFixture>();
        m_rowAnswers.clear();
        m_rowHints.clear();
    }
    void cleanup()
    {
        // Leaving keeps the sheet in memory: it asks nothing.
        if (m_window)
            m_window->close();
        m_window.reset();
        m_program.reset();
        m_fixture->verifyNothingUnexpected();
        m_fixture.reset();
    }

    void opensOnAnEmptySheet()
    {
        open();
        QCOMPARE(headerTexts(), (QStringList {"Description", "              Amount"}));
        QCOMPARE(rowTexts(2), (QStringList {"Total", " $0.00"}));
        QCOMPARE(grid()->rowCount(), 110);
        QVERIFY(!control<QLabel>(m_window.get(), "NetInfo")->isVisible());
        QCOMPARE(grid()->item(2, 1)->textAlignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    }

    void typesAMonthAndCalculates()
    {
        state().Settings.CurrencySymbol = QStringLiteral("€");
        open();
        typeRows(1, {{"Tickets", "-10"}, {"Winnings", "25"}, {"Sub Total", ""}, {"Tickets", "-5"}});
        QVERIFY(control<QLabel>(m_window.get(), "NetInfo")->isVisible());
        QCOMPARE(rowTexts(1), (QStringList {"Tickets", "-10.00"}));
        click("Calc7");
        QVERIFY(!control<QLabel>(m_window.get(), "NetInfo")->isVisible());
        QCOMPARE(rowTexts(3), (QStringList {"Sub Total", "15.00"}));
        QCOMPARE(rowTexts(6), (QStringList {"Total", "€10.00"}));
        QCOMPARE(state().Tracker.sheet().SheetRowCount, 4);
        QVERIFY(state().Tracker.isModified());
        // The highlight stays on the line last typed, in the grid and back in it.
        QCOMPARE(grid()->currentRow(), 4);
        grid()->setFocus();
        QCOMPARE(grid()->currentRow(), 4);
    }

    void amountKeysAndBackspace()
    {
        open();
        clickCell(1, 1);
        QTest::keyClicks(grid(), QStringLiteral("-12.507"));
        QCOMPARE(grid()->item(1, 1)->text(), QStringLiteral("-12.50"));
        QTest::keyClick(grid(), Qt::Key_Backspace);
        QCOMPARE(grid()->item(1, 1)->text(), QString());
        QTest::keyClicks(grid(), QStringLiteral("x"));
        QCOMPARE(m_fixture->messages.beeps, 1);

        clickCell(1, 0);
        QTest::keyClicks(grid(), QStringLiteral("Tick\"s"));
        QCOMPARE(grid()->item(1, 0)->text(), QStringLiteral("Ticks"));
        QCOMPARE(m_fixture->messages.beeps, 2);
        QTest::keyClick(grid(), Qt::Key_Delete);
        QCOMPARE(grid()->item(1, 0)->text(), QString());
        QVERIFY(state().Tracker.sheet().cell(1, 0).isEmpty());
    }

    void refusesRowsBeyond105()
    {
        open();
        clickCell(106, 0);
        QTest::keyClick(grid(), Qt::Key_A);
        QTest::keyClick(grid(), Qt::Key_Return);
        QCOMPARE(m_fixture->messages.texts(), (QStringList {"105 Row limit.", "105 Row limit."}));
        QCOMPARE(grid()->item(106, 0)->text(), QString());
        QCOMPARE(grid()->currentRow(), 106);
    }

    void insertsABlankLine()
    {
        open();
        typeRows(1, {{"r1", "1"}, {"r2", "2"}, {"r3", "3"}, {"r4", "4"}, {"r5", "5"}});
        click("Calc7");
        clickCell(3, 0);
        m_rowAnswers = {3, std::nullopt, 0};
        click("InsertAss");
        QCOMPARE(m_rowHints, QList<int> {3});
        QCOMPARE(rowTexts(3), (QStringList {"BlankLine", ""}));
        QCOMPARE(rowTexts(4), (QStringList {"r3", "3.00"}));
        QCOMPARE(rowTexts(8), (QStringList {"Total", " $15.00"}));
        click("InsertAss");
        click("InsertAss");
        QCOMPARE(state().Tracker.sheet().SheetRowCount, 6);
        // Every click asks again: "&Cancel" and 0 insert nothing.
        QCOMPARE(m_rowHints.size(), 3);
    }

    void aClickEditsTheCellUnderTheMouse()
    {
        openLongSheet();
        clickCell(30, 1);
        QTest::keyClicks(grid(), QStringLiteral("5"));
        click("Calc7");
        // Back up with the wheel; the click lands where the user sees row 2.
        clickCell(2, 1);
        QTest::keyClicks(grid(), QStringLiteral("9"));
        QCOMPARE(rowTexts(2), (QStringList {"Row 2", "9.00"}));
        QCOMPARE(rowTexts(30), (QStringList {"Row 30", "5.00"}));
    }

    void theHeaderRowStaysAndTakesNoClick()
    {
        openLongSheet();
        clickCell(5, 0);
        QTest::keyClicks(grid(), QStringLiteral("Tick"));
        // A click on the header leaves typing where it was.
        const QPoint header(grid()->frameWidth() + 20, grid()->frameWidth() + 4);
        QCOMPARE(textInGridAt(header), QStringLiteral("Description"));
        QWidget* shown = grid()->childAt(header);
        QTest::mouseClick(shown, Qt::LeftButton, {}, shown->mapFrom(grid(), header));
        QTest::keyClicks(grid(), QStringLiteral("ets"));
        QCOMPARE(rowTexts(5), (QStringList {"Tickets", "5.00"}));
        QCOMPARE(rowTexts(1), (QStringList {"Row 1", "1.00"}));
        // Scrolled down, the header is still there.
        clickCell(40, 0);
        QCOMPARE(textInGridAt(header), QStringLiteral("Description"));
    }

    void insertingKeepsRowsTypedBelow()
    {
        open();
        typeRows(1, {{"r1", "1"}, {"r2", "2"}});
        click("Calc7");
        typeRows(3, {{"typed", "3"}});
        m_rowAnswers = {2};
        click("InsertAss");
        QCOMPARE(rowTexts(2), (QStringList {"BlankLine", ""}));
        QCOMPARE(rowTexts(3), (QStringList {"r2", "2.00"}));
        QCOMPARE(rowTexts(4), (QStringList {"typed", "3.00"}));
        QCOMPARE(rowTexts(6), (QStringList {"Total", " $6.00"}));
    }

    void wideAmountsShowWhole()
    {
        open();
        typeRows(1, {{"Lots", "-999999999999.99"}, {"More", "-999999999999.99"}});
        click("Calc7");
        for (int row : {1, 4}) {
            const QTableWidgetItem* amount = grid()->item(row, 1);
            QVERIFY(amount->text().contains(u'-'));
            QVERIFY2(grid()->visualItemRect(amount).width()
                         > grid()->fontMetrics().horizontalAdvance(amount->text()),
                     qPrintable(amount->text()));
        }
        QCOMPARE(grid()->item(4, 1)->text(), QStringLiteral(" $-1,999,999,999,999.98"));
    }

    void descriptionsKeepEveryCharacter()
    {
        open();
        clickCell(1, 0);
        QTest::keyClicks(grid(), QStringLiteral("Coins "));
        typeCharacter(grid(), QStringLiteral("\U0001F4B0"));
        typeCharacter(grid(), QStringLiteral("\x01"), Qt::ControlModifier);
        typeCharacter(grid(), QStringLiteral("\u00e9"));
        click("Calc7");
        const QString path = m_fixture->programPath(QStringLiteral("Coins.inv"));
        m_fixture->fileDialogs.answers = {path, path};
        click("SaveNet");
        QVERIFY(fileBytes(path).startsWith("1\r\n\"Coins \xF0\x9F\x92\xB0\xC3\xA9\",\r\n"));
        click("Loadnet");
        QCOMPARE(rowTexts(1), (QStringList {"Coins \U0001F4B0\u00e9", ""}));
    }

    void theInsertDialog()
    {
        InInvNum dialog(7, m_fixture->messages);
        QCOMPARE(control<QLabel>(&dialog, "Label1")->text(),
                 QStringLiteral("   Insert a blank line       at line number 7 ?"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* box = control<QLineEdit>(&dialog, "CurVal");
        QTest::keyClicks(box, QStringLiteral("1x2"));
        QCOMPARE(box->text(), QStringLiteral("12"));
        QCOMPARE(m_fixture->messages.beeps, 1);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), control<QPushButton>(&dialog, "Accept"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(dialog.answer(), std::optional<int>(12));
    }

    void savesAndOpensTheFile()
    {
        open();
        typeRows(1, {{"Tickets", "-10"}, {"Winnings", "12.5"}, {"Sub Total", ""}});
        click("Calc7");
        const QString path = m_fixture->programPath(QStringLiteral("Money.inv"));
        m_fixture->fileDialogs.answers = {path};
        click("SaveNet");
        QVERIFY(m_window->isVisible());
        QVERIFY(!state().Tracker.isModified());
        QCOMPARE(state().Tracker.fileName(), QStringLiteral("Money.inv"));
        QByteArray expected = "3\r\n\"Tickets\",-10\r\n\"Winnings\",12.5\r\n\"Sub Total\",2.5\r\n";
        for (int i = 0; i < 108; ++i)
            expected += ",\r\n";
        QCOMPARE(fileBytes(path), expected);

        // Leave (nothing to ask) and come back to the same sheet; open the file again.
        click("Exit1");
        QVERIFY(!m_window->isVisible());
        QCOMPARE(m_fixture->messages.boxes.size(), 0);
        m_window.reset();
        open();
        QCOMPARE(rowTexts(1), (QStringList {"Tickets", "-10.00"}));
        m_fixture->fileDialogs.answers = {path};
        click("Loadnet");
        QCOMPARE(m_fixture->fileDialogs.filters.last(),
                 QStringLiteral("Investment Tracker Databases (*.inv)"));
        QCOMPARE(rowTexts(3), (QStringList {"Sub Total", "2.50"}));
        QCOMPARE(rowTexts(5), (QStringList {"Total", " $2.50"}));
        QCOMPARE(state().Tracker.fileName(), QStringLiteral("Money.inv"));
        QVERIFY(m_window->isVisible());
    }

    void opensTheSampleFile()
    {
        open();
        m_fixture->fileDialogs.answers = {QStringLiteral(NUMERION_SAMPLE_DIR "/Sample.inv")};
        click("Loadnet");
        QVERIFY(m_fixture->messages.boxes.isEmpty());
        QCOMPARE(state().Tracker.sheet().SheetRowCount, 13);
        QCOMPARE(rowTexts(15), (QStringList {"Total", " $-18.75"}));
    }

    void aBrokenFileLeavesAnEmptySheet()
    {
        QByteArray fifty = "3\r\n";
        for (int i = 0; i < 50; ++i)
            fifty += "\"a\",1\r\n";
        m_fixture->writeProgramFile(QStringLiteral("Short.inv"), fifty);
        open();
        typeRows(1, {{"Kept?", "1"}});
        click("Calc7");
        m_fixture->fileDialogs.answers = {m_fixture->programPath(QStringLiteral("Short.inv"))};
        m_fixture->messages.answerNext(false);
        click("Loadnet");
        QCOMPARE(m_fixture->messages.lastText(),
                 QStringLiteral("File not found or wrong format. Check Filename and/or "
                                "Directory.\nIt is no tracker file."));
        QCOMPARE(rowTexts(2), (QStringList {"Total", " $0.00"}));
        QVERIFY(state().Tracker.fileName().isEmpty());
        QVERIFY(!state().Tracker.isModified());
    }

    void cancellingOpenCompactsTheTypedRows()
    {
        open();
        typeRows(3, {{"A", "1"}});
        m_fixture->messages.answerNext(false); // not going back: the open goes on
        click("Loadnet");
        QCOMPARE(rowTexts(1), (QStringList {"A", "1.00"}));
        QCOMPARE(rowTexts(3), (QStringList {"Total", " $1.00"}));
        QVERIFY(m_window->isVisible());
    }

    void savingNeedsCalculatedRows()
    {
        open();
        typeRows(1, {{"A", "1"}});
        click("SaveNet");
        QCOMPARE(m_fixture->messages.texts(), QStringList {"No Records to Save"});
        QVERIFY(m_fixture->fileDialogs.kinds.isEmpty());
    }

    void aSaveThatDidNotHappenLeavesTheSheetUnsaved_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::newRow("cancelled") << "";
        QTest::newRow("failed") << "Folder.inv";
    }
    void aSaveThatDidNotHappenLeavesTheSheetUnsaved()
    {
        QFETCH(QString, fileName);
        // A folder of that name cannot be replaced by a file.
        QDir(m_fixture->programDir.path()).mkdir(QStringLiteral("Folder.inv"));
        open();
        typeRows(1, {{"A", "1"}});
        click("Calc7");
        m_fixture->fileDialogs.answers
            = {fileName.isEmpty() ? QString() : m_fixture->programPath(fileName)};
        click("SaveNet");
        QVERIFY(m_window->isVisible());
        if (!fileName.isEmpty()) {
            const QStringList lines = m_fixture->messages.lastText().split(u'\n');
            QCOMPARE(lines.size(), 2);
            QCOMPARE(lines[0], QStringLiteral(" Bad Filename. Must be in the form MYFILE.ZPX"));
            QVERIFY(!lines[1].isEmpty());
        }
        m_fixture->messages.clear();
        m_fixture->messages.answerNext(true);
        click("Loadnet");
        QCOMPARE(m_fixture->messages.texts(),
                 QStringList {" file in memory will be erased. Do you want to go back and save it "
                              "to Disk?."});
        QVERIFY(m_window->isVisible());
    }

    void openingAsksBeforeReplacingACalculatedSheet()
    {
        open();
        typeRows(1, {{"Mine", "1"}});
        click("Calc7");
        m_fixture->fileDialogs.answers = {QStringLiteral(NUMERION_SAMPLE_DIR "/Sample.inv")};
        m_fixture->messages.answerNext(true);
        click("Loadnet");
        QCOMPARE(m_fixture->messages.boxes.size(), 1);
        QCOMPARE(m_fixture->messages.boxes.first().title, QStringLiteral("Changed File in Memory"));
        QVERIFY(m_fixture->fileDialogs.kinds.isEmpty());
        QCOMPARE(rowTexts(1), (QStringList {"Mine", "1.00"}));

        m_fixture->messages.answerNext(false);
        click("Loadnet");
        QCOMPARE(state().Tracker.sheet().SheetRowCount, 13);
        // The sheet is now the file's: leaving has nothing to ask.
        click("Exit1");
        QCOMPARE(m_fixture->messages.boxes.size(), 2);
    }

    // The sheet lives while the program runs: leaving the window keeps it (lines posted from My
    // Tickets wait there too), and ending the program asks before its lines go.
    void theSheetOutlivesItsWindow_data()
    {
        QTest::addColumn<bool>("throughFrame");
        QTest::newRow("exit button") << false;
        QTest::newRow("window frame") << true;
    }
    void theSheetOutlivesItsWindow()
    {
        QFETCH(bool, throughFrame);
        m_program = std::make_unique<Program>(state(), m_fixture->services);
        m_program->start();
        const auto openTracker = [this] {
            QTest::mouseClick(control<QPushButton>(menu(), "InvTrack"), Qt::LeftButton);
            auto* tracker = topLevel<LInvTrack>("LInvTrack");
            if (tracker && !QTest::qWaitForWindowActive(tracker))
                return static_cast<LInvTrack*>(nullptr);
            return tracker;
        };
        LInvTrack* tracker = openTracker();
        QVERIFY(tracker);
        typeRowsInto(tracker, 1, {{"A", "1"}});
        QTest::mouseClick(control<QPushButton>(tracker, "Calc7"), Qt::LeftButton);
        if (throughFrame)
            tracker->close();
        else
            QTest::mouseClick(control<QPushButton>(tracker, "Exit1"), Qt::LeftButton);
        QVERIFY(m_fixture->messages.boxes.isEmpty());
        QTRY_VERIFY(!topLevel<LInvTrack>("LInvTrack"));
        QVERIFY(menu()->isVisible());

        tracker = openTracker();
        QVERIFY(tracker);
        QCOMPARE(control<QTableWidget>(tracker, "Grid6")->item(1, 0)->text(), QStringLiteral("A"));
        QVERIFY(state().Tracker.isModified());
        QTest::mouseClick(control<QPushButton>(tracker, "Exit1"), Qt::LeftButton);

        QSignalSpy finished(m_program.get(), &Program::finished);
        m_fixture->messages.answerNext(true); // go back and save
        QTest::mouseClick(control<QPushButton>(menu(), "Exit1Butt"), Qt::LeftButton);
        QCOMPARE(
            m_fixture->messages.lastText(),
            QStringLiteral(
                " file in memory will be erased. Do you want to go back and save it to Disk?."));
        QCOMPARE(m_fixture->messages.boxes.last().title, QStringLiteral("Changed File in Memory"));
        QCOMPARE(finished.count(), 0);
        QVERIFY(menu()->isVisible());
    }

    void printsTheStatement()
    {
        open();
        typeRows(1, {{"Tickets", "-10"}});
        click("Calc7");
        m_fixture->messages.answerNext(false);
        click("Printr");
        QVERIFY(m_fixture->printer.printed.isEmpty());

        m_fixture->printer.lineHeight = 240;
        m_fixture->messages.answerNext(true);
        click("Printr");
        QCOMPARE(m_fixture->printer.printed.size(), 1);
        const QStringList page = m_fixture->printer.printed.first().pages.first();
        QVERIFY(page.contains(QString(29, u' ') + "INVESTMENT STATEMENT"));
        QCOMPARE(page.last().right(13), QStringLiteral("      $-10.00"));
    }

    void calculateClosesTheHelpPanel()
    {
        open();
        auto* help = control<QPushButton>(m_window.get(), "Help9");
        auto* panel = control<QPlainTextEdit>(m_window.get(), "HlpTxt");
        click("Help9");
        QVERIFY(panel->isVisible());
        QCOMPARE(help->text(), QStringLiteral("Close &Help"));
        QCOMPARE(QApplication::focusWidget(), panel);
        // Readable: the text stands out from its page (a contrast ratio of at least 4.5).
        const double text = luminance(panel->palette().color(QPalette::Text));
        const double page = luminance(panel->palette().color(QPalette::Base));
        QVERIFY((std::max(text, page) + 0.05) / (std::min(text, page) + 0.05) >= 4.5);
        const QString shown = panel->toPlainText();
        QTest::keyClick(panel, Qt::Key_Q);
        QCOMPARE(m_fixture->messages.beeps, 1);
        QCOMPARE(panel->toPlainText(), shown);
        click("Calc7");
        QVERIFY(!panel->isVisible());
        QCOMPARE(help->text(), QStringLiteral("&Help"));
    }

    void aSubtotalChangedAfterCalculatingSavesAndOpens_data()
    {
        QTest::addColumn<bool>("rename"); // or Delete
        QTest::addColumn<QByteArray>("savedLine");
        QTest::addColumn<QStringList>("openedRow");
        QTest::addColumn<int>("totalRow");
        QTest::newRow("renamed") << true << QByteArray("\"X\",") << QStringList {"X", ""} << 5;
        QTest::newRow("deleted") << false << QByteArray(",") << QStringList {"", ""} << 4;
    }
    void aSubtotalChangedAfterCalculatingSavesAndOpens()
    {
        QFETCH(bool, rename);
        QFETCH(QByteArray, savedLine);
        QFETCH(QStringList, openedRow);
        QFETCH(int, totalRow);
        open();
        typeRows(1, {{"A", "600000000000"}, {"B", "600000000000"}, {"Sub Total", ""}});
        click("Calc7");
        QCOMPARE(rowTexts(3), (QStringList {"Sub Total", "1,200,000,000,000.00"}));
        clickCell(3, 0);
        if (rename)
            QTest::keyClicks(grid(), QStringLiteral("X"));
        else
            QTest::keyClick(grid(), Qt::Key_Delete);
        // The sum was the calculation's: it goes with the words that asked for it.
        QCOMPARE(grid()->item(3, 1)->text(), QString());
        const QString path = m_fixture->programPath(QStringLiteral("Sums.inv"));
        m_fixture->fileDialogs.answers = {path, path};
        click("SaveNet");
        QCOMPARE(fileBytes(path).split('\n').at(3), savedLine + '\r');
        click("Loadnet");
        QVERIFY(m_fixture->messages.boxes.isEmpty());
        QCOMPARE(rowTexts(3), openedRow);
        QCOMPARE(rowTexts(totalRow), (QStringList {"Total", " $1,200,000,000,000.00"}));
    }

    void typingAfterCalculatingStaysOnItsLine()
    {
        open();
        // Keyboard only: a 1 on row 1, the total's row 2 left alone, b 2 and c 3 below.
        auto keys = [this](const QList<QKeySequence>& sequence) {
            for (const QKeySequence& key : sequence)
                QTest::keySequence(grid(), key);
        };
        keys({Qt::Key_Up, Qt::Key_Left, Qt::Key_A, Qt::Key_Right, Qt::Key_1, Qt::Key_Down,
              Qt::Key_Down, Qt::Key_Left, Qt::Key_B, Qt::Key_Right, Qt::Key_2, Qt::Key_Down,
              Qt::Key_Left, Qt::Key_C, Qt::Key_Right, Qt::Key_3});
        QCOMPARE(rowTexts(3), (QStringList {"b", "2.00"}));
        keys({Qt::Key_Up, Qt::Key_2});
        QTest::keyClick(grid(), Qt::Key_C, Qt::AltModifier);
        // An access key presses its button a moment later.
        QTRY_COMPARE(rowTexts(4), (QStringList {QString(), QString()}));
        QCOMPARE(QApplication::focusWidget(), grid());
        keys({Qt::Key_5});
        QCOMPARE(rowTexts(2), (QStringList {"b", "5.00"}));
        QCOMPARE(rowTexts(3), (QStringList {"c", "3.00"}));
    }

    void insertingKeepsAnAmountWaitingForItsDescription()
    {
        open();
        typeRows(1, {{"r1", "1"}, {"r2", "2"}, {"r3", "3"}, {"r4", "4"}, {"r5", "5"}});
        click("Calc7");
        clickCell(6, 1);
        QTest::keyClicks(grid(), QStringLiteral("50"));
        m_rowAnswers = {3};
        click("InsertAss");
        QCOMPARE(rowTexts(7), (QStringList {"", "50.00"}));
        QCOMPARE(rowTexts(9), (QStringList {"Total", " $65.00"}));
        QCOMPARE(grid()->currentRow(), 7);
        const QString path = m_fixture->programPath(QStringLiteral("Kept.inv"));
        m_fixture->fileDialogs.answers = {path};
        click("SaveNet");
        QCOMPARE(fileBytes(path).split('\n').mid(7, 2), (QList<QByteArray> {",50\r", ",\r"}));
    }

    void changesNotSavedAskBeforeTheyGo_data()
    {
        QTest::addColumn<bool>("insertIntoFile"); // or type a line into a fresh sheet
        QTest::addColumn<QString>("button");
        QTest::newRow("typed, open") << false << "Loadnet";
        QTest::newRow("inserted, open") << true << "Loadnet";
    }
    void changesNotSavedAskBeforeTheyGo()
    {
        QFETCH(bool, insertIntoFile);
        QFETCH(QString, button);
        open();
        if (insertIntoFile) {
            m_fixture->fileDialogs.answers = {QStringLiteral(NUMERION_SAMPLE_DIR "/Sample.inv")};
            click("Loadnet");
            m_rowAnswers = {1};
            click("InsertAss");
        } else {
            typeRows(1, {{"Mine", "1"}});
        }
        m_fixture->messages.answerNext(true);
        click(qPrintable(button));
        QCOMPARE(m_fixture->messages.boxes.size(), 1);
        QCOMPARE(m_fixture->messages.boxes.first().title, QStringLiteral("Changed File in Memory"));
        QCOMPARE(m_fixture->messages.lastText(),
                 state().Tracker.fileName()
                     + " file in memory will be erased. Do you want to go back and save it to "
                       "Disk?.");
        QVERIFY(m_window->isVisible());
        QCOMPARE(rowTexts(1).first(), insertIntoFile ? "BlankLine" : "Mine");
        QCOMPARE(m_fixture->fileDialogs.kinds.size(), insertIntoFile ? 1 : 0);
    }

    void keysOnTheTotalLineAreRefused()
    {
        open();
        m_fixture->fileDialogs.answers = {QStringLiteral(NUMERION_SAMPLE_DIR "/Sample.inv")};
        click("Loadnet");
        QApplication::setActiveWindow(m_window.get());
        // Back into the grid by the keyboard: the highlight is on the total.
        auto* insert = control<QPushButton>(m_window.get(), "InsertAss");
        insert->setFocus();
        QTest::keyClick(insert, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), grid());
        QCOMPARE(grid()->currentRow(), 15);
        QTest::keyClicks(grid(), QStringLiteral("5"));
        QCOMPARE(m_fixture->messages.beeps, 1);
        QCOMPARE(rowTexts(1), (QStringList {"Tickets 6 of 49, week 1", "-10.00"}));
        QCOMPARE(rowTexts(15), (QStringList {"Total", " $-18.75"}));
        // One line up the keys land where the highlight is.
        QTest::keyClick(grid(), Qt::Key_Up);
        QTest::keyClicks(grid(), QStringLiteral("5"));
        QCOMPARE(rowTexts(14), (QStringList {"", "5.00"}));
    }

private:
    void open()
    {
        m_window
            = std::make_unique<LInvTrack>(state(), m_fixture->services, [this](int hint, QWidget*) {
                  m_rowHints.append(hint);
                  return m_rowAnswers.isEmpty() ? std::nullopt : m_rowAnswers.takeFirst();
              });
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    // A sheet of 40 rows, more than the grid shows at once, opened from a file.
    void openLongSheet()
    {
        m_fixture->writeProgramFile(QStringLiteral("Long.inv"), sheetFile(40));
        open();
        m_fixture->fileDialogs.answers = {m_fixture->programPath(QStringLiteral("Long.inv"))};
        click("Loadnet");
        // The offscreen platform does not hand the keyboard back to a window shown again after
        // it was hidden; a desktop does.
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(m_window->isActiveWindow());
    }
    // Turns the mouse wheel over the grid until the cell is wholly in view, then clicks it.
    static void clickCellOf(QTableWidget* grid, int row, int column)
    {
        QWidget* viewport = grid->viewport();
        const QPoint middle = viewport->rect().center();
        for (int turn = 0; turn < 100; ++turn) {
            const QRect cell = grid->visualItemRect(grid->item(row, column));
            if (viewport->rect().contains(cell))
                break;
            QWheelEvent wheel(middle, viewport->mapToGlobal(middle), QPoint(),
                              QPoint(0, cell.top() < 0 ? 120 : -120), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(viewport, &wheel);
        }
        QTest::mouseClick(viewport, Qt::LeftButton, {},
                          grid->visualItemRect(grid->item(row, column)).center());
    }
    void clickCell(int row, int column) { clickCellOf(grid(), row, column); }
    // Types each row's description and amount from `first` on; Enter moves down a row.
    static void typeRowsInto(QWidget* window, int first, const QList<QStringList>& rows)
    {
        auto* grid = control<QTableWidget>(window, "Grid6");
        for (qsizetype i = 0; i < rows.size(); ++i) {
            for (int column = 0; column < 2; ++column) {
                if (rows[i][column].isEmpty())
                    continue;
                clickCellOf(grid, first + int(i), column);
                QTest::keyClicks(grid, rows[i][column]);
            }
        }
    }
    void typeRows(int first, const QList<QStringList>& rows)
    {
        typeRowsInto(m_window.get(), first, rows);
    }
    QStringList headerTexts()
    {
        return {grid()->horizontalHeaderItem(0)->text(), grid()->horizontalHeaderItem(1)->text()};
    }
    // The text the user sees at a point of the grid: a cell's or the header's.
    QString textInGridAt(const QPoint& point)
    {
        for (QWidget* shown = grid()->childAt(point); shown && shown != grid();
             shown = shown->parentWidget()) {
            if (auto* header = qobject_cast<QHeaderView*>(shown))
                return header->model()
                    ->headerData(header->logicalIndexAt(header->mapFrom(grid(), point)),
                                 Qt::Horizontal)
                    .toString();
            if (shown == grid()->viewport())
                return grid()->itemAt(shown->mapFrom(grid(), point))->text();
        }
        return QString();
    }
    QStringList rowTexts(int row)
    {
        return {grid()->item(row, 0)->text(), grid()->item(row, 1)->text()};
    }
    void click(const char* name)
    {
        QTest::mouseClick(control<QPushButton>(m_window.get(), name), Qt::LeftButton);
    }
    QTableWidget* grid() { return control<QTableWidget>(m_window.get(), "Grid6"); }
    SharedState& state() { return m_fixture->state; }
    ZudeMenu* menu() { return m_program->mainMenu(); }

    std::unique_ptr<GuiTestFixture> m_fixture;
    std::unique_ptr<Program> m_program;
    std::unique_ptr<LInvTrack> m_window;
    QList<std::optional<int>> m_rowAnswers;
    QList<int> m_rowHints;
};

QTEST_MAIN(TestLInvTrack)
#include "tst_linvtrack.moc"
