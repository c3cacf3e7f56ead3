// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "FileBytes.h"
#include "GuiTestFixture.h"

#include "core/common/TextFormat.h"
#include "gui/app/Program.h"
#include "gui/app/ZudeMenu.h"
#include "gui/draws/LDbase.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

namespace {

const QByteArray twoRecords = "2,8,49,\"Weekly Six\"\r\n"
                              "1,#1996-09-07#,3,11,23,30,42,49,0,0,0,0\r\n"
                              "2,#1996-09-14#,5,12,19,27,33,41,0,0,0,0\r\n";

} // namespace

class TestDrawFileCommands : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init() { m_fixture = std::make_unique<GuiTestFixture>(); }
    void cleanup()
    {
        closeDatabaseWindow();
        m_program.reset();
        m_fixture->verifyNothingUnexpected();
        m_fixture.reset();
    }

    void typedDrawsSurviveSavingAndARestart()
    {
        startProgram();
        click(menu(), "DBaseForm");
        QVERIFY(QTest::qWaitForWindowActive(database()));
        typeIntoBox(database(), "InFileName", QStringLiteral("Weekly Six, main draw"));
        addDraw(QStringLiteral("9/7/1996"), {"3", "11", "23", "30", "42", "49"});
        addDraw(QStringLiteral("9/14/1996"), {"5", "12", "19", "27", "33", "41"});
        click(database(), "ExitDbase");
        QVERIFY(state().Store.ChangedFlag());

        const QString path = m_fixture->programPath(QStringLiteral("Weekly.lto"));
        m_fixture->fileDialogs.answers = {path};
        click(menu(), "SaveFile");
        QVERIFY(menu()->isVisible());
        QVERIFY(!state().Store.ChangedFlag());
        QCOMPARE(state().Store.FileDisplayName(), QStringLiteral("Weekly.lto"));
        QCOMPARE(m_fixture->fileDialogs.kinds, QStringList {"save"});
        QByteArray expected = twoRecords;
        expected.replace("Weekly Six", "Weekly Six, main draw");
        QCOMPARE(fileBytes(path), expected);

        // Exit (no question: everything is saved) and start again on a fresh state.
        click(menu(), "Exit1Butt");
        QVERIFY(m_fixture->messages.boxes.isEmpty());
        m_program.reset();
        m_fixture->startAfresh();
        startProgram();

        m_fixture->fileDialogs.answers = {path};
        click(menu(), "LoadFile");
        QCOMPARE(m_fixture->fileDialogs.kinds.last(), QStringLiteral("open"));
        QVERIFY(database());
        QVERIFY(!menu()->isVisible());
        QCOMPARE(control<QLineEdit>(database(), "InFileName")->text(),
                 QStringLiteral("Weekly Six, main draw"));
        auto* grid = control<QTableView>(database(), "Grid1");
        // Newest first.
        QCOMPARE(cellText(grid, 1, 1), QStringLiteral("9/14/1996"));
        QCOMPARE(cellText(grid, 1, 7), QStringLiteral(" 41"));
        QCOMPARE(control<QLineEdit>(database(), "InDate")->text(), QStringLiteral("9/21/1996"));
        QVERIFY(!state().Store.ChangedFlag());

        // The next save proposes the same name.
        click(database(), "ExitDbase");
        click(menu(), "SaveFile");
        QCOMPARE(m_fixture->fileDialogs.proposals.last(), path);
    }

    void opensTheSampleFile()
    {
        startProgram();
        m_fixture->fileDialogs.answers = {QStringLiteral(NUMERION_SAMPLE_DIR "/Sample.lto")};
        click(menu(), "LoadFile");
        QVERIFY(m_fixture->messages.boxes.isEmpty());
        QCOMPARE(state().Store.RecCount(), 150);
        QCOMPARE(state().Store.shape().numbersPerDraw, 6);
        QCOMPARE(state().Store.shape().highestNumber, 49);
        QCOMPARE(state().Store.FileDisplayName(), QStringLiteral("Sample.lto"));
        QCOMPARE(cellText(control<QTableView>(database(), "Grid1"), 1, 0), QStringLiteral(" 150"));
    }

    void cancellingOpenShowsTheDrawsInMemory()
    {
        startProgram();
        state().Store.SetTitle(QStringLiteral("Kept"));
        AppendTyped(state().Store, QStringLiteral("9/7/1996"), {"1", "2", "3", "4", "5", "6"});
        m_fixture->messages.answerNext(false); // open another: the draws may go
        click(menu(), "LoadFile");
        QVERIFY(database());
        QCOMPARE(state().Store.RecCount(), 1);
        QCOMPARE(m_fixture->fileDialogs.kinds, QStringList {"open"});
        QCOMPARE(m_fixture->messages.boxes.size(), 1);
        QVERIFY(state().Store.ChangedFlag());
    }

    void openingAskBeforeDroppingAddedDraws()
    {
        startProgram();
        m_fixture->writeProgramFile(QStringLiteral("Other.lto"), twoRecords);
        state().Store.proposeFileName(QStringLiteral("Mine.lto"));
        AppendTyped(state().Store, QStringLiteral("9/7/1996"), {"1", "2", "3", "4", "5", "6"});

        m_fixture->messages.answerNext(true); // go back and save
        click(menu(), "LoadFile");
        QCOMPARE(m_fixture->messages.lastText(),
                 QStringLiteral("Mine.lto file in memory will be erased. Do you want to go back "
                                "and Save File to Disk?."));
        QVERIFY(menu()->isVisible());
        QVERIFY(m_fixture->fileDialogs.kinds.isEmpty());

        m_fixture->messages.answerNext(false);
        m_fixture->fileDialogs.answers = {m_fixture->programPath(QStringLiteral("Other.lto"))};
        click(menu(), "LoadFile");
        QCOMPARE(state().Store.RecCount(), 2);
        QCOMPARE(state().Store.FileDisplayName(), QStringLiteral("Other.lto"));
    }

    // The message gives the reader's reason, as the command line does.
    void aBrokenFileLeavesAnEmptyStore_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing file") << QByteArray() << "No such file or directory";
        QTest::newRow("fewer records than announced")
            << twoRecords.left(twoRecords.size() - 42) << "It is no draw database.";
        QTest::newRow("not a draw file")
            << QByteArray("Dear diary,\r\n") << "It is no draw database.";
        QTest::newRow("a newer version's file")
            << QByteArray("\"Numerion draws\",3,0,10,6,49,0,0,0,\"Later\"\r\n")
            << "It was written by a newer version of the program.";
    }
    void aBrokenFileLeavesAnEmptyStore()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        startProgram();
        const QString path = m_fixture->programPath(QStringLiteral("Broken.lto"));
        if (!bytes.isEmpty())
            m_fixture->writeProgramFile(QStringLiteral("Broken.lto"), bytes);
        state().Store.SetTitle(QStringLiteral("Old"));
        AppendTyped(state().Store, QStringLiteral("9/7/1996"), {"1", "2", "3", "4", "5", "6"});

        m_fixture->messages.answerNext(false); // the draws in memory may go
        m_fixture->fileDialogs.answers = {path};
        click(menu(), "LoadFile");
        QCOMPARE(m_fixture->messages.texts().size(), 2);
        QCOMPARE(m_fixture->messages.texts().last(),
                 "File not found or wrong format. Check Filename and/or Directory.\n" + reason);
        QCOMPARE(m_fixture->messages.boxes.last().title, QStringLiteral("Loading Error"));
        QCOMPARE(state().Store.RecCount(), 0);
        QVERIFY(state().Store.Title().isEmpty());
        QVERIFY(state().Store.FileDisplayName().isEmpty());
        QVERIFY(!state().Store.ChangedFlag());
        QCOMPARE(m_fixture->fileDialogs.kinds, QStringList {"open"});
        QVERIFY(database());
        QCOMPARE(control<QLineEdit>(database(), "NumCol")->text(), QStringLiteral("6"));
    }

    void saveWithoutRecordsOrWithCancel()
    {
        startProgram();
        click(menu(), "SaveFile");
        QCOMPARE(m_fixture->messages.texts(), QStringList {"No Records to Save"});
        QVERIFY(m_fixture->fileDialogs.kinds.isEmpty());

        AppendTyped(state().Store, QStringLiteral("9/7/1996"), {"1", "2", "3", "4", "5", "6"});
        click(menu(), "SaveFile"); // no answer scripted: cancel
        QCOMPARE(m_fixture->fileDialogs.kinds, QStringList {"save"});
        // Nothing was saved, so the draws are still unsaved.
        QVERIFY(state().Store.ChangedFlag());
        QCOMPARE(QDir(m_fixture->programDir.path()).entryList(QDir::Files), QStringList());
        QVERIFY(menu()->isVisible());
    }

    void aNameWithoutSuffixIsSavedAsADrawFile()
    {
        startProgram();
        AppendTyped(state().Store, QStringLiteral("9/7/1996"), {"1", "2", "3", "4", "5", "6"});
        m_fixture->fileDialogs.answers = {m_fixture->programPath(QStringLiteral("noext"))};
        click(menu(), "SaveFile");
        QVERIFY(m_fixture->messages.boxes.isEmpty());
        // (Beside the list of recent files, which now names it.)
        QCOMPARE(QDir(m_fixture->programDir.path()).entryList({"noext*"}, QDir::Files),
                 QStringList {"noext.lto"});
        QCOMPARE(state().Store.FileDisplayName(), QStringLiteral("noext.lto"));
    }

    // The CSV filter exports the draws, whatever the name's suffix; the draws in memory still
    // wait to be saved. A name without a suffix gets the filter's.
    void theCsvFilterExportsTheDraws()
    {
        startProgram();
        AppendTyped(state().Store, QStringLiteral("9/14/1996"), {"7", "2", "3", "4", "5", "6"});
        AppendTyped(state().Store, QStringLiteral("9/7/1996"), {"1", "2", "3", "4", "5", "6"});
        m_fixture->fileDialogs.answers = {m_fixture->programPath(QStringLiteral("Draws.CSV")),
                                          m_fixture->programPath(QStringLiteral("Plain"))};
        m_fixture->fileDialogs.chosenFilters = {1, 1};
        click(menu(), "SaveFile");
        QVERIFY(m_fixture->messages.boxes.isEmpty());
        QCOMPARE(fileBytes(m_fixture->programPath(QStringLiteral("Draws.CSV"))),
                 QByteArray("Date,Number 1,Number 2,Number 3,Number 4,Number 5,Number 6\r\n"
                            "1996-09-07,1,2,3,4,5,6\r\n1996-09-14,7,2,3,4,5,6\r\n"));
        QVERIFY(state().Store.ChangedFlag());
        QCOMPARE(state().Store.FileDisplayName(), QString());
        QCOMPARE(m_fixture->fileDialogs.filters.first(),
                 QStringLiteral(
                     "Lottery Winning Numbers Database (*.lto);;Export Draws as CSV (*.csv)"));
        click(menu(), "SaveFile");
        QCOMPARE(fileBytes(m_fixture->programPath(QStringLiteral("Plain.csv"))),
                 fileBytes(m_fixture->programPath(QStringLiteral("Draws.CSV"))));
    }

    void aFailedSaveKeepsTheOldFile()
    {
        startProgram();
        const QString path = m_fixture->programPath(QStringLiteral("Weekly.lto"));
        m_fixture->writeProgramFile(QStringLiteral("Weekly.lto"), twoRecords);
        AppendTyped(state().Store, QStringLiteral("9/7/1996"), {"1", "2", "3", "4", "5", "6"});
        // A date that cannot be written fails the save half-way through.
        AppendTyped(state().Store, QStringLiteral("9/7/1996"), {"1", "2", "3", "4", "5", "6"});
        const QList<int> numbers {1, 2, 3, 4, 5, 6};
        state().Store.ReplaceRecord(2, QDate(999, 12, 31), numbers);
        state().Store.proposeFileName(QStringLiteral("Before.lto"));

        m_fixture->fileDialogs.answers = {path, m_fixture->programPath("no/such/folder/x.lto")};
        click(menu(), "SaveFile");
        state().Store.ReplaceRecord(2, QDate(1996, 9, 7), numbers);
        click(menu(), "SaveFile");
        QCOMPARE(m_fixture->messages.texts(),
                 (QStringList {" Bad Filename. Must be in the form MYFILE.LTO\nA record's date is "
                               "no date that can be written.",
                               " Bad Filename. Must be in the form MYFILE.LTO\nNo such file or "
                               "directory"}));
        QCOMPARE(m_fixture->messages.boxes.first().title, QStringLiteral("Saving Error"));
        QCOMPARE(fileBytes(path), twoRecords);
        QCOMPARE(state().Store.FileDisplayName(), QStringLiteral("Before.lto"));
    }

    // Draws not saved are never dropped without the question: a save that failed or was
    // cancelled leaves them marked, and a correction marks them.
    void unsavedDrawsAreNeverForgotten_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("failed save") << "failed";
        QTest::newRow("cancelled save") << "cancelled";
        QTest::newRow("correction after an open") << "correction";
    }
    void unsavedDrawsAreNeverForgotten()
    {
        QFETCH(QString, way);
        startProgram();
        if (way == "correction") {
            m_fixture->writeProgramFile(QStringLiteral("Weekly.lto"), twoRecords);
            m_fixture->fileDialogs.answers = {m_fixture->programPath(QStringLiteral("Weekly.lto"))};
            click(menu(), "LoadFile");
            m_fixture->answerDialog(QStringLiteral("InRecNum"), [](QWidget* dialog) {
                QTest::keyClicks(control<QLineEdit>(dialog, "CurVal"), QStringLiteral("1"));
                QTest::mouseClick(control<QPushButton>(dialog, "Accept"), Qt::LeftButton);
            });
            click(database(), "CorrectRec");
            auto* number = control<QLineEdit>(database(), "InNum0");
            QTest::mouseClick(number, Qt::LeftButton);
            QTest::keyClick(number, Qt::Key_Backspace);
            QTest::keyClick(number, Qt::Key_4);
            click(database(), "Calc");
            QCOMPARE(state().Store.number(1, 0), 4);
            click(database(), "ExitDbase");
        } else {
            click(menu(), "DBaseForm");
            QVERIFY(QTest::qWaitForWindowActive(database()));
            addDraw(QStringLiteral("9/7/1996"), {"3", "11", "23", "30", "42", "49"});
            QCOMPARE(state().Store.RecCount(), 1);
            click(database(), "ExitDbase");
            if (way == "failed") {
                m_fixture->writeProgramFile(QStringLiteral("NotAFolder"), "a file");
                m_fixture->fileDialogs.answers = {m_fixture->programPath("NotAFolder/Weekly.lto")};
            }
            click(menu(), "SaveFile");
            if (way == "failed")
                QCOMPARE(m_fixture->messages.texts(),
                         QStringList {" Bad Filename. Must be in the form MYFILE.LTO\nNot a "
                                      "directory"});
        }

        m_fixture->messages.answerNext(true); // go back and save
        QSignalSpy finished(m_program.get(), &Program::finished);
        click(menu(), "Exit1Butt");
        QVERIFY(m_fixture->messages.boxes.last().question);
        QCOMPARE(m_fixture->messages.boxes.last().title, QStringLiteral("Changed File in Memory"));
        QCOMPARE(finished.count(), 0);
        QVERIFY(menu()->isVisible());
    }

    // A highest number of three digits is cut to the window's 60, not to its first two digits,
    // and the records keep their numbers.
    void aShapeBeyondTheLimitsIsCutToThem()
    {
        startProgram();
        m_fixture->writeProgramFile(QStringLiteral("Big.lto"),
                                    "1,8,105,\"Big\"\r\n"
                                    "1,#1996-09-07#,3,11,23,30,42,175,0,0,0,0\r\n");
        m_fixture->fileDialogs.answers = {m_fixture->programPath(QStringLiteral("Big.lto"))};
        click(menu(), "LoadFile");
        QCOMPARE(control<QLineEdit>(database(), "HighNum")->text(), QStringLiteral("99"));
        QCOMPARE(state().Store.shape().highestNumber, 99);
        QCOMPARE(state().Store.number(1, 5), 175);
        QVERIFY(m_fixture->messages.boxes.isEmpty());
    }

    void printsTheDatabase()
    {
        startProgram();
        click(menu(), "PrintDbase");
        QCOMPARE(m_fixture->messages.texts(), QStringList {"No Records in Database to print."});

        m_fixture->writeProgramFile(QStringLiteral("Weekly.lto"), twoRecords);
        m_fixture->fileDialogs.answers = {m_fixture->programPath(QStringLiteral("Weekly.lto"))};
        click(menu(), "LoadFile");
        const QString topLine = control<QLabel>(database(), "Label4")->text();
        click(database(), "ExitDbase");
        m_fixture->messages.clear();

        m_fixture->messages.answerNext(false);
        click(menu(), "PrintDbase");
        QVERIFY(m_fixture->printer.printed.isEmpty());

        m_fixture->printer.lineHeight = 240;
        m_fixture->messages.answerNext(true);
        click(menu(), "PrintDbase");
        QCOMPARE(m_fixture->printer.printed.size(), 1);
        const QStringList page = m_fixture->printer.printed.first().pages.first();
        QCOMPARE(page[2], QStringLiteral("    Winning numbers in Weekly Six Draw"));
        QVERIFY(page[5].startsWith(QStringLiteral("    9/7/1996")));
        // The top numbers as the database window showed them.
        QVERIFY(topLine.startsWith(QStringLiteral("Distribution of numbers")));
        QVERIFY(page.contains(QStringLiteral("  ") + topLine));

        // Lines per page come from the printer's page: the lines that fit, less the two below
        // the last record; the first page has six lines of headings above its records.
        for (int i = 0; i < 60; ++i)
            AppendTyped(state().Store, QStringLiteral("9/21/1996"), {"1", "2", "3", "4", "5", "6"});
        m_fixture->messages.answerNext(true);
        click(menu(), "PrintDbase");
        const QStringList first = m_fixture->printer.printed.last().pages.first();
        QCOMPARE(int(first.filter(QStringLiteral("/")).size()), (14400 / 240 - 2) - 6);
        QCOMPARE(first.last().trimmed(), QStringLiteral("Page 1"));
        QVERIFY(menu()->isVisible());

        // A whole history is asked about once more, with its count of pages; No prints nothing.
        for (int i = 0; i < 50 * 56; ++i)
            AppendTyped(state().Store, QStringLiteral("9/21/1996"), {"1", "2", "3", "4", "5", "6"});
        const qsizetype printed = m_fixture->printer.printed.size();
        m_fixture->messages.clear();
        m_fixture->messages.answerNext(true);
        m_fixture->messages.answerNext(false);
        click(menu(), "PrintDbase");
        QCOMPARE(m_fixture->messages.texts().last(),
                 QStringLiteral("The printout has 54 pages. Print them all?"));
        QCOMPARE(m_fixture->printer.printed.size(), printed);
        m_fixture->messages.answerNext(true);
        m_fixture->messages.answerNext(true);
        click(menu(), "PrintDbase");
        QCOMPARE(m_fixture->printer.printed.last().pages.size(), 54);
    }

private:
    void startProgram()
    {
        m_program = std::make_unique<Program>(state(), m_fixture->services);
        m_program->start();
        QVERIFY(QTest::qWaitForWindowExposed(menu()));
    }
    void click(QWidget* window, const char* button)
    {
        QTest::mouseClick(control<QPushButton>(window, button), Qt::LeftButton);
    }
    // Types a draw the way a user does: the date, Enter, each number and Enter; the last Enter
    // presses "Add Record".
    void addDraw(const QString& date, const QStringList& numbers)
    {
        auto* dateBox = control<QLineEdit>(database(), "InDate");
        dateBox->setFocus();
        dateBox->selectAll();
        QTest::keyClicks(dateBox, date);
        QTest::keyClick(dateBox, Qt::Key_Return);
        for (const QString& number : numbers) {
            QTest::keyClicks(QApplication::focusWidget(), number);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    void closeDatabaseWindow()
    {
        if (LDbase* window = database())
            window->close();
    }
    LDbase* database() { return topLevel<LDbase>("LDbase"); }
    SharedState& state() { return m_fixture->state; }
    ZudeMenu* menu() { return m_program->mainMenu(); }

    std::unique_ptr<GuiTestFixture> m_fixture;
    std::unique_ptr<Program> m_program;
};

QTEST_MAIN(TestDrawFileCommands)
#include "tst_drawfilecommands.moc"
