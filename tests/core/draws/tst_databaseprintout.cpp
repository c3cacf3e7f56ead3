// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "TestDraws.h"

#include "core/draws/DatabasePrintout.h"
#include "core/draws/DrawStore.h"
#include "core/draws/LinesPerPage.h"

#include "core/common/TextFormat.h"

#include <QtTest>

namespace {

// A store of `records` draws of `perDraw` numbers; record i draws i, i+1, ... (wrapping at 49).
std::unique_ptr<DrawStore> storeWith(int records, int perDraw)
{
    auto store = std::make_unique<DrawStore>();
    QList<QList<int>> draws;
    for (int i = 1; i <= records; ++i) {
        QList<int> numbers;
        for (int k = 0; k < perDraw; ++k)
            numbers.append((i + k - 1) % 49 + 1);
        draws.append(numbers);
    }
    LoadWeeklyDraws(*store, {perDraw, 49}, draws, QDate(1996, 1, 6));
    store->SetTitle(QStringLiteral("Weekly Six"));
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
        const Printout printout = DatabasePrintout(*storeWith(1, 6), QString(), 50);
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

    // The extra numbers follow the main ones after a "+"; more than ten numbers stand closer, so
    // that twenty and two extra ones fit the page.
    void printsTheExtraNumbers_data()
    {
        QTest::addColumn<LotteryShape>("shape");
        QTest::addColumn<QString>("line");
        LotteryShape bonus {6, 49};
        bonus.extraNumbers = 1;
        LotteryShape widest {20, 99};
        widest.extraNumbers = 2;
        widest.extraPool = LotteryShape::ExtraPool::Own;
        widest.extraHighest = 50;
        QTest::newRow("6 of 49 + bonus")
            << bonus << "    1/6/1996          1    2    3    4    5    6  +   7";
        QTest::newRow("20 of 80") << LotteryShape {20, 80}
                                  << "    1/6/1996     1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 "
                                     "16 17 18 19 20";
        QTest::newRow("20 of 99 + 2 of 50")
            << widest
            << "    1/6/1996     1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18 19 20 + "
               "21 22";
    }
    void printsTheExtraNumbers()
    {
        QFETCH(LotteryShape, shape);
        QFETCH(QString, line);
        DrawStore store;
        QList<int> numbers;
        for (int n = 1; n <= shape.drawnNumbers(); ++n)
            numbers.append(n);
        LoadWeeklyDraws(store, shape, {numbers}, QDate(1996, 1, 6));
        const QStringList page = DatabasePrintout(store, QString(), 50).pages.first();
        QCOMPARE(page[5], line);
        QVERIFY(page[3].size() >= line.size() - 1 && line.size() <= PrintableColumns);
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
        const Printout printout
            = DatabasePrintout(*storeWith(records, 6), QStringLiteral("Top"), 50);

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
        const std::unique_ptr<DrawStore> stored = storeWith(2, 6);
        const DrawStore& store = *stored; // 1..6 and 2..7: 1 and 7 once, 2..6 twice
        const Printout printout = DatabasePrintout(store, QStringLiteral("Top 6 =  2  3"), 50);
        // The block's lines 1..8: numbers and their counts, for 1..18, 19..36, 37..54, 55..60.
        const QStringList lines = allLines(printout);
        std::array<QString, 9> printLines;
        for (int line = 1; line <= 8; line += 2) {
            const qsizetype at = lines.size() - 14 + 3 + 3 * ((line - 1) / 2);
            printLines[std::size_t(line)] = lines[at];
            printLines[std::size_t(line + 1)] = lines[at + 1];
        }

        QCOMPARE(printLines[1].size(), 18 * 4);
        QCOMPARE(printLines[3].size(), 18 * 4);
        QCOMPARE(printLines[5].size(), 13 * 4);
        QVERIFY(printLines[7].isEmpty() && printLines[8].isEmpty());
        QCOMPARE(printLines[1].left(12), QStringLiteral("   1   2   3"));
        QCOMPARE(printLines[2].left(32), QStringLiteral("   1   2   2   2   2   2   1    "));
        QCOMPARE(printLines[5].right(4), QStringLiteral("  49"));
        QVERIFY(printLines[4].trimmed().isEmpty());

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

    // Counts of a long history widen the cells: every count printed whole and apart.
    void printsLargeCountsApart()
    {
        const std::unique_ptr<DrawStore> store = storeWith(20000, 6);
        const QStringList lines = allLines(DatabasePrintout(*store, QString(), 50));
        // 2449 or so each: cells of five, 14 to a line.
        const qsizetype numbersAt = lines.indexOf(QStringLiteral(
            "    1    2    3    4    5    6    7    8    9   10   11   12   13   14"));
        QVERIFY(numbersAt > 0);
        const QStringList counts = lines[numbersAt + 1].split(u' ', Qt::SkipEmptyParts);
        QCOMPARE(counts.size(), 14);
        for (int n = 1; n <= 14; ++n)
            QCOMPARE(counts[n - 1].toInt(), store->NumberCounts()[n].count);
    }

    // Lines per page follow from the sheet's printable height, and whatever the number of
    // records, no page runs past the sheet, each page but the last ends with its number, no
    // sheet carries only that number, and the distribution block stays on one sheet.
    void pagesFitTheSheet_data()
    {
        QTest::addColumn<QSizeF>("paper"); // points
        QTest::addColumn<QMarginsF>("reportedMargins");
        QTest::addColumn<double>("lineHeight"); // twips
        QTest::addColumn<int>("linesPerPage");
        const QSizeF a4(595, 842);
        const QSizeF letter(612, 792);
        const QMarginsF none;
        const QMarginsF narrow(12, 12, 12, 12); // under 10 mm: 10 mm is kept
        const QMarginsF inkjet(18, 36, 18, 36);
        QTest::newRow("A4, no margins reported") << a4 << none << 240.0 << 63;
        QTest::newRow("A4, narrow margins") << a4 << narrow << 240.0 << 63;
        QTest::newRow("A4, half-inch margins") << a4 << inkjet << 240.0 << 62;
        QTest::newRow("Letter, no margins reported") << letter << none << 240.0 << 59;
        QTest::newRow("Letter, half-inch margins: exactly 60 lines")
            << letter << inkjet << 240.0 << 58;
        QTest::newRow("Letter, 10 pt monospaced") << letter << none << 233.0 << 61;
        QTest::newRow("A4 landscape") << a4.transposed() << none << 240.0 << 42;
    }
    void pagesFitTheSheet()
    {
        QFETCH(QSizeF, paper);
        QFETCH(QMarginsF, reportedMargins);
        QFETCH(double, lineHeight);
        QFETCH(int, linesPerPage);
        const QMarginsF margins = PrintoutMargins(reportedMargins);
        QVERIFY(margins.top() >= 28.3 && margins.bottom() >= 28.3 && margins.left() >= 28.3);
        const PageMetrics page {(paper.height() - margins.top() - margins.bottom()) * 20,
                                lineHeight};
        QCOMPARE(LinesPerPageFor(page), linesPerPage);

        const int sheetLines = LinesPerSheet(page);
        const QRegularExpression pageNumber(QStringLiteral("^ {39}Page \\d+$"));
        // From a first page whose distribution no longer fits below its records to every fill
        // of a third page; the count told before printing is the count printed.
        for (int records = linesPerPage - 24; records <= 3 * linesPerPage; ++records) {
            const auto store = storeWith(records, 6);
            const Printout printout = DatabasePrintout(*store, QStringLiteral("Top"), linesPerPage);
            QCOMPARE(DatabasePrintoutPages(*store, linesPerPage), int(printout.pages.size()));
            int printedRecords = 0;
            for (qsizetype p = 0; p < printout.pages.size(); ++p) {
                const QStringList& lines = printout.pages[p];
                const QString where = QStringLiteral("%1 records, page %2").arg(records).arg(p + 1);
                QVERIFY2(lines.size() <= sheetLines, qPrintable(where));
                QVERIFY2(std::any_of(lines.begin(), lines.end(),
                                     [&](const QString& line) {
                                         return !line.trimmed().isEmpty()
                                             && !pageNumber.match(line).hasMatch();
                                     }),
                         qPrintable(where));
                const bool last = p == printout.pages.size() - 1;
                QCOMPARE(pageNumber.match(lines.last()).hasMatch(), !last);
                printedRecords += int(lines.filter(QStringLiteral("/")).size());
            }
            QCOMPARE(printedRecords, records);
            const QStringList& lastPage = printout.pages.last();
            QVERIFY(lastPage.contains(QStringLiteral("  Top")));
            // The block ends the page: the counts of 55..60, empty for numbers up to 49.
            QCOMPARE(lastPage.last(), QString());
        }
    }

    void linesPerPageWithoutAPage()
    {
        QCOMPARE(LinesPerPageFor(std::nullopt), 50);
        QCOMPARE(LinesPerPageFor(PageMetrics {15840, 0}), 50);
        QCOMPARE(LinesPerPageFor(PageMetrics {100, 240}), 50); // not one line fits
    }
};

QTEST_GUILESS_MAIN(TestDatabasePrintout)
#include "tst_databaseprintout.moc"
