#include "FileBytes.h"
#include "GuiTestFixture.h"

#include "app/Program.h"
#include "app/ZudeMenu.h"
#include "tracker/InInvNum.h"
#include "tracker/LInvTrack.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

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
        if (m_window) {
            state().SheetChanged = false;
            m_window->close();
        }
        m_window.reset();
        m_program.reset();
        m_fixture->verifyNothingUnexpected();
        m_fixture.reset();
    }

    void opensOnAnEmptySheet()
    {
        open();
        QCOMPARE(rowTexts(0), (QStringList {"Description", "              Amount"}));
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
        QCOMPARE(state().TrackerSheet.SheetRowCount, 4);
        QVERIFY(state().SheetChanged);
        // Back in the grid, typing goes on in the cell last edited.
        QCOMPARE(grid()->currentRow(), 6);
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
        QVERIFY(state().TrackerSheet.cell(1, 0).isEmpty());
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
        m_rowAnswers = {QStringLiteral("3"), QString(), QStringLiteral("0")};
        click("InsertAss");
        QCOMPARE(m_rowHints, QList<int> {3});
        QCOMPARE(rowTexts(3), (QStringList {"BlankLine", ""}));
        QCOMPARE(rowTexts(4), (QStringList {"r3", "3.00"}));
        QCOMPARE(rowTexts(8), (QStringList {"Total", " $15.00"}));
        QCOMPARE(state().ActionMode, int(ActionIdle));
        click("InsertAss");
        click("InsertAss");
        QCOMPARE(state().TrackerSheet.SheetRowCount, 6);
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
        QCOMPARE(dialog.answer(), QStringLiteral("12"));
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
        QVERIFY(!state().SheetChanged);
        QCOMPARE(state().TrackerFileName, QStringLiteral("Money.inv"));
        QByteArray expected = "3\r\n\"Tickets\",-10\r\n\"Winnings\",12.5\r\n\"Sub Total\",2.5\r\n";
        for (int i = 0; i < 108; ++i)
            expected += ",\r\n";
        QCOMPARE(fileBytes(path), expected);

        // Leave (nothing to ask: saved) and come back to an empty sheet; open the file again.
        click("Exit1");
        QVERIFY(!m_window->isVisible());
        QCOMPARE(m_fixture->messages.boxes.size(), 0);
        m_window.reset();
        open();
        QCOMPARE(rowTexts(1), (QStringList {QString(), QString()}));
        m_fixture->fileDialogs.answers = {path};
        click("Loadnet");
        QCOMPARE(m_fixture->fileDialogs.filters.last(),
                 QStringLiteral("Investment Tracker Databases (*.inv)"));
        QCOMPARE(rowTexts(3), (QStringList {"Sub Total", "2.50"}));
        QCOMPARE(rowTexts(5), (QStringList {"Total", " $2.50"}));
        QCOMPARE(state().TrackerFileName, QStringLiteral("Money.inv"));
        QVERIFY(m_window->isVisible());
    }

    void opensTheSampleFile()
    {
        open();
        m_fixture->fileDialogs.answers = {QStringLiteral(NUMERION_SAMPLE_DIR "/Sample.inv")};
        click("Loadnet");
        QVERIFY(m_fixture->messages.boxes.isEmpty());
        QCOMPARE(state().TrackerSheet.SheetRowCount, 13);
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
        state().TrackerFileName = QStringLiteral("Old.inv");
        m_fixture->fileDialogs.answers = {m_fixture->programPath(QStringLiteral("Short.inv"))};
        click("Loadnet");
        QCOMPARE(m_fixture->messages.texts(),
                 QStringList {"File not found or wrong format. Check Filename and/or Directory."});
        QCOMPARE(rowTexts(2), (QStringList {"Total", " $0.00"}));
        QVERIFY(state().TrackerFileName.isEmpty());
    }

    void cancellingOpenCompactsTheTypedRows()
    {
        open();
        typeRows(3, {{"A", "1"}});
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

    void aFailedSaveKeepsTheOldFile()
    {
        m_fixture->writeProgramFile(QStringLiteral("Old.inv"), "old");
        open();
        typeRows(1, {{"A", "1"}});
        click("Calc7");
        // A folder of that name cannot be replaced by a file.
        QDir(m_fixture->programDir.path()).mkdir(QStringLiteral("Folder.inv"));
        m_fixture->fileDialogs.answers = {m_fixture->programPath(QStringLiteral("Folder.inv"))};
        click("SaveNet");
        QCOMPARE(m_fixture->messages.texts(),
                 QStringList {" Bad Filename. Must be in the form MYFILE.ZPX"});
        QCOMPARE(fileBytes(m_fixture->programPath(QStringLiteral("Old.inv"))), QByteArray("old"));
        QVERIFY(!state().SheetChanged);
        QVERIFY(m_window->isVisible());
    }

    void leavingAsksAboutCalculatedChanges_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("throughFrame");
        QTest::newRow("with a file name") << "Money.inv" << false;
        QTest::newRow("without, through the frame") << "" << true;
    }
    void leavingAsksAboutCalculatedChanges()
    {
        QFETCH(QString, fileName);
        QFETCH(bool, throughFrame);
        m_program = std::make_unique<Program>(state(), m_fixture->services);
        m_program->start();
        QTest::mouseClick(control<QPushButton>(menu(), "InvTrack"), Qt::LeftButton);
        auto* tracker = topLevel<LInvTrack>("LInvTrack");
        QVERIFY(tracker);
        QVERIFY(!menu()->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(tracker));
        typeRowsInto(tracker, 1, {{"A", "1"}});
        QTest::mouseClick(control<QPushButton>(tracker, "Calc7"), Qt::LeftButton);
        state().TrackerFileName = fileName;

        auto leave = [&] {
            if (throughFrame)
                tracker->close();
            else
                QTest::mouseClick(control<QPushButton>(tracker, "Exit1"), Qt::LeftButton);
        };
        m_fixture->messages.answerNext(true);
        leave();
        QCOMPARE(m_fixture->messages.lastText(),
                 fileName
                     + " file in memory will be erased. Do you want to go back and save it to "
                       "Disk?.");
        QCOMPARE(m_fixture->messages.boxes.last().title, QStringLiteral("Changed File in Memory"));
        QVERIFY(tracker->isVisible());
        QCOMPARE(state().TrackerSheet.SheetRowCount, 1);

        m_fixture->messages.answerNext(false);
        leave();
        QVERIFY(menu()->isVisible());
        QVERIFY(!topLevel<LInvTrack>("LInvTrack"));
        QVERIFY(!state().SheetChanged);
        QVERIFY(state().TrackerFileName.isEmpty());
        QCOMPARE(state().TrackerSheet.SheetRowCount, 0);
    }

    void cancellingSaveClearsTheChangedState()
    {
        open();
        typeRows(1, {{"A", "1"}});
        click("Calc7");
        click("SaveNet");
        QVERIFY(!state().SheetChanged);
        click("Exit1");
        QVERIFY(m_fixture->messages.boxes.isEmpty());
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
        const QString text = panel->toPlainText();
        QTest::keyClick(panel, Qt::Key_Q);
        QCOMPARE(m_fixture->messages.beeps, 1);
        QCOMPARE(panel->toPlainText(), text);
        click("Calc7");
        QVERIFY(!panel->isVisible());
        QCOMPARE(help->text(), QStringLiteral("&Help"));
    }

private:
    void open()
    {
        m_window
            = std::make_unique<LInvTrack>(state(), m_fixture->services, [this](int hint, QWidget*) {
                  m_rowHints.append(hint);
                  return m_rowAnswers.isEmpty() ? QString() : m_rowAnswers.takeFirst();
              });
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    static void clickCellOf(QTableWidget* grid, int row, int column)
    {
        grid->scrollToItem(grid->item(row, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
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
    QStringList m_rowAnswers;
    QList<int> m_rowHints;
};

QTEST_MAIN(TestLInvTrack)
#include "tst_linvtrack.moc"
