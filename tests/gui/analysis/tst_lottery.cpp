// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "GuiTestFixture.h"

#include "core/common/EntropyRandomSource.h"
#include "core/help/HelpTexts.h"
#include "gui/analysis/Lottery.h"
#include "gui/app/Program.h"
#include "gui/app/ZudeMenu.h"
#include "gui/common/QtPrinterPort.h"
#include "gui/common/Twips.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

class TestLottery : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_fixture = std::make_unique<GuiTestFixture>(); }
    void cleanup()
    {
        m_window.reset();
        m_fixture->verifyNothingUnexpected();
        m_fixture.reset();
    }

    void opensWithThePersonalShape()
    {
        state().Settings.DefaultNumbersPerDraw = 5;
        state().Settings.DefaultHighNum = 39;
        state().Settings.DefaultEntryForms = 3;
        open();
        QCOMPARE(box("InColNum")->text(), QStringLiteral(" 5"));
        QCOMPARE(box("InHighNum")->text(), QStringLiteral("39"));
        QCOMPARE(box("InNumRows")->text(), QStringLiteral("3"));
        QCOMPARE(state().Store.shape().numbersPerDraw, 5);
        QVERIFY(control<QRadioButton>(window(), "Option1")->isChecked());
        QVERIFY(!control<QLabel>(window(), "InfoLabel1")->isVisible());
        QCOMPARE(grid()->columnCount(), 6);
        QCOMPARE(grid()->item(0, 0)->text(), QStringLiteral("No."));
        QCOMPARE(grid()->item(0, 5)->text(), QStringLiteral(" 5"));
        QCOMPARE(grid()->item(10, 0)->text(), QStringLiteral(" 10"));
        QCOMPARE(ballColour(1), QColor(255, 0, 0));
        QCOMPARE(ballColour(6), QColor(255, 0, 255));
    }

    void opensOnTheDrawsInMemory()
    {
        addDraws(1);
        state().Store.SetTitle(QStringLiteral("Weekly Six"));
        open();
        auto* info = control<QLabel>(window(), "InfoLabel1");
        QVERIFY(info->isVisible());
        QCOMPARE(info->text(), QStringLiteral(" File in Memory \r\n  Weekly Six  "));
    }

    void leavingABox_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");

        QTest::newRow("75 highest") << QByteArray("InHighNum") << "75" << QString() << "75";
        QTest::newRow("0 highest") << QByteArray("InHighNum") << "0"
                                   << " Must be from 1 to 99"
                                   << "99";
        QTest::newRow("empty highest") << QByteArray("InHighNum") << ""
                                       << " Must be from 1 to 99"
                                       << "99";
        QTest::newRow("0 sets") << QByteArray("InNumRows") << "0"
                                << " Must be 1 to 10"
                                << "10";
        QTest::newRow("11 picks") << QByteArray("InColNum") << "11" << QString() << "11";
        QTest::newRow("21 picks") << QByteArray("InColNum") << "21"
                                  << " Must be from 1 to 20"
                                  << "20";
        QTest::newRow("fine picks") << QByteArray("InColNum") << "7" << QString() << " 7";
        QTest::newRow("fine sets") << QByteArray("InNumRows") << "4" << QString() << " 4";
    }
    void leavingABox()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, shown);
        open();
        QLineEdit* edit = box(name.constData());
        QTest::mouseClick(edit, Qt::LeftButton);
        QVERIFY(edit->text().isEmpty()); // a click empties the box
        QTest::keyClicks(edit, typed);
        QTest::keyClick(edit, Qt::Key_Tab);

        QCOMPARE(m_fixture->messages.texts(),
                 message.isEmpty() ? QStringList() : QStringList {message});
        if (!message.isEmpty())
            QCOMPARE(m_fixture->messages.boxes.first().title, QStringLiteral("Help"));
        QCOMPARE(edit->text().trimmed(), shown.trimmed());
        if (name == "InColNum")
            QCOMPARE(grid()->columnCount(), shown.trimmed().toInt() + 1);
    }

    void typingRules()
    {
        open();
        QLineEdit* picks = box("InColNum");
        picks->setFocus();
        QTest::keyClicks(picks, QStringLiteral("a"));
        QCOMPARE(m_fixture->messages.beeps, 1);
        QVERIFY(picks->text().isEmpty()); // the first key replaces the old content
        QTest::keyClicks(picks, QStringLiteral("8"));
        QCOMPARE(picks->text(), QStringLiteral("8"));

        // A paste is a typed key too, and refused like any other that is not a digit.
        QGuiApplication::clipboard()->setText(QStringLiteral("x9"));
        QTest::keyClick(picks, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(picks->text(), QStringLiteral("8"));
        QCOMPARE(m_fixture->messages.beeps, 2);

        // Enter moves on through the boxes to Calculate.
        QTest::keyClick(picks, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), box("InHighNum"));
        QTest::keyClick(box("InHighNum"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), box("InNumRows"));
        QTest::keyClick(box("InNumRows"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), control<QPushButton>(window(), "CalcRandNo"));
        QCOMPARE(picks->text(), QStringLiteral(" 8"));
    }

    void gridWidthFollowsThePicks_data()
    {
        QTest::addColumn<QString>("picks");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("widthTwips");
        QTest::newRow("6") << "6" << 7 << 4580;
        QTest::newRow("10") << "10" << 11 << 7340;
        // Narrower columns, so that twenty fit the window.
        QTest::newRow("20") << "20" << 21 << 9200;
    }
    void gridWidthFollowsThePicks()
    {
        QFETCH(QString, picks);
        QFETCH(int, columns);
        QFETCH(int, widthTwips);
        open();
        setBox("InColNum", picks);
        QCOMPARE(grid()->columnCount(), columns);
        QCOMPARE(grid()->width(), Px(widthTwips));
    }

    void thirdsNeedADatabase()
    {
        open();
        QTest::mouseClick(control<QRadioButton>(window(), "Option3"), Qt::LeftButton);
        QCOMPARE(m_fixture->messages.texts(), QStringList {QStringLiteral(" No database")});
        QVERIFY(control<QRadioButton>(window(), "Option1")->isChecked());
    }

    void calculateShowsAscendingSets()
    {
        open();
        setBox("InNumRows", QStringLiteral("2"));
        m_fixture->random.pickIndexes({30, 4, 17, 4, 9, 1, 49, 22, 3, 5, 6, 7, 8, 40}, 49);
        clickCalculate();

        QVERIFY(m_fixture->messages.boxes.isEmpty());
        QCOMPARE(rowTexts(1), (QStringList {" 1", " 4", " 9", "17", "30", "49"}));
        QCOMPARE(rowTexts(2), (QStringList {" 3", " 5", " 6", " 7", " 8", "22"}));
        QCOMPARE(rowTexts(3), (QStringList {"", "", "", "", "", ""}));
        QVERIFY(control<QLabel>(window(), "Picture7")->text().isEmpty());
        QCOMPARE(ballColour(1), QColor(255, 0, 0));
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    void calculateCapsAndRefusesMissingNumbers()
    {
        open();
        // Set without typing, in a box that is not being left: Calculate caps it unasked.
        control<QPushButton>(window(), "CalcRandNo")->setFocus();
        box("InColNum")->setText(QStringLiteral("25"));
        box("InNumRows")->setText(QStringLiteral("  "));
        clickCalculate();
        QCOMPARE(box("InColNum")->text(), QStringLiteral("20"));
        QCOMPARE(m_fixture->messages.texts(),
                 QStringList {QStringLiteral("Cannot work with missing number ")});
        QCOMPARE(m_fixture->messages.boxes.first().title, QStringLiteral("Error"));
    }

    void thirdModesTakeTheDatabaseShape()
    {
        addDraws(1);
        open();
        setBox("InColNum", QStringLiteral("3"));
        setBox("InHighNum", QStringLiteral("20"));
        QTest::mouseClick(control<QRadioButton>(window(), "Option2"), Qt::LeftButton);
        m_fixture->random.pickIndexes({1}, 1);
        clickCalculate();
        // One draw cannot fill a top third of 16: the pick is refused and the full range selected.
        QCOMPARE(box("InColNum")->text(), QStringLiteral(" 6"));
        QCOMPARE(box("InHighNum")->text(), QStringLiteral("49"));
        QCOMPARE(m_fixture->messages.texts(), QStringList {QStringLiteral(" Not enough top data")});
        QVERIFY(control<QRadioButton>(window(), "Option1")->isChecked());
        QCOMPARE(rowTexts(1), (QStringList {"", "", "", "", "", ""}));
    }

    void shortPoolStillShowsTheNumbersDrawn()
    {
        open();
        setBox("InHighNum", QStringLiteral("5"));
        m_fixture->random.pickIndexes({2, 4, 1, 5, 3}, 5);
        clickCalculate();
        QCOMPARE(m_fixture->messages.texts(), QStringList {QStringLiteral(" No enough Data")});
        QCOMPARE(m_fixture->messages.boxes.first().title, QStringLiteral("Help"));
        QCOMPARE(rowTexts(1), (QStringList {" 2", " 4", " 1", " 5", " 3", "  "}));
    }

    void printing_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<bool>("installedPrinter");
        QTest::addColumn<QString>("pdfAnswer");
        QTest::addColumn<int>("printed");

        QTest::newRow("No prints nothing") << false << true << QString() << 0;
        QTest::newRow("default printer") << true << true << QString() << 1;
        QTest::newRow("no printer: PDF") << true << false << QStringLiteral("/tmp/sets.pdf") << 1;
        QTest::newRow("no printer, dialog cancelled") << true << false << QString() << 0;
    }
    void printing()
    {
        QFETCH(bool, confirm);
        QFETCH(bool, installedPrinter);
        QFETCH(QString, pdfAnswer);
        QFETCH(int, printed);

        open();
        setBox("InColNum", QStringLiteral("2"));
        setBox("InNumRows", QStringLiteral("2"));
        m_fixture->random.pickIndexes({7, 3, 12, 40}, 49);
        clickCalculate();
        if (installedPrinter)
            m_fixture->printer.lineHeight = 240.0;
        m_fixture->fileDialogs.answers = {pdfAnswer};
        m_fixture->messages.answerNext(confirm);
        QTest::mouseClick(control<QPushButton>(window(), "Printer1"), Qt::LeftButton);

        QCOMPARE(m_fixture->messages.boxes.first().text, QStringLiteral("Continue with Printout."));
        QCOMPARE(m_fixture->messages.boxes.first().title, QStringLiteral("Printer"));
        QCOMPARE(m_fixture->printer.printed.size(), printed);
        if (printed) {
            const QString underline = QStringLiteral("    ") + QString(10, u'_');
            QCOMPARE(m_fixture->printer.printed.first().pages.first(),
                     (QStringList {QString(), QString(), underline, QString(),
                                   QStringLiteral("      3    7"), underline, QString(),
                                   QStringLiteral("     12   40"), underline, QString()}));
            QCOMPARE(m_fixture->printer.pdfPaths.first(), pdfAnswer);
        }
        if (!pdfAnswer.isEmpty())
            QVERIFY(m_fixture->messages.lastText().endsWith(QStringLiteral("/tmp/sets.pdf")));
    }

    // The extra numbers of the draws' shape come after each set's main numbers, on screen and
    // on paper: here 1 of 26 beside 5 of 69.
    void extraNumbersFollowTheMainOnes()
    {
        state().Store.setShape({5, 69, 1, LotteryShape::ExtraPool::Own, 1, 26});
        AppendTyped(state().Store, QStringLiteral("2026-01-03"), {"1", "2", "3", "4", "5", "7"});
        open();
        QCOMPARE(grid()->columnCount(), 7);
        QCOMPARE(grid()->item(0, 6)->text(), QStringLiteral("+1"));
        // Main numbers 1..5 of 69, then the 10th of 26.
        QList<float> values;
        for (int n = 1; n <= 5; ++n)
            values.append((float(n) - 0.5f) / 69.0f);
        values.append(9.5f / 26.0f);
        m_fixture->random.values = values;
        clickCalculate();
        QCOMPARE(rowTexts(1), (QStringList {" 1", " 2", " 3", " 4", " 5", "10"}));

        m_fixture->printer.lineHeight = 240.0;
        m_fixture->messages.answerNext(true);
        QTest::mouseClick(control<QPushButton>(window(), "Printer1"), Qt::LeftButton);
        QCOMPARE(m_fixture->printer.printed.size(), 1);
        const QStringList page = m_fixture->printer.printed.first().pages.first();
        QCOMPARE(page.mid(2, 3),
                 (QStringList {QStringLiteral("    ") + QString(35, u'_'), QString(),
                               QStringLiteral("      1    2    3    4    5    +   10")}));
    }

    void clearAllLeavesNothingToPrint()
    {
        open();
        m_fixture->random.pickIndexes({1, 2, 3, 4, 5, 6}, 49);
        clickCalculate();
        QTest::mouseClick(control<QPushButton>(window(), "ClearAll"), Qt::LeftButton);
        QCOMPARE(rowTexts(1), (QStringList {"", "", "", "", "", ""}));
        QTest::mouseClick(control<QPushButton>(window(), "Printer1"), Qt::LeftButton);
        QCOMPARE(m_fixture->messages.texts(),
                 QStringList {QStringLiteral("No numbers to print. Click Calculate")});
    }

    // The sets printed are the sets on screen: changing the picks clears both.
    void changingThePicksClearsTheSets()
    {
        open();
        m_fixture->random.pickIndexes({1, 2, 3, 4, 5, 6}, 49);
        clickCalculate();
        setBox("InColNum", QStringLiteral("5"));
        QCOMPARE(rowTexts(1), (QStringList {"", "", "", "", ""}));
        QTest::mouseClick(control<QPushButton>(window(), "Printer1"), Qt::LeftButton);
        QCOMPARE(m_fixture->messages.texts(),
                 QStringList {QStringLiteral("No numbers to print. Click Calculate")});
        QVERIFY(m_fixture->printer.printed.isEmpty());

        setBox("InColNum", QStringLiteral("100"));
        QCOMPARE(m_fixture->messages.lastText(), QStringLiteral(" Must be from 1 to 20"));
        QCOMPARE(box("InColNum")->text(), QStringLiteral("20"));
    }

    // A pick that gives up leaves nothing behind that the database window could take for a
    // correction: the next draw typed there is added.
    void aFailedPickLeavesTheNextDrawAlone_data()
    {
        QTest::addColumn<bool>("allDrawn");
        QTest::addColumn<QString>("message");
        QTest::newRow("a third never drawn") << false << " Not enough middle data";
        QTest::newRow("too many repeats") << true << " No enough Data";
    }
    void aFailedPickLeavesTheNextDrawAlone()
    {
        QFETCH(bool, allDrawn);
        QFETCH(QString, message);
        addDraws(1); // 1..6
        for (int first = 7; allDrawn && first <= 49; first += 6) {
            QStringList numbers;
            for (int k = 0; k < 6; ++k)
                numbers.append(QString::number(std::min(first + k, 49)));
            AppendTyped(state().Store, QStringLiteral("2026-01-01"), numbers);
        }
        const int records = state().Store.RecCount();
        Program program(state(), m_fixture->services);
        program.start();
        QTest::mouseClick(control<QPushButton>(program.mainMenu(), "PickForm"), Qt::LeftButton);
        auto* lottery = topLevel<Lottery>("Lottery");
        lottery->setAnimationPause(0);
        QTest::mouseClick(control<QRadioButton>(lottery, "Option3"), Qt::LeftButton);
        m_fixture->random.pickIndexes({1}, 16); // the same number every time
        QTest::mouseClick(control<QPushButton>(lottery, "CalcRandNo"), Qt::LeftButton);
        QCOMPARE(m_fixture->messages.texts(), QStringList {message});
        QTest::mouseClick(control<QPushButton>(lottery, "Exit1"), Qt::LeftButton);

        QTest::mouseClick(control<QPushButton>(program.mainMenu(), "DBaseForm"), Qt::LeftButton);
        QWidget* database = topLevel<QWidget>("LDbase");
        for (int k = 0; k < 6; ++k) {
            auto* number
                = control<QLineEdit>(database, QByteArray("InNum" + QByteArray::number(k)));
            QTest::mouseClick(number, Qt::LeftButton);
            QTest::keyClicks(number, QString::number(40 + k));
        }
        QTest::mouseClick(control<QPushButton>(database, "Calc"), Qt::LeftButton);
        QCOMPARE(state().Store.RecCount(), records + 1);
        QCOMPARE(state().Store.number(records + 1, 5), 45);
        QCOMPARE(m_fixture->messages.texts(), QStringList {message});
        database->close();
    }

    void helpPanel()
    {
        open();
        auto* button = control<QPushButton>(window(), "Helpbut");
        auto* panel = control<QPlainTextEdit>(window(), "HelpBox");
        QString expected = HelpTexts::radoDIdorur();
        expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        for (int press = 1; press <= 3; ++press) {
            QTest::mouseClick(button, Qt::LeftButton);
            const bool open = press % 2 == 1;
            QCOMPARE(button->text(),
                     open ? QStringLiteral("Close &Help") : QStringLiteral("&Help"));
            QCOMPARE(panel->isVisible(), open);
            QCOMPARE(panel->toPlainText(), expected);
        }
        panel->setFocus();
        QTest::keyClicks(panel, QStringLiteral("x"));
        QCOMPARE(panel->toPlainText(), expected);
        QCOMPARE(m_fixture->messages.beeps, 0);

        // Calculate closes the panel.
        m_fixture->random.pickIndexes({1, 2, 3, 4, 5, 6}, 49);
        clickCalculate();
        QCOMPARE(button->text(), QStringLiteral("&Help"));
        QVERIFY(!panel->isVisible());
    }

    void fiveSetsFromTheMenuToAPdf()
    {
        QtPrinterPort printer;
        if (printer.hasPrinter())
            QSKIP("a printer is installed here; this test must not print on it");
        EntropyRandomSource random;
        Services services {m_fixture->messages, printer, m_fixture->fileDialogs, random,
                           m_fixture->files};
        Program program(state(), services);
        program.start();
        QTest::mouseClick(control<QPushButton>(program.mainMenu(), "PickForm"), Qt::LeftButton);
        auto* lottery = topLevel<Lottery>("Lottery");
        QVERIFY(lottery);
        lottery->setAnimationPause(1);
        QVERIFY(QTest::qWaitForWindowActive(lottery));

        for (const auto& [name, value] :
             {std::pair {"InColNum", "6"}, {"InHighNum", "49"}, {"InNumRows", "5"}}) {
            auto* edit = control<QLineEdit>(lottery, name);
            QTest::mouseClick(edit, Qt::LeftButton);
            QTest::keyClicks(edit, QString::fromLatin1(value));
            QTest::keyClick(edit, Qt::Key_Return);
        }
        QCOMPARE(QApplication::focusWidget(), control<QPushButton>(lottery, "CalcRandNo"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

        auto* results = control<QTableWidget>(lottery, "Grid1");
        for (int set = 1; set <= 5; ++set) {
            int previous = 0;
            for (int k = 1; k <= 6; ++k) {
                const int number = results->item(set, k)->text().trimmed().toInt();
                QVERIFY2(number > previous && number <= 49,
                         qPrintable(results->item(set, k)->text()));
                previous = number;
            }
        }
        QVERIFY(results->item(6, 1)->text().isEmpty());

        QTemporaryDir documents;
        const QString pdf = documents.filePath(QStringLiteral("sets.pdf"));
        m_fixture->fileDialogs.answers = {pdf};
        m_fixture->messages.answerNext(true);
        QTest::mouseClick(control<QPushButton>(lottery, "Printer1"), Qt::LeftButton);
        QVERIFY(QFileInfo(pdf).size() > 0);
        QVERIFY(m_fixture->messages.lastText().endsWith(QDir::toNativeSeparators(pdf)));

        QTest::mouseClick(control<QPushButton>(lottery, "Exit1"), Qt::LeftButton);
        QVERIFY(program.mainMenu()->isVisible());
    }

    void menuOpensAndGetsItBack()
    {
        Program program(state(), m_fixture->services);
        program.start();
        QTest::mouseClick(control<QPushButton>(program.mainMenu(), "PickForm"), Qt::LeftButton);
        auto* lottery = topLevel<Lottery>("Lottery");
        QVERIFY(lottery);
        QVERIFY(!program.mainMenu()->isVisible());
        QTest::mouseClick(control<QPushButton>(lottery, "Exit1"), Qt::LeftButton);
        QVERIFY(program.mainMenu()->isVisible());
        QTRY_VERIFY(!topLevel<Lottery>("Lottery"));
    }

    // The animation waits for its steps in an event loop: a window closed meanwhile (through its
    // frame) is gone when the loop ends, and nothing of it is touched any more.
    void closedDuringTheAnimation()
    {
        Program program(state(), m_fixture->services);
        program.start();
        QTest::mouseClick(control<QPushButton>(program.mainMenu(), "PickForm"), Qt::LeftButton);
        QPointer<Lottery> lottery = topLevel<Lottery>("Lottery");
        QVERIFY(lottery);
        lottery->setAnimationPause(20);
        m_fixture->random.pickIndexes({4, 8, 15, 16, 23, 42}, 49);
        QTimer::singleShot(100, lottery, [lottery] { lottery->close(); });
        QTest::mouseClick(control<QPushButton>(lottery, "CalcRandNo"), Qt::LeftButton);
        QTRY_VERIFY(!lottery);
        QVERIFY(program.mainMenu()->isVisible());
    }

private:
    void open()
    {
        m_window = std::make_unique<Lottery>(state(), m_fixture->services);
        m_window->setAnimationPause(0);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void addDraws(int count)
    {
        state().Store.setShape({6, state().Store.shape().highestNumber});
        for (int i = 0; i < count; ++i)
            AppendTyped(state().Store, QStringLiteral("2026-01-01"),
                        {"1", "2", "3", "4", "5", "6"});
    }
    void setBox(const char* name, const QString& text) { typeIntoBox(window(), name, text); }
    void clickCalculate()
    {
        QTest::mouseClick(control<QPushButton>(window(), "CalcRandNo"), Qt::LeftButton);
    }
    QStringList rowTexts(int row)
    {
        QStringList texts;
        for (int column = 1; column < grid()->columnCount(); ++column)
            texts.append(grid()->item(row, column)->text());
        return texts;
    }
    QColor ballColour(int ball)
    {
        const QByteArray name = "Picture" + QByteArray::number(ball);
        return control<QLabel>(window(), name.constData())->palette().color(QPalette::Window);
    }
    QLineEdit* box(const char* name) { return control<QLineEdit>(window(), name); }
    QTableWidget* grid() { return control<QTableWidget>(window(), "Grid1"); }
    Lottery* window() { return m_window.get(); }
    SharedState& state() { return m_fixture->state; }

    std::unique_ptr<GuiTestFixture> m_fixture;
    std::unique_ptr<Lottery> m_window;
};

QTEST_MAIN(TestLottery)
#include "tst_lottery.moc"
