// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "FileBytes.h"
#include "GuiTestFixture.h"

#include "gui/app/Program.h"
#include "gui/app/ZudeMenu.h"
#include "gui/draws/LDbase.h"
#include "gui/draws/LImport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

namespace {

// As a US lottery publishes it: month/day/year, the numbers in one field, rows out of order and
// a misprinted number.
const QByteArray usHistory = "Draw Date,Winning Numbers\r\n"
                             "09/26/2020,11 21 27 36 42 24\r\n"
                             "09/19/2020,05 12 19 27 33 41\r\n"
                             "09/30/2020,1 2 3 4 5 77\r\n"
                             "09/23/2020,3 11 23 30 42 49\r\n";

const QByteArray usHistoryAsDrawFile = "3,8,49,\"powerball-history\"\r\n"
                                       "1,#2020-09-19#,5,12,19,27,33,41,0,0,0,0\r\n"
                                       "2,#2020-09-23#,3,11,23,30,42,49,0,0,0,0\r\n"
                                       "3,#2020-09-26#,11,21,27,36,42,24,0,0,0,0\r\n";

// Five of 69 and one of 26 in one field, the extra number last, and a multiplier beside them.
const QByteArray extraHistory = "Draw Date,Winning Numbers,Multiplier\r\n"
                                "09/26/2020,11 21 27 36 62 24,3\r\n"
                                "09/23/2020,08 17 49 52 59 26,2\r\n"
                                "09/19/2020,05 12 19 27 33 27,2\r\n";

// No date tells whether the day or the month comes first.
const QByteArray openDates = "Date;N1;N2;N3;N4;N5;N6\n"
                             "03/04/2025;1;2;3;4;5;6\n"
                             "10/04/2025;7;8;9;10;11;12\n";

} // namespace

class TestImportWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        m_fixture = std::make_unique<GuiTestFixture>();
        m_program = std::make_unique<Program>(state(), m_fixture->services);
        m_program->start();
        QVERIFY(QTest::qWaitForWindowExposed(menu()));
    }
    void cleanup()
    {
        for (const char* name : {"LImport", "LDbase"})
            delete topLevel<QWidget>(name);
        m_program.reset();
        m_fixture->verifyNothingUnexpected();
        m_fixture.reset();
    }

    // Choose a downloaded file, check the preview, replace the database, save it from the menu.
    void importsAFileAndSavesIt_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("firstDate");
        QTest::newRow("en_US") << "en_US"
                               << "9/19/2020";
        QTest::newRow("de_DE") << "de_DE"
                               << "19.09.2020";
    }
    void importsAFileAndSavesIt()
    {
        QFETCH(QString, locale);
        QFETCH(QString, firstDate);
        QLocale::setDefault(QLocale(locale));
        const QString history = writeFile("powerball-history.csv", usHistory);
        QWidget* window = openImport();
        m_fixture->fileDialogs.answers = {history};
        click(window, "ChooseFile");
        QCOMPARE(m_fixture->fileDialogs.filters.last(),
                 QStringLiteral("Draw histories (*.csv *.txt *.tsv);;All files (*)"));

        QCOMPARE(control<QLabel>(window, "FileName")->text(),
                 QStringLiteral("powerball-history.csv"));
        QCOMPARE(control<QLineEdit>(window, "InFileName")->text(),
                 QStringLiteral("powerball-history"));
        QCOMPARE(
            control<QLabel>(window, "Summary")->text(),
            QStringLiteral("3 draws found, 1 line skipped\n3 to add, 0 duplicates, 0 conflicts"));
        auto* preview = control<QTableWidget>(window, "Grid1");
        QCOMPARE(preview->rowCount(), 4);
        QCOMPARE(preview->columnCount(), 8);
        QCOMPARE(rowTexts(preview, 1),
                 (QStringList {"   1", firstDate, "  5", " 12", " 19", " 27", " 33", " 41"}));
        QCOMPARE(rowTexts(preview, 3).at(7), QStringLiteral(" 24"));

        click(window, "ShowSkipped");
        auto* skipped = control<QPlainTextEdit>(window, "SkippedBox");
        QVERIFY(skipped->isVisible());
        QCOMPARE(skipped->toPlainText(),
                 QStringLiteral("line 4: number 77 is not from 1 to 49: 09/30/2020,1 2 3 4 5 77"));

        click(window, "ReplaceDb");
        QVERIFY(!topLevel<LImport>("LImport"));
        LDbase* database = topLevel<LDbase>("LDbase");
        QVERIFY(database);
        QCOMPARE(cellText(control<QTableView>(database, "Grid1"), 3, 1), firstDate);
        QCOMPARE(control<QLineEdit>(database, "InFileName")->text(),
                 QStringLiteral("powerball-history"));
        QVERIFY(state().Store.ChangedFlag());
        QVERIFY(m_fixture->messages.boxes.isEmpty());

        click(database, "ExitDbase");
        const QString saved = m_fixture->programPath(QStringLiteral("Saved.lto"));
        m_fixture->fileDialogs.answers = {saved};
        click(menu(), "SaveFile");
        // Saving proposes the history's name as a draw file, not the file that was open before.
        QCOMPARE(m_fixture->fileDialogs.proposals.last(),
                 m_fixture->programPath(QStringLiteral("powerball-history.lto")));
        QCOMPARE(fileBytes(saved), usHistoryAsDrawFile);
        QVERIFY(!state().Store.ChangedFlag());
    }

    // A game with a number of its own pool: chosen in the window, shown after the main numbers,
    // stored and saved with them.
    void importsExtraNumbers()
    {
        QWidget* window = openImport();
        QVERIFY(QTest::qWaitForWindowActive(window));
        const auto type = [window](const char* box, const char* text) {
            auto* edit = control<QLineEdit>(window, box);
            QTest::mouseClick(edit, Qt::LeftButton);
            QTest::keyClicks(edit, QString::fromLatin1(text));
            QTest::keyClick(edit, Qt::Key_Return);
        };
        type("NumCol", "5");
        type("HighNum", "69");
        type("InExtra", "1");
        control<QComboBox>(window, "ExtraPool")->setCurrentIndex(1);
        type("InExtraLow", "1");
        type("InExtraHigh", "26");
        m_fixture->fileDialogs.answers = {writeFile("power.csv", extraHistory)};
        click(window, "ChooseFile");

        QCOMPARE(
            control<QLabel>(window, "Summary")->text(),
            QStringLiteral("2 draws found, 1 line skipped\n2 to add, 0 duplicates, 0 conflicts"));
        QCOMPARE(control<QLineEdit>(window, "InNumCols")->text(), QStringLiteral("2"));
        auto* preview = control<QTableWidget>(window, "Grid1");
        QCOMPARE(rowTexts(preview, 2).mid(2),
                 (QStringList {" 11", " 21", " 27", " 36", " 62", " 24"}));
        // The extra number stands apart from the main ones.
        QVERIFY(preview->item(2, 7)->background() != preview->item(2, 6)->background());
        click(window, "ShowSkipped");
        QCOMPARE(control<QPlainTextEdit>(window, "SkippedBox")->toPlainText(),
                 QStringLiteral("line 4: number 27 is not from 1 to 26: 09/19/2020,05 12 19 27 "
                                "33 27,2"));

        click(window, "ReplaceDb");
        QCOMPARE(ShapeName(state().Store.shape()), QStringLiteral("5 of 69 + 1 of 26"));
        QCOMPARE(state().Store.RecCount(), 2);
        click(topLevel<LDbase>("LDbase"), "ExitDbase");
        const QString saved = m_fixture->programPath(QStringLiteral("Saved.lto"));
        m_fixture->fileDialogs.answers = {saved};
        click(menu(), "SaveFile");
        QCOMPARE(fileBytes(saved),
                 QByteArray("\"Numerion draws\",2,2,10,5,69,1,1,26,\"power\"\r\n"
                            "1,#2020-09-23#,8,17,49,52,59,26,0,0,0,0\r\n"
                            "2,#2020-09-26#,11,21,27,36,62,24,0,0,0,0\r\n"));
    }

    // Draws in memory that are not saved are never dropped without the question opening a file
    // asks; adding what is not there yet drops nothing and asks nothing.
    void asksBeforeDroppingUnsavedDraws_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<bool>("full");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QList<QDate>>("dates");
        const QDate oldest(1000, 1, 1);
        const QList<QDate> imported {{2020, 9, 19}, {2020, 9, 23}, {2020, 9, 26}};
        QTest::newRow("replace unsaved draws") << "ReplaceDb" << true << false << true << imported;
        QTest::newRow("replace saved draws") << "ReplaceDb" << false << false << false << imported;
        QTest::newRow("add to unsaved draws")
            << "AddDb" << true << false << false
            << QList<QDate> {{2020, 9, 19}, {2020, 9, 23}, {2020, 9, 26}, {2020, 10, 3}};
        // A full database of four draws a day: the three oldest make way for the imported ones
        // when the user says so.
        QTest::newRow("add to a full database")
            << "AddDb" << true << true << true
            << QList<QDate> {oldest, oldest.addDays(1), QDate(2020, 9, 26)};
    }
    void asksBeforeDroppingUnsavedDraws()
    {
        QFETCH(QString, button);
        QFETCH(bool, changed);
        QFETCH(bool, full);
        QFETCH(bool, asked);
        QFETCH(QList<QDate>, dates);
        DrawStore& store = state().Store;
        DrawRecords records;
        if (full) {
            for (int i = 1; i <= DrawStore::MaxRecords; ++i)
                records.append(QDate(1000, 1, 1).addDays((i - 1) / 4),
                               QList<int> {1, 2, 3, 4, 5, 6});
        } else {
            // The first is also in the history.
            records.append({2020, 9, 19}, QList<int> {5, 12, 19, 27, 33, 41});
            records.append({2020, 10, 3}, QList<int> {1, 2, 3, 4, 5, 6});
        }
        store.Load({6, 49}, {}, records);
        store.SetTitle(QStringLiteral("Mine"));
        if (changed)
            store.proposeFileName(QStringLiteral("Mine.lto"));
        else
            QVERIFY(SaveAs(store, m_fixture->programPath(QStringLiteral("Mine.lto"))));

        QWidget* window = openImport();
        m_fixture->fileDialogs.answers = {writeFile("powerball-history.csv", usHistory)};
        click(window, "ChooseFile");
        if (asked) {
            if (full)
                m_fixture->messages.answerNext(true); // keep the newest that fit
            m_fixture->messages.answerNext(true); // go back and save first
            click(window, button.toLatin1().constData());
            QCOMPARE(m_fixture->messages.boxes.last().title,
                     QStringLiteral("Changed File in Memory"));
            QVERIFY(window->isVisible());
            QCOMPARE(store.RecCount(), records.size());
            QCOMPARE(store.Title(), QStringLiteral("Mine"));
            if (full)
                m_fixture->messages.answerNext(true);
            m_fixture->messages.answerNext(false);
        }
        click(window, button.toLatin1().constData());
        int questions = 0;
        for (const RecordingMessageBoxes::Box& box : m_fixture->messages.boxes)
            questions += box.question;
        QCOMPARE(questions, asked ? (full ? 4 : 2) : 0);
        QVERIFY(topLevel<LDbase>("LDbase"));
        QVERIFY(store.ChangedFlag());
        QCOMPARE(store.RecCount(), full ? DrawStore::MaxRecords : int(dates.size()));
        for (int i = 0; i < 2; ++i)
            QCOMPARE(store.date(i + 1), dates[i]);
        QCOMPARE(store.date(store.RecCount()), dates.last());
        const bool replaced = button == "ReplaceDb";
        QCOMPARE(store.FileDisplayName(),
                 replaced ? QStringLiteral("powerball-history.lto") : QStringLiteral("Mine.lto"));
    }

    // A history that cannot tell 03/04 from 04/03 asks once, shows the choice and follows it.
    void asksForTheDateOrder()
    {
        QWidget* window = openImport();
        m_fixture->fileDialogs.answers = {writeFile("open.csv", openDates)};
        m_fixture->messages.answerNext(false); // month first
        click(window, "ChooseFile");
        QCOMPARE(m_fixture->messages.texts(),
                 QStringList {" The dates in this file can be read day first or month first. Is "
                              "the draw on line 2 from 3 April 2025? (No: from 4 March 2025.)"});
        auto* preview = control<QTableWidget>(window, "Grid1");
        auto* dayFirst = control<QRadioButton>(window, "DayFirst");
        auto* monthFirst = control<QRadioButton>(window, "MonthFirst");
        QCOMPARE(preview->item(1, 1)->text(), QStringLiteral("3/4/2025"));
        QVERIFY(monthFirst->isChecked() && dayFirst->isEnabled());

        QTest::mouseClick(dayFirst, Qt::LeftButton);
        QVERIFY(dayFirst->isChecked());
        QCOMPARE(preview->item(1, 1)->text(), QStringLiteral("4/3/2025"));
        QCOMPARE(preview->item(2, 1)->text(), QStringLiteral("4/10/2025"));
        click(window, "ReplaceDb");
        QCOMPARE(m_fixture->messages.boxes.size(), 1);
        QCOMPARE(state().Store.date(2), QDate(2025, 4, 10));
    }

    // Pasted text goes through the same reading; the date question comes when it is imported.
    void importsPastedText()
    {
        // Longer than the title box once held: adding draws used to cut it.
        const QString title
            = QStringLiteral("Weekly Six of Forty-Nine, drawn on Wednesdays and Saturdays");
        state().Store.SetTitle(title);
        QWidget* window = openImport();
        auto* pasted = control<QPlainTextEdit>(window, "InText");
        pasted->setFocus();
        pasteInto(pasted, QString::fromLatin1("Results\n\n" + openDates), QStringLiteral("Ctrl+V"));
        QTRY_COMPARE(control<QLabel>(window, "FileName")->text(), QStringLiteral("Pasted text"));
        QCOMPARE(control<QTableWidget>(window, "Grid1")->rowCount(), 3);
        QVERIFY(m_fixture->messages.boxes.isEmpty());

        m_fixture->messages.answerNext(true); // day first
        click(window, "AddDb");
        QCOMPARE(m_fixture->messages.boxes.size(), 1);
        QCOMPARE(state().Store.RecCount(), 2);
        QCOMPARE(state().Store.date(1), QDate(2025, 4, 3));
        // Pasted text has no name: the title stays, whole.
        QCOMPARE(state().Store.Title(), title);
    }

    // Typed text is read once the typing pauses, and an import right after typing takes all of
    // it; only the newest draws are taken when the user says so.
    void readsTypedTextOncePaused()
    {
        QWidget* window = openImport();
        auto* pasted = control<QPlainTextEdit>(window, "InText");
        auto* summary = control<QLabel>(window, "Summary");
        const QString unread = summary->text();
        pasted->setFocus();
        QTest::keyClicks(pasted, QStringLiteral("1982-06-12 1 2 3 4 5 6"));
        QCOMPARE(summary->text(), unread);
        QTRY_VERIFY(summary->text().startsWith(QStringLiteral("1 draw found,")));

        QTest::mouseClick(control<QCheckBox>(window, "NewestOnly"), Qt::LeftButton);
        control<QSpinBox>(window, "InNewest")->setValue(2);
        pasted->setFocus();
        for (const char* line : {"1982-06-19 7 8 9 10 11 12", "1982-06-26 1 3 5 7 9 11"}) {
            QTest::keyClick(pasted, Qt::Key_Return);
            QTest::keyClicks(pasted, QString::fromLatin1(line));
        }
        click(window, "ReplaceDb");
        const DrawStore& store = state().Store;
        QCOMPARE(store.RecCount(), 2);
        QCOMPARE(store.date(1), QDate(1982, 6, 19));
        QCOMPARE(store.date(2), QDate(1982, 6, 26));
    }

    // Rows with more numbers than a draw are not imported until the user names the columns of
    // the drawn numbers; the boxes then show the columns taken.
    void choosesTheColumns()
    {
        QWidget* window = openImport();
        m_fixture->fileDialogs.answers = {writeFile("numbered.csv",
                                                    "Date;Draw;N1;N2;N3;N4;N5;N6;Bonus\n"
                                                    "2025-11-15;101;1;2;3;4;5;6;7\n"
                                                    "2025-11-19;102;3;11;12;14;41;43;9\n")};
        click(window, "ChooseFile");
        QCOMPARE(control<QTableWidget>(window, "Grid1")->rowCount(), 1);
        click(window, "ReplaceDb");
        QCOMPARE(m_fixture->messages.boxes.size(), 1);
        QCOMPARE(state().Store.RecCount(), 0);
        auto* numberColumns = control<QLineEdit>(window, "InNumCols");
        QCOMPARE(window->focusWidget(), numberColumns);

        QTest::keyClicks(numberColumns, QStringLiteral("3-8"));
        QTest::keyClick(numberColumns, Qt::Key_Return);
        QCOMPARE(control<QLineEdit>(window, "InDateCol")->text(), QStringLiteral("1"));
        QCOMPARE(numberColumns->text(), QStringLiteral("3-8"));
        QCOMPARE(rowTexts(control<QTableWidget>(window, "Grid1"), 2).mid(2),
                 (QStringList {"  3", " 11", " 12", " 14", " 41", " 43"}));
        click(window, "ReplaceDb");
        QCOMPARE(state().Store.RecCount(), 2);
        QCOMPARE(state().Store.number(1, 5), 6);
    }

    // Enter presses the focused button, an access key takes the box being edited first, and
    // Escape leaves.
    void worksFromTheKeyboard()
    {
        QWidget* window = openImport();
        QVERIFY(QTest::qWaitForWindowActive(window));
        m_fixture->fileDialogs.answers = {writeFile("powerball-history.csv", usHistory)};
        QTest::keyClick(window->focusWidget(), Qt::Key_Return); // on "Choose File"
        QCOMPARE(m_fixture->fileDialogs.kinds, QStringList {"open"});

        auto* highest = control<QLineEdit>(window, "HighNum");
        QTest::mouseClick(highest, Qt::LeftButton);
        QTest::keyClicks(highest, QStringLiteral("50"));
        QTest::keyClick(highest, Qt::Key_R, Qt::AltModifier);
        QTRY_VERIFY(topLevel<LDbase>("LDbase"));
        QCOMPARE(state().Store.shape().highestNumber, 50);
        QCOMPARE(state().Store.number(3, 4), 42);

        click(topLevel<LDbase>("LDbase"), "ExitDbase");
        window = openImport();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window->focusWidget(), Qt::Key_Escape);
        QVERIFY(!topLevel<LImport>("LImport"));
        QVERIFY(menu()->isVisible());
    }

    // Every file dialog starts where the last file of any kind was chosen.
    void theNextDialogStartsInTheHistorysFolder()
    {
        QTemporaryDir downloads;
        const QString history = QDir(downloads.path()).filePath(QStringLiteral("history.csv"));
        QFile file(history);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(usHistory) == usHistory.size());
        file.close();
        QWidget* window = openImport();
        m_fixture->fileDialogs.answers = {history};
        click(window, "ChooseFile");
        QVERIFY(m_fixture->messages.boxes.isEmpty());
        window->close();

        click(menu(), "LoadFile"); // cancelled
        QCOMPARE(m_fixture->fileDialogs.kinds, (QStringList {"open", "open"}));
        QCOMPARE(m_fixture->fileDialogs.proposals.last(),
                 QDir(downloads.path()).filePath(state().Store.FileDisplayName()));
    }

private:
    QWidget* openImport()
    {
        click(menu(), "ImportDraws");
        QWidget* window = topLevel<LImport>("LImport");
        if (!window)
            qFatal("the import window did not open");
        return window;
    }
    QString writeFile(const char* name, const QByteArray& bytes)
    {
        m_fixture->writeProgramFile(QString::fromLatin1(name), bytes);
        return m_fixture->programPath(QString::fromLatin1(name));
    }
    static QStringList rowTexts(QTableWidget* grid, int row)
    {
        QStringList texts;
        for (int column = 0; column < grid->columnCount(); ++column)
            texts.append(grid->item(row, column)->text());
        return texts;
    }
    void click(QWidget* window, const char* button)
    {
        QTest::mouseClick(control<QPushButton>(window, button), Qt::LeftButton);
    }
    SharedState& state() { return m_fixture->state; }
    ZudeMenu* menu() { return m_program->mainMenu(); }

    std::unique_ptr<GuiTestFixture> m_fixture;
    std::unique_ptr<Program> m_program;
};

QTEST_MAIN(TestImportWindow)
#include "tst_limport.moc"
