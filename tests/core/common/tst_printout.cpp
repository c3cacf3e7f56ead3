// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "core/analysis/PickPrintout.h"
#include "core/common/PrintColumns.h"
#include "core/common/Printout.h"
#include "core/tracker/Sheet.h"
#include "core/tracker/Statement.h"

#include <QtTest>

class TestPrintout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void columnsAndLines()
    {
        PrintoutWriter writer;
        writer.printAt(5, QStringLiteral("abc"));
        writer.printAt(10, QStringLiteral("d"));
        writer.endLine();
        writer.endLine();
        writer.printAt(3, QStringLiteral("xyz"));
        writer.printAt(4, QStringLiteral("w")); // column already passed: next line
        const Printout printout = writer.FinishPrintout();
        QCOMPARE(printout.pages.size(), 1);
        QCOMPARE(printout.pages.first(),
                 (QStringList {QStringLiteral("    abc  d"), QString(), QStringLiteral("  xyz"),
                               QStringLiteral("   w")}));
    }

    // Cells as a monospaced printout shows them, whatever the UTF-16 units: the width, the
    // first five cells (characters stay whole), a right-aligned field, and the column the
    // writer puts the next text at.
    void cellsOfText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cells");
        QTest::addColumn<QString>("firstFive");
        const QString family = QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467");
        QTest::newRow("plain") << QStringLiteral("abcdefg") << 7 << QStringLiteral("abcde");
        QTest::newRow("combining accents")
            << QStringLiteral("e\u0301").repeated(6) << 6 << QStringLiteral("e\u0301").repeated(5);
        QTest::newRow("Chinese") << QStringLiteral("\u4E2D\u6587\u5B57") << 6
                                 << QStringLiteral("\u4E2D\u6587");
        QTest::newRow("emoji") << QStringLiteral("\U0001F600x\U0001F600\U0001F600") << 7
                               << QStringLiteral("\U0001F600x\U0001F600");
        QTest::newRow("emoji selector and text selector")
            << QStringLiteral("\u2764\uFE0Fa\u231A\uFE0E\u2764") << 5
            << QStringLiteral("\u2764\uFE0Fa\u231A\uFE0E\u2764");
        QTest::newRow("family joined") << family.repeated(3) << 6 << family.repeated(2);
        QTest::newRow("flags") << QStringLiteral("\U0001F1E9\U0001F1EA\U0001F1EB\U0001F1F7a") << 5
                               << QStringLiteral("\U0001F1E9\U0001F1EA\U0001F1EB\U0001F1F7a");
        QTest::newRow("flag cut") << QStringLiteral("abcd\U0001F1E9\U0001F1EA") << 6
                                  << QStringLiteral("abcd");
    }
    void cellsOfText()
    {
        QFETCH(QString, text);
        QFETCH(int, cells);
        QFETCH(QString, firstFive);
        QCOMPARE(PrintColumns::width(text), cells);
        QCOMPARE(PrintColumns::left(text, 5), firstFive);
        const QString field = PrintColumns::rightAlign(8, text);
        QCOMPARE(PrintColumns::width(field), 8);
        QVERIFY(field.endsWith(text));
        const QString cut = PrintColumns::rightAlign(5, text);
        QCOMPARE(PrintColumns::width(cut), 5);
        QVERIFY(cut.startsWith(firstFive));

        PrintoutWriter writer;
        writer.printAt(2, text);
        writer.printAt(11, QStringLiteral("|"));
        writer.printAt(11, QStringLiteral("next"));
        const QStringList lines = writer.FinishPrintout().pages.first();
        QCOMPARE(lines,
                 (QStringList {u' ' + text + QString(9 - cells, u' ') + u'|',
                               QString(10, u' ') + "next"}));
    }

    // A statement line ends in column 67 whatever its description holds; a long one is cut at
    // 46 cells, characters whole.
    void statementLineEndsInColumn67()
    {
        const QString party = QStringLiteral(
            "Syndicate \U0001F389 \u4E2D\u6587 \U0001F468\u200D\U0001F469\u200D\U0001F467 \U0001F1E9\U0001F1EA e\u0301");
        Sheet sheet;
        sheet.cell(1, 0) = Cell(party);
        sheet.cell(1, 1) = Cell(12.5);
        sheet.cell(2, 0) = Cell(QStringLiteral("\U0001F600").repeated(30));
        sheet.cell(2, 1) = Cell(-7.0);
        sheet.CalculateSheet();
        const QStringList lines = InvestmentStatement(sheet, QStringLiteral(" $")).pages.first();
        QCOMPARE(lines[10],
                 "       " + party + QString(48 - PrintColumns::width(party), u' ')
                     + "       12.50");
        QCOMPARE(lines[11],
                 "       " + QStringLiteral("\U0001F600").repeated(23) + "  " + "       -7.00");
        QCOMPARE(PrintColumns::width(lines[11]), 67);
    }

    void finishDropsAnEmptyLastPage()
    {
        PrintoutWriter writer;
        writer.printLine(1, QStringLiteral("one"));
        writer.newPage();
        QCOMPARE(writer.pageNumber(), 2);
        writer.printLine(1, QStringLiteral("two"));
        writer.newPage();
        const Printout printout = writer.FinishPrintout();
        QCOMPARE(printout.pages.size(), 2);
        QCOMPARE(printout.pages.last(), QStringList {QStringLiteral("two")});
        QVERIFY(PrintoutWriter().FinishPrintout().isEmpty());
    }

    void pickedSets()
    {
        PickedSets results {};
        results[1] = {0, 3, 11, 23, 30, 42, 49};
        results[2] = {0, 1, 2, 0}; // a set that stopped short prints blanks
        const Printout printout = PickPrintout(results, 3, 2);
        const QString underline = QStringLiteral("    ") + QString(15, u'_');
        QCOMPARE(printout.pages.size(), 1);
        QCOMPARE(printout.pages.first(),
                 (QStringList {
                     QString(),
                     QString(),
                     underline,
                     QString(),
                     QStringLiteral("      3   11   23"),
                     underline,
                     QString(),
                     QStringLiteral("      1    2     "),
                     underline,
                     QString(),
                 }));

        // Twenty numbers and two extra ones (one of them 0) stand closer, within the page.
        PickedSets twenty {};
        PickedExtras extras {};
        for (int k = 1; k <= 20; ++k)
            twenty[1][std::size_t(k)] = 60 + k;
        extras[1] = {0, 9};
        const QString line = PickPrintout(twenty, 20, 1, extras, 2).pages.first()[4];
        QCOMPARE(line,
                 QStringLiteral("  61 62 63 64 65 66 67 68 69 70 71 72 73 74 75 76 77 78 79 "
                                "80  +  0  9"));
        QVERIFY(line.size() <= PrintableColumns);
    }
};

QTEST_GUILESS_MAIN(TestPrintout)
#include "tst_printout.moc"
