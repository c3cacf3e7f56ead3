#include "core/analysis/PickPrintout.h"
#include "core/common/Printout.h"

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
    }
};

QTEST_GUILESS_MAIN(TestPrintout)
#include "tst_printout.moc"
