// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "FileBytes.h"
#include "GuiTestFixture.h"

#include "core/common/TextFormat.h"
#include "core/draws/DatabaseView.h"
#include "core/draws/DrawFile.h"
#include "gui/app/Program.h"
#include "gui/app/ZudeMenu.h"
#include "gui/draws/InRecNum.h"
#include "gui/draws/LDbase.h"

#include <QAbstractItemModelTester>
#include <QBuffer>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTableView>
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
        if (LDbase* left = topLevel<LDbase>("LDbase"))
            left->close();
        m_program.reset();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
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
        QCOMPARE(records()->model()->columnCount(), 8);
        QCOMPARE(records()->model()->rowCount(), 24);
        QCOMPARE(cellText(records(), 0, 0), QStringLiteral("Record"));
        QCOMPARE(cellText(records(), 0, 2), QStringLiteral(" 1"));
        QCOMPARE(cellText(distribution(3), 0, 8), QStringLiteral(" 49"));
        QCOMPARE(cellText(distribution(3), 0, 9), QString());
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

    // Buttons paint their press and release with the window's next paint pass: the screen
    // follows the button down, up again with a click's message, and up after a drag away.
    void buttonOnScreenFollowsThePress()
    {
        open();
        auto* add = control<QPushButton>(window(), "Calc");
        const QRect area(add->mapTo(window(), QPoint()), add->size());
        const auto onScreen = [&] {
            return window()->screen()->grabWindow(window()->winId()).toImage().copy(area);
        };
        const auto afresh
            = [&] { return window()->grab(area).toImage().convertToFormat(onScreen().format()); };
        // What a click shows, a modal message box too, is painted with the button up.
        bool paintsDuringClick = false;
        connect(add, &QPushButton::clicked, this,
                [&] { paintsDuringClick = add->updatesEnabled() && !add->isDown(); });
        QTest::mousePress(add, Qt::LeftButton);
        QVERIFY(add->isDown());
        QTRY_COMPARE(onScreen(), afresh());
        QTest::mouseRelease(add, Qt::LeftButton);
        QVERIFY(paintsDuringClick);
        QCOMPARE(m_fixture->messages.texts(), QStringList {" No record to add to database."});
        QVERIFY(!add->isDown());
        QTRY_COMPARE(onScreen(), afresh());
        QTest::mousePress(add, Qt::LeftButton);
        QTest::mouseRelease(add, Qt::LeftButton, {}, QPoint(-5, -5));
        QCOMPARE(m_fixture->messages.texts().size(), 1);
        QTRY_COMPARE(onScreen(), afresh());
        QVERIFY(add->updatesEnabled());
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

    // A game chosen from the list of common games; its draws typed with Enter, the extra numbers
    // in their own boxes, checked by their own pool's rules, shown in their own column and saved
    // in the extended form, which reads back as it was held.
    void extraNumbers_data()
    {
        QTest::addColumn<QString>("game");
        QTest::addColumn<QStringList>("typed"); // the main numbers, then the extra ones
        QTest::addColumn<QString>("message");
        QTest::newRow("own pool, a main number again")
            << "5 of 69 + 1 of 26" << QStringList {"3", "11", "23", "30", "69", "11"} << "";
        QTest::newRow("own pool from 0")
            << "6 of 49 + 1 of 0-9" << QStringList {"1", "2", "3", "4", "5", "6", "0"} << "";
        QTest::newRow("beyond the own pool")
            << "5 of 69 + 1 of 26" << QStringList {"3", "11", "23", "30", "42", "27"}
            << " Correct: extra number 27 is not from 1 to 26.";
        QTest::newRow("a bonus among the main numbers")
            << "6 of 49 + bonus" << QStringList {"1", "2", "3", "4", "5", "6", "6"}
            << " Correct: bonus number 6 is one of the main numbers.";
        QTest::newRow("a star twice")
            << "5 of 50 + 2 of 12" << QStringList {"1", "2", "3", "4", "5", "3", "3"}
            << " Correct: extra number 3 is there twice.";
        // The boxes past the classic ten are made for the game, and Enter goes through them.
        QStringList twenty;
        for (int number = 61; number <= 80; ++number)
            twenty.append(QString::number(number));
        QTest::newRow("twenty numbers") << "20 of 80" << twenty << "";
    }
    void extraNumbers()
    {
        QFETCH(QString, game);
        QFETCH(QStringList, typed);
        QFETCH(QString, message);
        open();
        auto* games = control<QComboBox>(window(), "ShapeList");
        const int index = games->findText(game);
        QVERIFY(index > 0);
        games->setCurrentIndex(index);
        Q_EMIT games->activated(index);
        QCOMPARE(ShapeName(state().Store.shape()), game);
        for (int k = 1; k < state().Store.shape().numbersPerDraw; ++k) // Tab goes along them too
            QCOMPARE(box(qPrintable(QStringLiteral("InNum%1").arg(k - 1)))->nextInFocusChain(),
                     box(qPrintable(QStringLiteral("InNum%1").arg(k))));

        QLineEdit* date = box("InDate");
        date->selectAll();
        QTest::keyClicks(date, QStringLiteral("9/7/96"));
        QTest::keyClick(date, Qt::Key_Return);
        for (const QString& number : typed) {
            QTest::keyClicks(QApplication::focusWidget(), number);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QCOMPARE(QApplication::focusWidget(), control<QPushButton>(window(), "Calc"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(m_fixture->messages.texts(),
                 message.isEmpty() ? QStringList() : QStringList {message});
        QCOMPARE(state().Store.RecCount(), message.isEmpty() ? 1 : 0);
        if (!message.isEmpty())
            return;
        const QStringList row = rowTexts(records(), 1);
        QCOMPARE(row.mid(2), [&typed] {
            QStringList aligned;
            for (const QString& number : typed)
                aligned.append(AlignedNumber(3, number.toInt())); // an extra 0 shows
            return aligned;
        }());
        // The counts of the extra numbers are a view of their own, named by the line above.
        if (state().Store.shape().extraNumbers > 0) {
            control<QComboBox>(window(), "DistPool")->setCurrentIndex(1);
            QVERIFY(
                control<QLabel>(window(), "Label4")
                    ->text()
                    .startsWith(QStringLiteral("Distribution of extra numbers in database.  Top ")
                                + QString::number(state().Store.shape().extraNumbers)));
        }
        const QByteArray bytes = DrawFile::Bytes(state().Store).value();
        QVERIFY(bytes.startsWith("\"Numerion draws\","));
        QBuffer file;
        file.setData(bytes);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const DrawFile::ReadResult read = DrawFile::Read(file);
        QCOMPARE(read.content.shape, state().Store.shape());
        QVERIFY(read.content.records == state().Store.records());
    }

    // The window grows for a larger game and is its classic self again for a classic one.
    void growsForTheGameAndBack()
    {
        open();
        const QSize classic = window()->size();
        auto* games = control<QComboBox>(window(), "ShapeList");
        for (const char* game : {"20 of 80", "5 of 50 + 2 of 12", "6 of 49"}) {
            const int index = games->findText(QLatin1String(game));
            games->setCurrentIndex(index);
            Q_EMIT games->activated(index);
            const bool isClassic = state().Store.shape().isClassic();
            QCOMPARE(window()->size() == classic, isClassic);
            QCOMPARE(box("ExtraNum")->isVisible(), !isClassic && game[0] == '5');
            for (const QWidget* control : window()->findChildren<QWidget*>())
                QVERIFY2(!control->isVisible()
                             || window()->rect().contains(
                                 control->mapTo(window(), control->rect().bottomRight())),
                         qPrintable(control->objectName()));
        }
        // "Other game" shows the extra numbers' row for a game not in the list.
        Q_EMIT games->activated(0);
        QVERIFY(box("ExtraNum")->isVisible());
        QCOMPARE(box("ExtraNum")->text(), QStringLiteral(" 0"));
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
        QCOMPARE(cellText(distribution(1), 1, 10), QStringLiteral("2")); // 11 twice
        QCOMPARE(cellText(distribution(1), 1, 0), QString());
        QCOMPARE(control<QLabel>(window(), "Label4")->text(),
                 QStringLiteral(
                     "Distribution of numbers in database.  Top 6 =  11  3  23  30  42  1  "));
    }

    void newestRecordFirst()
    {
        fillStore(3);
        open();
        QCOMPARE(rowTexts(records(), 1).first(), QStringLiteral("   3"));
        QCOMPARE(rowTexts(records(), 3).first(), QStringLiteral("   1"));
    }

    // The window only appends to the store; every grid listening follows by itself.
    void addShowsTheRecordInEveryModelListening()
    {
        fillStore(3);
        open();
        // The grid's rows stay: a view pays for a row added with every row it has.
        QSignalSpy inserted(records()->model(), &QAbstractItemModel::rowsInserted);
        QSignalSpy changed(records()->model(), &QAbstractItemModel::dataChanged);
        QSignalSpy reset(records()->model(), &QAbstractItemModel::modelReset);
        QSignalSpy firstCounts(distribution(1)->model(), &QAbstractItemModel::dataChanged);
        QSignalSpy lastCounts(distribution(3)->model(), &QAbstractItemModel::dataChanged);
        addRecord({"1", "2", "3", "4", "5", "49"});
        QCOMPARE(inserted.size(), 0);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.first().at(0).toModelIndex().row(), 1);
        QCOMPARE(changed.first().at(1).toModelIndex().row(), 4);
        QCOMPARE(reset.size(), 0);
        QCOMPARE(firstCounts.size(), 1); // 1..5 drawn once more
        QCOMPARE(lastCounts.size(), 1); // 49 drawn first
        QCOMPARE(cellText(distribution(3), 1, 8), QStringLiteral("1"));
        QCOMPARE(rowTexts(records(), 1).at(7), QStringLiteral(" 49"));
    }

    void recordGridGrows()
    {
        fillStore(20);
        open();
        QCOMPARE(records()->model()->rowCount(), 44);
        while (state().Store.RecCount() < 40) {
            addRecord({"1", "2", "3", "4", "5", "6"});
            QCOMPARE(records()->model()->rowCount(), 44);
        }
        addRecord({"1", "2", "3", "4", "5", "6"});
        QCOMPARE(records()->model()->rowCount(), 64);
        QCOMPARE(rowTexts(records(), 1).first(), QStringLiteral("  41"));
    }

    // After adds and a correction the grid shows the store's records newest first, and a row
    // scrolled to with the wheel and clicked is the record it shows.
    void recordGridShowsTheStore_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("en_US") << QStringLiteral("en_US");
        QTest::newRow("de_DE") << QStringLiteral("de_DE");
    }
    void recordGridShowsTheStore()
    {
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(locale));
        fillStore(30);
        open();
        // Rows inserted, removed and changed are announced as a view needs them.
        QAbstractItemModelTester tester(records()->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        for (int draw = 0; draw < 3; ++draw)
            addRecord({"7", "8", "9", "10", "11", QString::number(12 + draw)});
        m_recordAnswers = {5};
        QTest::mouseClick(control<QPushButton>(window(), "CorrectRec"), Qt::LeftButton);
        box("InNum0")->setText(QStringLiteral("49"));
        clickAdd();
        QCOMPARE(m_fixture->messages.texts(), QStringList());

        const DrawStore& store = state().Store;
        QCOMPARE(store.RecCount(), 33);
        QCOMPARE(store.number(5, 0), 49);
        const auto shownRow = [&store](int row) {
            return DatabaseView::RecordRowTexts(store.records(), store.shape().numbersPerDraw,
                                                store.RecCount() - row + 1);
        };
        for (int row = 1; row <= store.RecCount(); ++row)
            QCOMPARE(rowTexts(records(), row), shownRow(row));
        QCOMPARE(rowTexts(records(), store.RecCount() + 1).join(QString()), QString());

        QWidget* viewport = records()->viewport();
        const QPoint inside(viewport->width() / 2, viewport->height() / 2);
        QWheelEvent wheel(inside, viewport->mapToGlobal(inside), {}, {0, -360}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &wheel);
        const QModelIndex top = records()->indexAt(QPoint(inside.x(), 1));
        QVERIFY(top.row() > 1);
        const QModelIndex clicked = records()->indexAt(inside);
        QTest::mouseClick(viewport, Qt::LeftButton, {}, records()->visualRect(clicked).center());
        QCOMPARE(records()->selectionModel()->selectedIndexes(), QModelIndexList {clicked});
        QCOMPARE(cellText(records(), clicked.row(), clicked.column()),
                 shownRow(clicked.row()).at(clicked.column()));

        // Emptied, the grid shows its header row again.
        m_fixture->messages.answerNext(true);
        QTest::mouseClick(control<QPushButton>(window(), "delDbase"), Qt::LeftButton);
        QCOMPARE(records()->indexAt(QPoint(inside.x(), 1)).row(), 0);
    }

    // What an Add leaves on screen (the pixels moved down a row, the new row painted) is what a
    // fresh paint of the grid shows, with the header row on screen and scrolled past it.
    void addedRecordsOnScreenAsPaintedAfresh_data()
    {
        QTest::addColumn<int>("wheelSteps");
        QTest::newRow("at the top") << 0;
        QTest::newRow("scrolled") << 3;
    }
    void addedRecordsOnScreenAsPaintedAfresh()
    {
        QFETCH(int, wheelSteps);
        fillStore(30);
        open();
        QWidget* viewport = records()->viewport();
        const QPoint inside(viewport->width() / 2, viewport->height() / 2);
        QWheelEvent wheel(inside, viewport->mapToGlobal(inside), {}, {0, -120 * wheelSteps},
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &wheel);
        for (int draw = 0; draw < 3; ++draw) {
            addRecord({"1", "2", "3", "4", "5", QString::number(40 + draw)});
            QTest::qWait(1);
        }
        QCOMPARE(m_fixture->messages.texts(), QStringList());
        const QRect area(viewport->mapTo(window(), QPoint()), viewport->size());
        const auto onScreen = [&] {
            return window()
                ->screen()
                ->grabWindow(window()->winId())
                .toImage()
                .copy(area)
                .convertToFormat(QImage::Format_RGB32);
        };
        const QImage afresh = viewport->grab().toImage().convertToFormat(QImage::Format_RGB32);
        // The moved rows reach the screen with the next paint, which a loaded machine delays.
        QTRY_COMPARE(onScreen(), afresh);
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
        QVERIFY(SaveAs(state().Store, m_fixture->programPath(QStringLiteral("Saved.lto"))));
        open();
        QCOMPARE(cellText(distribution(1), 1, 6), QStringLiteral("1"));
        m_recordAnswers = {2};
        QTest::mouseClick(control<QPushButton>(window(), "CorrectRec"), Qt::LeftButton);
        QCOMPARE(control<QLabel>(window(), "InNew")->text(), QStringLiteral(" 2"));
        QCOMPARE(box("InNum5")->text(), QStringLiteral("7"));
        QCOMPARE(box("InDate")->text(), QStringLiteral("9/14/1996"));

        box("InNum5")->setText(QStringLiteral("8"));
        clickAdd();
        QCOMPARE(state().Store.RecCount(), 2);
        QCOMPARE(cellText(distribution(1), 1, 6), QString());
        QCOMPARE(cellText(distribution(1), 1, 7), QStringLiteral("1"));
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
        QCOMPARE(cellText(records(), 1, 0).isEmpty(), yes);
        QCOMPARE(cellText(distribution(1), 1, 0).isEmpty(), yes);
        QCOMPARE(cellText(distribution(1), 0, 0), QStringLiteral(" 1"));
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
        QCOMPARE(state().Store.shape().numbersPerDraw, 5);
        QCOMPARE(state().Store.shape().highestNumber, 39);
        QVERIFY(!box("InNum5")->isVisible());
        QCOMPARE(cellText(distribution(2), 0, 19), QString());
    }

    void shapeBoxRanges_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty numbers per draw") << QByteArray("NumCol") << ""
                                                << " Must be from 1 to 20"
                                                << " 6";
        QTest::newRow("21 numbers per draw") << QByteArray("NumCol") << "21"
                                             << " Must be from 1 to 20"
                                             << " 6";
        QTest::newRow("0 highest") << QByteArray("HighNum") << "0"
                                   << " Must be from 1 to 99"
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
        DrawRecords full;
        full.reserve(DrawStore::MaxRecords);
        const int one = 1;
        for (int i = 0; i < DrawStore::MaxRecords; ++i)
            full.append(QDate(2000, 1, 1), std::span(&one, 1));
        state().Store.Load({1, 49}, {}, std::move(full));
        const QString fullText = QStringLiteral("Max amount of records = 1000000");
        open();
        QCOMPARE(m_fixture->messages.texts(), QStringList {fullText});
        box("InNum0")->setText(QStringLiteral("2"));
        clickAdd();
        QCOMPARE(m_fixture->messages.texts().last(), fullText);
        QCOMPARE(state().Store.RecCount(), DrawStore::MaxRecords);
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
        typeText(title, QStringLiteral(" 🎲"));
        QCOMPARE(title->text(), QStringLiteral("Weekly Six Lotto 🎲")); // the whole character
        QTest::keyClick(title, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), box("InNum0"));
        QCOMPARE(state().Store.Title(), QStringLiteral("Weekly Six Lotto 🎲"));
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
        QCOMPARE(dialog.answer(), std::optional<int>(12));
    }

    void recordNumberDialogAnswers_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("answer"); // -1 for none
        QTest::newRow("empty OK") << "" << true << -1;
        QTest::newRow("cancel") << "5" << false << -1;
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
        QCOMPARE(dialog.answer(), answer < 0 ? std::nullopt : std::optional<int>(answer));
    }

    // What the entry row shows is what "Add Record" does, whichever way a correction was left.
    void aCorrectionNeverOutlivesItself_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("shown");
        QTest::newRow("exit to the menu and back") << "exit"
                                                   << "New";
        QTest::newRow("graphs and back") << "graphs"
                                         << " 2";
        QTest::newRow("delete all") << "delete"
                                    << "New";
        QTest::newRow("record dialog cancelled") << "cancel"
                                                 << "New";
        QTest::newRow("record dialog left with Escape") << "escape"
                                                        << "New";
    }
    void aCorrectionNeverOutlivesItself()
    {
        QFETCH(QString, way);
        QFETCH(QString, shown);
        fillStore(3);
        QVERIFY(SaveAs(state().Store, m_fixture->programPath(QStringLiteral("Saved.lto"))));
        startProgram();
        click(menu(), "DBaseForm");
        answerRecordDialog(QStringLiteral("2"));
        click(database(), "CorrectRec");
        QCOMPARE(control<QLabel>(database(), "InNew")->text(), QStringLiteral(" 2"));

        if (way == "exit") {
            click(database(), "ExitDbase");
            click(menu(), "DBaseForm");
        } else if (way == "graphs") {
            click(database(), "ShowGrp");
            click(topLevel<QWidget>("LGraph"), "ExitGrp");
        } else if (way == "delete") {
            m_fixture->messages.answerNext(true);
            click(database(), "delDbase");
        } else {
            m_fixture->answerDialog(QStringLiteral("InRecNum"), [way](QWidget* dialog) {
                if (way == "cancel")
                    click(dialog, "NoAccept");
                else
                    QTest::keyClick(control<QLineEdit>(dialog, "CurVal"), Qt::Key_Escape);
            });
            click(database(), "CorrectRec");
        }
        QVERIFY(database());
        QCOMPARE(control<QLabel>(database(), "InNew")->text(), shown);

        const int before = state().Store.RecCount();
        const int secondBefore = state().Store.number(2, 0);
        typeRow(database(), {"7", "8", "9", "10", "11", "12"});
        click(database(), "Calc");
        const DrawStore& store = state().Store;
        if (shown == "New") {
            QCOMPARE(store.RecCount(), before + 1);
            QCOMPARE(store.number(2, 0), secondBefore);
            QCOMPARE(store.number(store.RecCount(), 5), 12);
        } else {
            QCOMPARE(store.RecCount(), before);
            QCOMPARE(store.number(2, 5), 12);
        }
        QVERIFY(store.ChangedFlag());
        QCOMPARE(control<QLabel>(database(), "InNew")->text(), QStringLiteral("New"));
    }

    void aTitleIsKeptWhicheverWayTheWindowIsLeft_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Alt+X") << "Alt+X";
        QTest::newRow("window frame") << "frame";
        QTest::newRow("Alt+S to the graphs") << "Alt+S";
    }
    void aTitleIsKeptWhicheverWayTheWindowIsLeft()
    {
        QFETCH(QString, way);
        startProgram();
        click(menu(), "DBaseForm");
        QPointer<LDbase> window = database();
        QVERIFY(QTest::qWaitForWindowActive(window));
        auto* title = control<QLineEdit>(window, "InFileName");
        QTest::mouseClick(title, Qt::LeftButton);
        QTest::keyClicks(title, QStringLiteral("Weekly Six"));
        if (way == "frame")
            window->close();
        else
            QTest::keyClick(title, way == "Alt+X" ? Qt::Key_X : Qt::Key_S, Qt::AltModifier);
        QTRY_VERIFY(!window || !window->isVisible());
        QCOMPARE(state().Store.Title(), QStringLiteral("Weekly Six"));
        if (way != "Alt+S")
            QCOMPARE(control<QLabel>(menu(), "InfoLabel")->text(),
                     QStringLiteral(" File in Memory \r\n  Weekly Six  "));
        else
            click(topLevel<QWidget>("LGraph"), "ExitGrp");
    }

    // A title pasted with a line break used to save, and then the file could not be
    // opened again. Line and paragraph separators split the title on screen, and direction
    // overrides turned it around: typed or pasted, they are dropped too.
    void aPastedTitleKeepsNothingTheFileCannotHold_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("text");
        const QString breaks = QStringLiteral("\"Six\"\r\nmain\tdraw\n");
        const QString unicode = QStringLiteral("\u2028Six\u2029\u202Emain\u202C\u2067draw\u2069");
        QTest::newRow("Ctrl+V") << "Ctrl+V" << breaks;
        QTest::newRow("Shift+Insert") << "Shift+Insert" << breaks;
        QTest::newRow("drag and drop") << "drop" << breaks;
        QTest::newRow("separators and overrides, Ctrl+V") << "Ctrl+V" << unicode;
        QTest::newRow("separators and overrides, typed") << "typed" << unicode;
    }
    void aPastedTitleKeepsNothingTheFileCannotHold()
    {
        QFETCH(QString, way);
        QFETCH(QString, text);
        startProgram();
        click(menu(), "DBaseForm");
        auto* title = control<QLineEdit>(database(), "InFileName");
        QTest::mouseClick(title, Qt::LeftButton);
        QTest::keyClicks(title, QStringLiteral("Weekly "));
        if (way == "typed")
            typeText(title, text);
        else
            pasteInto(title, text, way);
        QCOMPARE(title->text(), QStringLiteral("Weekly Sixmaindraw"));
        typeRow(database(), {"1", "2", "3", "4", "5", "6"});
        click(database(), "Calc");
        click(database(), "ExitDbase");

        const QString path = m_fixture->programPath(QStringLiteral("Weekly.lto"));
        m_fixture->fileDialogs.answers = {path, path};
        click(menu(), "SaveFile");
        click(menu(), "LoadFile");
        QCOMPARE(m_fixture->messages.boxes.size(), 0);
        QCOMPARE(state().Store.RecCount(), 1);
        QCOMPARE(control<QLineEdit>(database(), "InFileName")->text(),
                 QStringLiteral("Weekly Sixmaindraw"));
    }

    // The title box holds every title a draw file holds: one read from a file keeps its tail
    // through an edit, and a title as long as a file takes saves and opens again.
    void aLongTitleIsKeptWholeWhenEdited()
    {
        const QByteArray title = "Weekly " + QByteArray(DrawFile::MaxTitleLength - 8, 'x');
        m_fixture->writeProgramFile(QStringLiteral("Long.lto"),
                                    "1,8,49,\"" + title
                                        + "\"\r\n1,#1996-09-07#,1,2,3,4,5,6,0,0,0,0\r\n");
        const QString path = m_fixture->programPath(QStringLiteral("Long.lto"));
        startProgram();
        m_fixture->fileDialogs.answers = {path};
        click(menu(), "LoadFile");
        auto* box = control<QLineEdit>(database(), "InFileName");
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClicks(box, QStringLiteral("!?")); // one character more than a file holds
        click(database(), "ExitDbase");

        m_fixture->fileDialogs.answers = {path, path};
        click(menu(), "SaveFile");
        QVERIFY(fileBytes(path).startsWith("1,8,49,\"" + title + "!\"\r\n"));
        click(menu(), "LoadFile");
        QCOMPARE(m_fixture->messages.texts(), QStringList());
        QCOMPARE(control<QLineEdit>(database(), "InFileName")->text(),
                 QString::fromLatin1(title + '!'));
    }

    // A digit box holds digits, however they arrive: a pasted number is taken without the blanks
    // around it (as copied from a right-aligned box), anything else beeps and is not inserted.
    // The record number is checked against the records there are.
    void aDigitBoxTakesAPastedNumberOrBeeps_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("kept");
        QTest::newRow("record number, Shift+Insert") << QByteArray("CurVal") << "Shift+Insert"
                                                     << "-5"
                                                     << "";
        QTest::newRow("record number, Ctrl+V") << QByteArray("CurVal") << "Ctrl+V"
                                               << "-5"
                                               << "";
        QTest::newRow("record number, right-aligned") << QByteArray("CurVal") << "Ctrl+V"
                                                      << "   2"
                                                      << "2";
        QTest::newRow("numbers per draw, Shift+Insert") << QByteArray("NumCol") << "Shift+Insert"
                                                        << "-5"
                                                        << "";
        QTest::newRow("numbers per draw, copied from a grid cell")
            << QByteArray("NumCol") << "Shift+Insert"
            << "7\r\n"
            << "7";
        QTest::newRow("drawn number, Ctrl+V") << QByteArray("InNum0") << "Ctrl+V"
                                              << "-5"
                                              << "";
        QTest::newRow("drawn number, right-aligned") << QByteArray("InNum0") << "Ctrl+V"
                                                     << " 6"
                                                     << "6";
        QTest::newRow("drawn number, two numbers") << QByteArray("InNum0") << "Ctrl+V"
                                                   << "6 5"
                                                   << "";
    }
    void aDigitBoxTakesAPastedNumberOrBeeps()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, way);
        QFETCH(QString, pasted);
        QFETCH(QString, kept);
        fillStore(3);
        open();
        QString shown = QStringLiteral("unchecked");
        const auto paste = [&shown, way, pasted](QLineEdit* box) {
            QTest::mouseClick(box, Qt::LeftButton);
            pasteInto(box, pasted, way);
            shown = box->text();
        };
        if (name == "CurVal") {
            m_fixture->answerDialog(QStringLiteral("InRecNum"), [paste](QWidget* dialog) {
                paste(control<QLineEdit>(dialog, "CurVal"));
                click(dialog, "Accept");
            });
            // The real dialog rather than the scripted answers of open().
            m_recordAnswers.clear();
            m_window.reset();
            m_window = std::make_unique<LDbase>(state(), m_fixture->services);
            m_window->show();
            click(window(), "CorrectRec");
            QCOMPARE(control<QLabel>(window(), "InNew")->text(),
                     kept.isEmpty() ? QStringLiteral("New") : u' ' + kept);
        } else {
            paste(box(name.constData()));
        }
        QCOMPARE(shown, kept);
        QCOMPARE(m_fixture->messages.beeps, kept.isEmpty() ? 1 : 0);
    }

    // Destroying the window runs none of its own handlers, even when a box of it still has
    // the focus then (as when the window system has not yet moved the focus elsewhere: the
    // window is hosted here in a frame of its own, which stays active).
    void destroyingTheWindowCallsNothingOnTheWayOut_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("typed");
        QTest::newRow("a bad date") << QByteArray("InDate") << "2/30/2026";
        QTest::newRow("numbers per draw out of range") << QByteArray("NumCol") << "0";
    }
    void destroyingTheWindowCallsNothingOnTheWayOut()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, typed);
        QWidget host;
        auto* database = new LDbase(state(), m_fixture->services, {}, &host);
        host.resize(database->size());
        host.show();
        QVERIFY(QTest::qWaitForWindowActive(&host));
        auto* edit = control<QLineEdit>(database, name.constData());
        QTest::mouseClick(edit, Qt::LeftButton);
        edit->selectAll();
        QTest::keyClicks(edit, typed);
        QVERIFY(edit->hasFocus());
        delete database;
        QCOMPARE(m_fixture->messages.texts(), QStringList());
    }

    // The proposed date is one the box takes back, in locales whose short date is long or has
    // other digits.
    void addsDrawsInEveryLocale_data()
    {
        QTest::addColumn<QString>("locale");
        for (const char* name :
             {"hu_HU", "ko_KR", "sk_SK", "hr_HR", "sl_SI", "sr_RS", "ar_EG", "fa_IR", "de_DE"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void addsDrawsInEveryLocale()
    {
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(locale));
        open();
        for (int draw = 0; draw < 2; ++draw) {
            typeRow(window(), {"1", "2", "3", "4", "5", "6"});
            clickAdd();
        }
        QCOMPARE(m_fixture->messages.texts(), QStringList());
        QCOMPARE(state().Store.RecCount(), 2);
        QCOMPARE(state().Store.date(2), QDate::currentDate().addDays(7));
    }

    // Select all, copy, cut, undo, paste, Home/End and Shift+arrows in every box of the window.
    void standardEditingKeys_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("sample");
        QTest::newRow("title") << QByteArray("InFileName") << "Weekly Six";
        QTest::newRow("numbers per draw") << QByteArray("NumCol") << "6";
        QTest::newRow("highest number") << QByteArray("HighNum") << "49";
        QTest::newRow("date") << QByteArray("InDate") << "9/7/1996";
        QTest::newRow("drawn number") << QByteArray("InNum0") << "12";
    }
    void standardEditingKeys()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, sample);
        open();
        QLineEdit* edit = box(name.constData());
        edit->setText(sample);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClick(edit, Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(edit->selectedText(), sample.right(1));
        QTest::keyClick(edit, Qt::Key_Home, Qt::ShiftModifier);
        QCOMPARE(edit->selectedText(), sample);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), sample);
        QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(edit->text(), QString());
        QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(edit->text(), sample);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), sample);
        QCOMPARE(m_fixture->messages.beeps, 0);
        QCOMPARE(m_fixture->messages.boxes.size(), 0);
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
        QCOMPARE(state().Store.number(4, 0), 39);
        auto* grid = control<QTableView>(database, "Grid1");
        QCOMPARE(cellText(grid, 1, 0), QStringLiteral("  10"));
        QCOMPARE(cellText(grid, 7, 2), QStringLiteral(" 39"));
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
    void startProgram()
    {
        m_program = std::make_unique<Program>(state(), m_fixture->services);
        m_program->start();
        QVERIFY(QTest::qWaitForWindowExposed(menu()));
    }
    // The real record-number dialog, answered as a user would.
    void answerRecordDialog(const QString& typed)
    {
        m_fixture->answerDialog(QStringLiteral("InRecNum"), [typed](QWidget* dialog) {
            QTest::keyClicks(control<QLineEdit>(dialog, "CurVal"), typed);
            click(dialog, "Accept");
        });
    }
    static void click(QWidget* window, const char* name)
    {
        QTest::mouseClick(control<QPushButton>(window, name), Qt::LeftButton);
    }
    // Types the numbers over whatever the entry row holds.
    static void typeRow(QWidget* window, const QStringList& numbers)
    {
        for (int k = 0; k < numbers.size(); ++k) {
            auto* number = control<QLineEdit>(window, QByteArray("InNum" + QByteArray::number(k)));
            number->setFocus();
            number->selectAll();
            QTest::keyClicks(number, numbers[k]);
        }
    }
    LDbase* database() { return topLevel<LDbase>("LDbase"); }
    ZudeMenu* menu() { return m_program->mainMenu(); }

    void open()
    {
        m_window = std::make_unique<LDbase>(state(), m_fixture->services, [this](QWidget*) {
            return m_recordAnswers.isEmpty() ? std::nullopt
                                             : std::optional<int>(m_recordAnswers.takeFirst());
        });
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    // Records of six numbers: 1..5 and a sixth that is 6, 7, 8, ... per record.
    void fillStore(int count)
    {
        state().Store.setShape({6, state().Store.shape().highestNumber});
        for (int i = 0; i < count; ++i)
            AppendTyped(state().Store, FormatShortDate(QDate(1996, 9, 7).addDays(7 * i)),
                        {"1", "2", "3", "4", "5", QString::number(6 + i)});
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
    static QStringList rowTexts(QTableView* grid, int row)
    {
        QStringList texts;
        for (int column = 0; column < grid->model()->columnCount(); ++column)
            texts.append(cellText(grid, row, column));
        return texts;
    }
    QLineEdit* box(const char* name) { return control<QLineEdit>(window(), name); }
    QTableView* records() { return control<QTableView>(window(), "Grid1"); }
    QTableView* distribution(int which)
    {
        const QByteArray name = "Grid" + QByteArray::number(which + 1);
        return control<QTableView>(window(), name.constData());
    }
    LDbase* window() { return m_window.get(); }
    SharedState& state() { return m_fixture->state; }

    std::unique_ptr<GuiTestFixture> m_fixture;
    std::unique_ptr<Program> m_program;
    std::unique_ptr<LDbase> m_window;
    QList<int> m_recordAnswers;
};

QTEST_MAIN(TestLDbase)
#include "tst_ldbase.moc"
