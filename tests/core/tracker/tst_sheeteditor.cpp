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
        editor.cellChosen(2, 0);
        for (QChar key : QStringLiteral("Tickets \"x\""))
            editor.keyPress(key.unicode());
        QCOMPARE(sheet.cell(2, 0), Cell(QStringLiteral("Tickets x")));
        QCOMPARE(editor.keyPress(u'"').outcome, Outcome::Refused);

        // Backspace takes the last character off what the cell holds; typing goes on from there.
        editor.cellChosen(2, 0);
        editor.keyPress(8);
        const SheetEditor::Result result = editor.keyPress(u'y');
        QCOMPARE(result.cellText, QStringLiteral("Tickets y"));

        // A new cell starts afresh; 46 characters at most.
        editor.cellChosen(2, 0);
        for (int i = 0; i < 50; ++i)
            editor.keyPress(u'z');
        QCOMPARE(sheet.cell(2, 0).text(), QString(46, u'z'));

        QCOMPARE(editor.keyPress(13).outcome, Outcome::MoveDown);
        QCOMPARE(editor.keyPress(27).outcome, Outcome::Ignored);
        const SheetEditor::Result deleted = editor.deleteKey();
        QCOMPARE(deleted.outcome, Outcome::Edited);
        QVERIFY(sheet.cell(2, 0).isEmpty());
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
        editor.cellChosen(2, 0);
        for (int key : keys)
            editor.keyPress(key);
        QCOMPARE(sheet.cell(2, 0), Cell(text));
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

    void keysBeforeAnyCellGoToTheFirstDescription()
    {
        Sheet sheet;
        SheetEditor editor(sheet);
        const SheetEditor::Result result = editor.keyPress(u'W');
        QCOMPARE(result.row, 1);
        QCOMPARE(result.column, 0);
        QCOMPARE(sheet.cell(1, 0).text(), QStringLiteral("W"));
        QVERIFY(sheet.cell(0, 0).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSheetEditor)
#include "tst_sheeteditor.moc"
