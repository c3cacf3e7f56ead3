// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "core/tracker/Sheet.h"
#include "core/tracker/SheetEditor.h"

#include <QtTest>

using Outcome = SheetEditor::Result::Outcome;

class TestSheetEditor : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void typesIntoTheAmountColumn_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("cellText");
        QTest::addColumn<double>("value");
        QTest::newRow("two decimals at most") << "-12.507"
                                              << "-12.50" << -12.5;
        QTest::newRow("nothing after two decimals, not even a minus") << "1.25-"
                                                                      << "1.25" << 1.25;
        QTest::newRow("a lone minus") << "-"
                                      << ".00" << 0.0;
        QTest::newRow("a lone period") << "."
                                       << ".00" << 0.0;
        QTest::newRow("a second period is kept but not read") << "1.2.3"
                                                              << "1.20" << 1.2;
        QTest::newRow("letters are refused") << "1a2"
                                             << "12.00" << 12.0;
        QTest::newRow("twelve whole digits at most") << "12345678901234"
                                                     << "123,456,789,012.00" << 123456789012.0;
        QTest::newRow("decimals after twelve digits") << "123456789012.55"
                                                      << "123,456,789,012.55" << 123456789012.55;
    }
    void typesIntoTheAmountColumn()
    {
        QFETCH(QString, keys);
        QFETCH(QString, cellText);
        QFETCH(double, value);
        Sheet sheet;
        SheetEditor editor(sheet);
        editor.cellChosen(4, 1);
        SheetEditor::Result last;
        int refused = 0;
        for (QChar key : keys) {
            const SheetEditor::Result result = editor.keyPress(key.unicode());
            if (result.outcome == Outcome::Edited)
                last = result;
            refused += result.outcome == Outcome::Refused;
        }
        QCOMPARE(last.cellText, cellText);
        QCOMPARE(last.row, 4);
        QCOMPARE(sheet.cell(4, 1), Cell(value));
        QCOMPARE(refused, keys.count(u'a'));

        const SheetEditor::Result cleared = editor.keyPress(8);
        QCOMPARE(cleared.outcome, Outcome::Edited);
        QVERIFY(cleared.cellText.isEmpty());
        QVERIFY(sheet.cell(4, 1).isEmpty());
    }

    void typesIntoTheDescriptionColumn()
    {
        Sheet sheet;
        SheetEditor editor(sheet);
        editor.cellChosen(3, 0);
        for (QChar key : QStringLiteral("Tickets \"x\""))
            editor.keyPress(key.unicode());
        QCOMPARE(sheet.cell(3, 0), Cell(QStringLiteral("Tickets x")));
        QCOMPARE(editor.keyPress(u'"').outcome, Outcome::Refused);

        // Backspace takes the last character off what the cell holds; typing goes on from there.
        editor.cellChosen(3, 0);
        editor.keyPress(8);
        const SheetEditor::Result result = editor.keyPress(u'y');
        QCOMPARE(result.cellText, QStringLiteral("Tickets y"));

        // A new cell starts afresh; 46 characters at most.
        editor.cellChosen(3, 0);
        for (int i = 0; i < 50; ++i)
            editor.keyPress(u'z');
        QCOMPARE(sheet.cell(3, 0).text(), QString(46, u'z'));

        QCOMPARE(editor.keyPress(13).outcome, Outcome::MoveDown);
        QCOMPARE(editor.keyPress(27).outcome, Outcome::Ignored);
        const SheetEditor::Result deleted = editor.deleteKey();
        QCOMPARE(deleted.outcome, Outcome::Edited);
        QVERIFY(sheet.cell(3, 0).isEmpty());
    }

    void typesAnyCharacterIntoADescription_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("text");
        const int coins = 0x1F4B0;
        QTest::newRow("an emoji is one character") << QList<int> {'a', coins} << "a\U0001F4B0";
        QTest::newRow("Backspace takes the whole emoji") << QList<int> {'a', coins, 8} << "a";
        QTest::newRow("control characters are refused")
            << QList<int> {'a', 0x01, 0x1B, 0x85, 0x7F, 'b'} << "ab";
        QList<int> many(50, coins);
        QTest::newRow("46 characters, an emoji counted once")
            << many << QStringLiteral("\U0001F4B0").repeated(46);
    }
    void typesAnyCharacterIntoADescription()
    {
        QFETCH(QList<int>, keys);
        QFETCH(QString, text);
        Sheet sheet;
        SheetEditor editor(sheet);
        editor.cellChosen(3, 0);
        for (int key : keys)
            editor.keyPress(key);
        QCOMPARE(sheet.cell(3, 0), Cell(text));
    }

    void rowsBeyond105AreRefused()
    {
        Sheet sheet;
        SheetEditor editor(sheet);
        editor.cellChosen(106, 0);
        for (int key : {int(u'a'), 13, 8, int(u'1')})
            QCOMPARE(editor.keyPress(key).outcome, Outcome::RowLimit);
        QVERIFY(sheet.cell(106, 0).isEmpty());
    }

    void keysGoWhereTheHighlightIsButNotOnTheTotal()
    {
        Sheet sheet;
        SheetEditor editor(sheet);
        // Before any choice the highlight rests on the total.
        QCOMPARE(editor.cursor().row, 2);
        QCOMPARE(editor.keyPress(u'5').outcome, Outcome::Refused);
        QCOMPARE(editor.deleteKey().outcome, Outcome::Refused);
        editor.cellChosen(2, 0);
        QCOMPARE(editor.keyPress(u'W').outcome, Outcome::Refused);
        QCOMPARE(editor.keyPress(13).outcome, Outcome::MoveDown);
        for (int r = 0; r < Sheet::Rows; ++r)
            QVERIFY(sheet.cell(r, 0).isEmpty() && sheet.cell(r, 1).isEmpty());
        QVERIFY(!editor.TypedChanges);

        // A line typed right above the total goes on onto its line, and the total makes way.
        editor.cellChosen(1, 0);
        editor.keyPress(u'A');
        editor.cellChosen(2, 0);
        QCOMPARE(editor.keyPress(8).outcome, Outcome::Refused);
        QCOMPARE(editor.keyPress(u'B').outcome, Outcome::Edited);
        QCOMPARE(editor.totalRow(), 4);
        QVERIFY(editor.TypedChanges);
    }

    void theCursorStaysOnItsLine_data()
    {
        QTest::addColumn<QStringList>("descriptions"); // rows 1.., "" for an empty row
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("followed");
        QTest::newRow("a line that moves up") << QStringList {"A", "", "B", "C"} << 3 << 2;
        QTest::newRow("a dropped line: the empty line below")
            << QStringList {"A", "B", "", "C"} << 3 << 4;
        QTest::newRow("the total") << QStringList {"", "", "A"} << 2 << 3;
        QTest::newRow("beyond the data rows") << QStringList {"A"} << 107 << 107;
    }
    void theCursorStaysOnItsLine()
    {
        QFETCH(QStringList, descriptions);
        QFETCH(int, row);
        QFETCH(int, followed);
        Sheet sheet;
        for (int r = 1; r <= descriptions.size(); ++r)
            if (!descriptions[r - 1].isEmpty())
                sheet.cell(r, 0) = Cell(descriptions[r - 1]);
        SheetEditor editor(sheet);
        editor.cellChosen(row, 1);
        editor.keyPress(u'2');
        editor.calculate();
        QCOMPARE(editor.cursor().row, followed);
        // The next key starts the cell afresh, on that line and nowhere else.
        editor.keyPress(u'5');
        const bool typable = followed <= Sheet::DataRows && followed != editor.totalRow();
        QCOMPARE(sheet.cell(followed, 1), typable ? Cell(5.0) : Cell());
        for (int r = 1; r < Sheet::Rows; ++r)
            if (r != followed)
                QVERIFY(sheet.cell(r, 1).isEmpty());
    }

    void aSubtotalLeavesWithItsDescription()
    {
        Sheet sheet;
        SheetEditor editor(sheet);
        const QStringList typed {"A", "600000000000", "Sub Total", "", "Sub Total", "7"};
        for (int i = 0; i < typed.size(); ++i) {
            editor.cellChosen(i / 2 + 1, i % 2);
            for (QChar key : typed[i])
                editor.keyPress(key.unicode());
        }
        editor.calculate();
        QCOMPARE(sheet.subtotal(2), std::optional<long long>(6000000000000000LL));
        // Renamed, the computed sum goes; an amount typed on a subtotal row stays the user's.
        editor.cellChosen(2, 0);
        QVERIFY(editor.keyPress(u'X').amountCleared);
        QVERIFY(sheet.cell(2, 1).isEmpty());
        editor.cellChosen(3, 1);
        editor.keyPress(u'7');
        editor.cellChosen(3, 0);
        QVERIFY(!editor.deleteKey().amountCleared);
        QCOMPARE(sheet.cell(3, 1), Cell(7.0));
    }
};

QTEST_GUILESS_MAIN(TestSheetEditor)
#include "tst_sheeteditor.moc"
