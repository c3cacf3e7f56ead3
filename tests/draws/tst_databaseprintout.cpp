#include "draws/DatabasePrintout.h"
#include "draws/DrawStore.h"

#include "common/TextFormat.h"

#include <QtTest>

namespace {

// A store of `records` draws of `perDraw` numbers; record i draws i, i+1, ... (wrapping at 49).
DrawStore storeWith(int records, int perDraw)
{
    DrawStore store;
    store.SetColCount(perDraw + 2);
    store.SetHighNum(49);
    store.SetTitle(QStringLiteral("Weekly Six"));
    for (int i = 1; i <= records; ++i) {
        QStringList numbers;
        for (int k = 0; k < perDraw; ++k)
            numbers.append(QString::number((i + k - 1) % 49 + 1));
        store.AppendRecord(FormatShortDate(QDate(1996, 1, 6).addDays(7 * (i - 1))), numbers);
    }
    store.CountNumbers();
    return store;
}

QStringList allLines(const Printout& printout)
{
    QStringList lines;
    for (const QStringList& page : printout.pages)
        lines += page;
    return lines;
}

} // namespace

class TestDatabasePrintout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void laysOutTheHeadingAndColumns()
    {
        std::array<QString, 9> printLines;
        const Printout printout = DatabasePrintout(storeWith(1, 6), QString(), 50, printLines);
        const QStringList page = printout.pages.first();
        QCOMPARE(page.mid(0, 6),
                 (QStringList {"", "", "    Winning numbers in Weekly Six Draw",
                               "    " + QString(45, u'_'), "",
                               "    1/6/1996          1    2    3    4    5    6"}));
        // Dates start in column 5, the numbers fill four columns from 20, 25, ... 45.
        QCOMPARE(page[5].indexOf(u'1'), 4);
        QCOMPARE(page[5].mid(19, 4), QStringLiteral("   1"));
        QCOMPARE(page[5].size(), 48);
        // Two empty lines, the top line (two blanks before nothing yet) and the rule.
        QCOMPARE(page.mid(6, 4), (QStringList {"", "", "  ", "  " + QString(70, u'_')}));
    }

    void breaksPagesByLinesPerPage_data()
    {
        QTest::addColumn<int>("records");
        QTest::addColumn<QList<int>>("recordsPerPage");
        QTest::newRow("break after the 44th record") << 44 << QList<int> {44, 0};
        QTest::newRow("one on the second page") << 45 << QList<int> {44, 1};
        QTest::newRow("then every 46") << 44 + 46 + 46 + 3 << QList<int> {44, 46, 46, 3};
    }
    void breaksPagesByLinesPerPage()
    {
        QFETCH(int, records);
        QFETCH(QList<int>, recordsPerPage);
        std::array<QString, 9> printLines;
        const Printout printout
            = DatabasePrintout(storeWith(records, 6), QStringLiteral("Top"), 50, printLines);

        QCOMPARE(printout.pages.size(), recordsPerPage.size());
        for (qsizetype p = 0; p < printout.pages.size(); ++p) {
            const QStringList& page = printout.pages[p];
            const qsizetype firstRecord = p == 0 ? 5 : 4;
            if (p > 0)
                QCOMPARE(page.mid(0, 4),
                         (QStringList {"", "    Winning numbers in Weekly Six Draw",
                                       "    " + QString(45, u'_'), ""}));
            for (int r = 0; r < recordsPerPage[p]; ++r)
                QVERIFY2(page[firstRecord + r].startsWith(QStringLiteral("    "))
                             && page[firstRecord + r].contains(u'/'),
                         qPrintable(page[firstRecord + r]));
            const bool last = p == printout.pages.size() - 1;
            if (!last) {
                // The page number two lines below the last record; nothing after it.
                QCOMPARE(page.mid(firstRecord + recordsPerPage[p]),
                         (QStringList {"", QString(39, u' ') + "Page " + QString::number(p + 1)}));
            } else {
                QCOMPARE(page[firstRecord + recordsPerPage[p]], QString());
                QVERIFY(!page.join(u'\n').contains(QStringLiteral("Page")));
            }
        }
    }

    void fillsTheDistributionBlock()
    {
        std::array<QString, 9> printLines;
        printLines[8] = QStringLiteral("left over from before");
        const DrawStore store = storeWith(2, 6); // 1..6 and 2..7: 1 and 7 once, 2..6 twice
        const Printout printout
            = DatabasePrintout(store, QStringLiteral("Top 6 =  2  3"), 50, printLines);

        QCOMPARE(printLines[1].size(), 18 * 4);
        QCOMPARE(printLines[3].size(), 18 * 4);
        QCOMPARE(printLines[5].size(), 13 * 4);
        QVERIFY(printLines[7].isEmpty() && printLines[8].isEmpty());
        QCOMPARE(printLines[1].left(12), QStringLiteral("   1   2   3"));
        QCOMPARE(printLines[2].left(32), QStringLiteral("   1   2   2   2   2   2   1    "));
        QCOMPARE(printLines[5].right(4), QStringLiteral("  49"));
        QVERIFY(printLines[4].trimmed().isEmpty());

        const QStringList lines = allLines(printout);
        const QStringList tail {"  Top 6 =  2  3",
                                "  " + QString(70, u'_'),
                                "",
                                printLines[1],
                                printLines[2],
                                "",
                                printLines[3],
                                printLines[4],
                                "",
                                printLines[5],
                                printLines[6],
                                "",
                                "",
                                ""};
        QCOMPARE(lines.mid(lines.size() - tail.size()), tail);
    }
};

QTEST_GUILESS_MAIN(TestDatabasePrintout)
#include "tst_databaseprintout.moc"
