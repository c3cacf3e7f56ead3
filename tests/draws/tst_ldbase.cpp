#include "GuiTestFixture.h"

#include "app/Program.h"
#include "app/ZudeMenu.h"
#include "common/TextFormat.h"
#include "draws/InRecNum.h"
#include "draws/LDbase.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

class TestLDbase : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init()
    {
        m_fixture = std::make_unique<GuiTestFixture>();
        m_recordAnswers.clear();
    }
    void cleanup()
    {
        m_window.reset();
        m_fixture->verifyNothingUnexpected();
        m_fixture.reset();
    }

    void opensOnAnEmptyStore()
    {
        open();
        QCOMPARE(QApplication::focusWidget(), box("InDate"));
        QCOMPARE(box("InDate")->text(), FormatShortDate(QDate::currentDate()));
        QCOMPARE(box("NumCol")->text(), QStringLiteral("6"));
        QVERIFY(box("InNum5")->isVisible());
        QVERIFY(!box("InNum6")->isVisible());
        QCOMPARE(records()->columnCount(), 8);
        QCOMPARE(records()->rowCount(), 24);
        QCOMPARE(records()->item(0, 0)->text(), QStringLiteral("Record"));
        QCOMPARE(records()->item(0, 2)->text(), QStringLiteral(" 1"));
        QCOMPARE(distribution(3)->item(0, 8)->text(), QStringLiteral(" 49"));
        QCOMPARE(distribution(3)->item(0, 9)->text(), QString());
        QCOMPARE(control<QLabel>(window(), "InNew")->text(), QStringLiteral("New"));
        QVERIFY(m_fixture->messages.boxes.isEmpty());

        // Tab runs along the entry row, then the buttons from "Add Record" leftwards.
        QStringList chain;
        for (int step = 0; step < 10; ++step) {
            chain.append(QApplication::focusWidget()->objectName());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(chain,
                 (QStringList {"InDate", "InNum0", "InNum1", "InNum2", "InNum3", "InNum4", "InNum5",
                               "Calc", "Help3But", "CorrectRec"}));
    }

    void entryChecks_data()
    {
        QTest::addColumn<QStringList>("numbers");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");

        QTest::newRow("first empty") << QStringList {"", "2", "3", "4", "5", "6"} << "Help"
                                     << " No record to add to database.";
        QTest::newRow("first 0") << QStringList {"0", "2", "3", "4", "5", "6"} << "Help"
                                 << " No record to add to database.";
        QTest::newRow("highest accepted")
            << QStringList {"1", "2", "3", "4", "5", "49"} << QString() << QString();
        QTest::newRow("one above the highest")
            << QStringList {"1", "50", "3", "4", "5", "6"} << "Entry Error"
            << " Correct: number 50 is higher than allowed in Draw.";
        QTest::newRow("0 elsewhere") << QStringList {"1", "2", "0", "4", "5", "6"} << "Entry Error"
                                     << " Correct: number 0 not allowed in Draw.";
        QTest::newRow("missing") << QStringList {"1", "2", "3", "4", "5", ""} << "Entry Error"
                                 << " Correct: missing number.";
    }
    void entryChecks()
    {
        QFETCH(QStringList, numbers);
        QFETCH(QString, title);
        QFETCH(QString, message);
        open();
        enterRow(numbers);
        clickAdd();
        QCOMPARE(m_fixture->messages.texts(),
                 message.isEmpty() ? QStringList() : QStringList {message});
        if (!message.isEmpty())
            QCOMPARE(m_fixture->messages.boxes.first().title, title);
        QCOMPARE(state().Store.RecCount(), message.isEmpty() ? 1 : 0);
    }

    void addingARecordTypedWithEnter()
    {
        open();
        QLineEdit* date = box("InDate");
        date->selectAll();
        QTest::keyClicks(date, QStringLiteral("9/7/96"));
        QTest::keyClick(date, Qt::Key_Return);
        for (const char* number : {"3", "11", "23", "30", "42", "11"}) {
            QTest::keyClicks(QApplication::focusWidget(), number);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        // The last Enter leaves the focus on "Add Record"; the next presses it.
        QCOMPARE(QApplication::focusWidget(), control<QPushButton>(window(), "Calc"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

        QCOMPARE(state().Store.RecCount(), 1);
        QVERIFY(state().Store.ChangedFlag());
        QCOMPARE(date->text(), QStringLiteral("9/14/1996"));
        QCOMPARE(box("InNum0")->text(), QString());
        QCOMPARE(QApplication::focusWidget(), box("InNum0"));
        QCOMPARE(rowTexts(records(), 1),
                 (QStringList {"   1", "9/7/1996", "  3", " 11", " 23", " 30", " 42", " 11"}));
        QCOMPARE(distribution(1)->item(1, 10)->text(), QStringLiteral("2")); // 11 twice
        QCOMPARE(distribution(1)->item(1, 0)->text(), QString());
        QCOMPARE(control<QLabel>(window(), "Label4")->text(),
                 QStringLiteral(
                     "Distribution of numbers in database.  Top 6 =  11  3  23  30  42  1  "));
        QCOMPARE(state().DistributionText, control<QLabel>(window(), "Label4")->text());
    }

    void newestRecordFirst()
    {
        fillStore(3);
        open();
        QCOMPARE(rowTexts(records(), 1).first(), QStringLiteral("   3"));
        QCOMPARE(rowTexts(records(), 3).first(), QStringLiteral("   1"));
    }

    void recordGridGrows()
    {
        fillStore(20);
        open();
        QCOMPARE(records()->rowCount(), 44);
        while (state().Store.RecCount() < 40) {
            addRecord({"1", "2", "3", "4", "5", "6"});
            QCOMPARE(records()->rowCount(), 44);
        }
        addRecord({"1", "2", "3", "4", "5", "6"});
        QCOMPARE(records()->rowCount(), 64);
        QCOMPARE(window()->GridRowCapacity(), 64);
        QCOMPARE(rowTexts(records(), 1).first(), QStringLiteral("  41"));
    }

    void correctRecord_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("cancelled") << 0 << QStringList();
        QTest::newRow("no such record") << 4 << QStringList {" Record Number does not exist."};
        QTest::newRow("too big for any record")
            << 32768 << QStringList {" Record Number does not exist."};
    }
    void correctRecord()
    {
        QFETCH(int, answer);
        QFETCH(QStringList, messages);
        fillStore(3);
        open();
        m_recordAnswers = {answer};
        QTest::mouseClick(control<QPushButton>(window(), "CorrectRec"), Qt::LeftButton);
        QCOMPARE(m_fixture->messages.texts(), messages);
        QCOMPARE(control<QLabel>(window(), "InNew")->text(), QStringLiteral("New"));
    }

    void correctingRemovesACount()
    {
        fillStore(2); // both records hold 1..6 except 6 in the second, which holds 7
        state().Store.SetChangedFlag(false);
        open();
        QCOMPARE(distribution(1)->item(1, 6)->text(), QStringLiteral("1"));
        m_recordAnswers = {2};
        QTest::mouseClick(control<QPushButton>(window(), "CorrectRec"), Qt::LeftButton);
        QCOMPARE(control<QLabel>(window(), "InNew")->text(), QStringLiteral(" 2"));
        QCOMPARE(box("InNum5")->text(), QStringLiteral("7"));
        QCOMPARE(box("InDate")->text(), QStringLiteral("9/14/1996"));

        box("InNum5")->setText(QStringLiteral("8"));
        clickAdd();
        QCOMPARE(state().Store.RecCount(), 2);
        QCOMPARE(distribution(1)->item(1, 6)->text(), QString());
        QCOMPARE(distribution(1)->item(1, 7)->text(), QStringLiteral("1"));
        QVERIFY(state().Store.ChangedFlag()); // a correction is a change to be saved
        QCOMPARE(control<QLabel>(window(), "InNew")->text(), QStringLiteral("New"));
    }

    void correctWithoutRecords()
    {
        open();
        QTest::mouseClick(control<QPushButton>(window(), "CorrectRec"), Qt::LeftButton);
        QCOMPARE(m_fixture->messages.texts(),
                 QStringList {QStringLiteral(" No records to correct ")});
    }

    void deleteAll_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes") << true;
        QTest::newRow("No") << false;
    }
    void deleteAll()
    {
        QFETCH(bool, yes);
        fillStore(3);
        state().Store.SetTitle(QStringLiteral("Weekly Six"));
        open();
        m_fixture->messages.answerNext(yes);
        QTest::mouseClick(control<QPushButton>(window(), "delDbase"), Qt::LeftButton);
        QCOMPARE(m_fixture->messages.boxes.first().title, QStringLiteral("Erase Database"));
        QCOMPARE(m_fixture->messages.boxes.first().text,
                 QStringLiteral("Yes will delete the database file in memory."));
        QCOMPARE(state().Store.RecCount(), yes ? 0 : 3);
        QCOMPARE(records()->item(1, 0)->text().isEmpty(), yes);
        QCOMPARE(distribution(1)->item(1, 0)->text().isEmpty(), yes);
        QCOMPARE(distribution(1)->item(0, 0)->text(), QStringLiteral(" 1"));
        QCOMPARE(box("InFileName")->text().isEmpty(), yes);
        QCOMPARE(control<QLabel>(window(), "Label4")->text().isEmpty(), yes);
    }

    void shapeChangesWaitForDeleteAll()
    {
        fillStore(1);
        open();
        setBox("NumCol", QStringLiteral("5"));
        QCOMPARE(m_fixture->messages.texts(),
                 QStringList {QStringLiteral(
                     " Cannot change while records exist in a database. 'Delete All' first.")});
        QCOMPARE(box("NumCol")->text(), QStringLiteral(" 6"));

        m_fixture->messages.clear();
        m_fixture->messages.answerNext(true);
        QTest::mouseClick(control<QPushButton>(window(), "delDbase"), Qt::LeftButton);
        setBox("NumCol", QStringLiteral("5"));
        setBox("HighNum", QStringLiteral("39"));
        QCOMPARE(m_fixture->messages.texts(),
                 QStringList {QStringLiteral("Yes will delete the database file in memory.")});
        QCOMPARE(state().Store.ColCount(), 7);
        QCOMPARE(state().Store.HighNum(), 39);
        QVERIFY(!box("InNum5")->isVisible());
        QCOMPARE(distribution(2)->item(0, 19)->text(), QString());
    }

    void shapeBoxRanges_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty numbers per draw") << QByteArray("NumCol") << ""
                                                << " Must be from 1 to 10"
                                                << " 6";
        QTest::newRow("11 numbers per draw") << QByteArray("NumCol") << "11"
                                             << " Must be from 1 to 10"
                                             << " 6";
        QTest::newRow("61 highest") << QByteArray("HighNum") << "61"
                                    << " Must be from 1 to 60"
                                    << "49";
    }
    void shapeBoxRanges()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, shown);
        open();
        setBox(name.constData(), typed);
        QCOMPARE(m_fixture->messages.texts(), QStringList {message});
        QCOMPARE(box(name.constData())->text(), shown);
    }

    void fullStoreSaysSo()
    {
        state().Store.SetColCount(3);
        for (int i = 0; i < 2000; ++i)
            state().Store.AppendRecord(QStringLiteral("1/1/2000"), {QStringLiteral("1")});
        open();
        QCOMPARE(m_fixture->messages.texts(),
                 QStringList {QStringLiteral("Max amount of records = 2000")});
        box("InNum0")->setText(QStringLiteral("2"));
        clickAdd();
        QCOMPARE(m_fixture->messages.texts().last(),
                 QStringLiteral("Max amount of records = 2000"));
        QCOMPARE(state().Store.RecCount(), 2000);
    }

    void titleBox()
    {
        open();
        QLineEdit* title = box("InFileName");
        title->setFocus();
        QTest::keyClicks(title, QStringLiteral("Weekly \"Six\""));
        QCOMPARE(title->text(), QStringLiteral("Weekly Six"));
        QCOMPARE(m_fixture->messages.beeps, 2);
        QGuiApplication::clipboard()->setText(QStringLiteral(" \"Lotto\""));
        QTest::keyClick(title, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(title->text(), QStringLiteral("Weekly Six Lotto")); // the quotes are stripped
        QTest::keyClick(title, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), box("InNum0"));
        QCOMPARE(state().Store.Title(), QStringLiteral("Weekly Six Lotto"));
    }

    void badDateIsRefused()
    {
        open();
        QLineEdit* date = box("InDate");
        date->selectAll();
        QTest::keyClicks(date, QStringLiteral("2/30/2026x"));
        QCOMPARE(m_fixture->messages.beeps, 1); // letters cannot be typed
        QTest::keyClick(date, Qt::Key_Tab);
        QCOMPARE(m_fixture->messages.texts(),
                 QStringList {QStringLiteral("Not a proper date, try again. ")});
        QCOMPARE(m_fixture->messages.boxes.first().title, QStringLiteral("Entry error"));
        QTRY_COMPARE(QApplication::focusWidget(), date);

        enterRow({"1", "2", "3", "4", "5", "6"}, /*keepDate=*/true);
        clickAdd();
        QCOMPARE(state().Store.RecCount(), 0);
        QCOMPARE(m_fixture->messages.texts().last(),
                 QStringLiteral("Not a proper date, try again. "));
    }

    void helpPanel()
    {
        open();
        auto* button = control<QPushButton>(window(), "Help3But");
        QTest::mouseClick(button, Qt::LeftButton);
        auto* panel = control<QPlainTextEdit>(window(), "HelpBoxD");
        QVERIFY(panel->isVisible());
        QCOMPARE(QApplication::focusWidget(), panel);
        QVERIFY(panel->toPlainText().startsWith(
            QStringLiteral("  Start a new File  (more..PgDn)\n\nInput boxes are yellow.\n\n")));
        QVERIFY(panel->toPlainText().endsWith(
            QStringLiteral("For more detailed information press F1.\n                 End")));
        QTest::keyClicks(panel, QStringLiteral("x"));
        QCOMPARE(m_fixture->messages.beeps, 1);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!panel->isVisible());
    }

    void recordNumberDialog()
    {
        RecordingMessageBoxes messages;
        InRecNum dialog(messages);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* value = control<QLineEdit>(&dialog, "CurVal");
        QCOMPARE(QApplication::focusWidget(), value);
        QCOMPARE(control<QLabel>(&dialog, "Label1")->text(),
                 QStringLiteral(" Type in Record           Number to Correct"));
        QTest::keyClicks(value, QStringLiteral("1a-.2"));
        QCOMPARE(value->text(), QStringLiteral("12"));
        QCOMPARE(messages.beeps, 3);
        QTest::keyClick(value, Qt::Key_Return);
        QVERIFY(dialog.isVisible()); // Enter only moves to OK
        QCOMPARE(QApplication::focusWidget(), control<QPushButton>(&dialog, "Accept"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.CorrectRecNo(), 12);
    }

    void recordNumberDialogAnswers_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("answer");
        QTest::newRow("empty OK") << "" << true << 0;
        QTest::newRow("cancel") << "5" << false << 0;
        QTest::newRow("beyond 16 bits") << "99999" << true << 32768;
    }
    void recordNumberDialogAnswers()
    {
        QFETCH(QString, typed);
        QFETCH(bool, ok);
        QFETCH(int, answer);
        RecordingMessageBoxes messages;
        InRecNum dialog(messages);
        dialog.show();
        QTest::keyClicks(control<QLineEdit>(&dialog, "CurVal"), typed);
        QTest::mouseClick(control<QPushButton>(&dialog, ok ? "Accept" : "NoAccept"),
                          Qt::LeftButton);
        QCOMPARE(dialog.CorrectRecNo(), answer);
    }

    void fromTheMenuAndBack()
    {
        Program program(state(), m_fixture->services);
        program.start();
        // The real record-number dialog, answered as a user would.
        m_fixture->answerDialog(QStringLiteral("InRecNum"), [](QWidget* dialog) {
            QTest::keyClicks(control<QLineEdit>(dialog, "CurVal"), QStringLiteral("4"));
            QTest::mouseClick(control<QPushButton>(dialog, "Accept"), Qt::LeftButton);
        });

        QTest::mouseClick(control<QPushButton>(program.mainMenu(), "DBaseForm"), Qt::LeftButton);
        auto* database = topLevel<LDbase>("LDbase");
        QVERIFY(database);
        QVERIFY(!program.mainMenu()->isVisible());
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        QVERIFY(QTest::qWaitForWindowActive(database));

        typeIntoBox(database, "NumCol", QStringLiteral("5"));
        typeIntoBox(database, "HighNum", QStringLiteral("39"));
        auto* title = control<QLineEdit>(database, "InFileName");
        QTest::mouseClick(title, Qt::LeftButton);
        QTest::keyClicks(title, QStringLiteral("Lotto 5/39"));
        QTest::keyClick(title, Qt::Key_Return);
        for (int draw = 0; draw < 10; ++draw) {
            control<QLineEdit>(database, "InNum0")->setFocus();
            for (int k = 0; k < 5; ++k) {
                QTest::keyClicks(QApplication::focusWidget(),
                                 QString::number(1 + (draw + 7 * k) % 39));
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            }
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QCOMPARE(state().Store.RecCount(), 10);
        QCOMPARE(m_fixture->messages.boxes.size(), 0);

        QTest::mouseClick(control<QPushButton>(database, "CorrectRec"), Qt::LeftButton);
        QCOMPARE(control<QLabel>(database, "InNew")->text(), QStringLiteral(" 4"));
        control<QLineEdit>(database, "InNum0")->setText(QStringLiteral("39"));
        QTest::mouseClick(control<QPushButton>(database, "Calc"), Qt::LeftButton);
        QCOMPARE(state().Store.cell(4, 2).number(), 39.0);
        auto* grid = control<QTableWidget>(database, "Grid1");
        QCOMPARE(grid->item(1, 0)->text(), QStringLiteral("  10"));
        QCOMPARE(grid->item(7, 2)->text(), QStringLiteral(" 39"));
        QVERIFY(control<QLabel>(database, "Label4")
                    ->text()
                    .startsWith(QStringLiteral("Distribution of numbers in database.  Top 5 =  ")));

        QTest::mouseClick(control<QPushButton>(database, "ExitDbase"), Qt::LeftButton);
        QVERIFY(program.mainMenu()->isVisible());
        auto* info = control<QLabel>(program.mainMenu(), "InfoLabel");
        QVERIFY(info->isVisible());
        QCOMPARE(info->text(), QStringLiteral(" File in Memory \r\n  Lotto 5/39  "));
        QCOMPARE(m_fixture->unexpectedDialogs, QStringList());
    }

private:
    void open()
    {
        m_window = std::make_unique<LDbase>(state(), m_fixture->services, [this](QWidget*) {
            return m_recordAnswers.isEmpty() ? 0 : m_recordAnswers.takeFirst();
        });
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    // Records of six numbers: 1..5 and a sixth that is 6, 7, 8, ... per record.
    void fillStore(int count)
    {
        state().Store.SetColCount(8);
        for (int i = 0; i < count; ++i)
            state().Store.AppendRecord(FormatShortDate(QDate(1996, 9, 7).addDays(7 * i)),
                                       {"1", "2", "3", "4", "5", QString::number(6 + i)});
        state().Store.SetChangedFlag(true);
    }
    void enterRow(const QStringList& numbers, bool keepDate = false)
    {
        if (!keepDate)
            box("InDate")->setText(QStringLiteral("9/7/1996"));
        for (int k = 0; k < numbers.size(); ++k)
            box(QByteArray("InNum" + QByteArray::number(k)).constData())->setText(numbers[k]);
    }
    void addRecord(const QStringList& numbers)
    {
        for (int k = 0; k < numbers.size(); ++k)
            box(QByteArray("InNum" + QByteArray::number(k)).constData())->setText(numbers[k]);
        clickAdd();
    }
    void clickAdd() { QTest::mouseClick(control<QPushButton>(window(), "Calc"), Qt::LeftButton); }
    void setBox(const char* name, const QString& text) { typeIntoBox(window(), name, text); }
    static QStringList rowTexts(QTableWidget* grid, int row)
    {
        QStringList texts;
        for (int column = 0; column < grid->columnCount(); ++column)
            texts.append(grid->item(row, column)->text());
        return texts;
    }
    QLineEdit* box(const char* name) { return control<QLineEdit>(window(), name); }
    QTableWidget* records() { return control<QTableWidget>(window(), "Grid1"); }
    QTableWidget* distribution(int which)
    {
        const QByteArray name = "Grid" + QByteArray::number(which + 1);
        return control<QTableWidget>(window(), name.constData());
    }
    LDbase* window() { return m_window.get(); }
    SharedState& state() { return m_fixture->state; }

    std::unique_ptr<GuiTestFixture> m_fixture;
    std::unique_ptr<LDbase> m_window;
    QList<int> m_recordAnswers;
};

QTEST_MAIN(TestLDbase)
#include "tst_ldbase.moc"
