// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "core/tracker/Money.h"
#include "core/tracker/Sheet.h"
#include "core/tracker/SheetEditor.h"
#include "core/tracker/TrackerFile.h"

#include <QtTest>

#include <limits>

namespace {

// A row as the tests write it: description and amount, "" for an empty cell.
struct TestRow {
    int row;
    QString description;
    QString amount;
};

Cell cellFor(const QString& text, bool amount)
{
    if (text.isEmpty())
        return Cell();
    return amount ? Cell(text.toDouble()) : Cell(text);
}

Sheet sheetWith(const QList<TestRow>& rows)
{
    Sheet sheet;
    for (const TestRow& row : rows) {
        sheet.cell(row.row, 0) = cellFor(row.description, false);
        sheet.cell(row.row, 1) = cellFor(row.amount, true);
    }
    return sheet;
}

// Rows 1..SheetRowCount as "description=amount" with the amount in the row picture.
QStringList shown(const Sheet& sheet)
{
    QStringList rows;
    for (int r = 1; r <= sheet.SheetRowCount; ++r)
        rows.append(Money::CellText(sheet.cell(r, 0)) + u'=' + Money::FormatRowAmount(sheet, r));
    return rows;
}

} // namespace

Q_DECLARE_METATYPE(QList<TestRow>)
Q_DECLARE_METATYPE(Cell)

class TestSheet : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void calculates_data()
    {
        QTest::addColumn<QList<TestRow>>("rows");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("total");

        QTest::newRow("subtotal and total")
            << QList<TestRow> {{1, "Tickets", "-10"},
                               {2, "Winnings", "25"},
                               {3, "Sub Total", ""},
                               {4, "Tickets", "-5"}}
            << QStringList {"Tickets=-10.00", "Winnings=25.00", "Sub Total=15.00", "Tickets=-5.00"}
            << "10.00";
        QTest::newRow("two subtotals in a row")
            << QList<TestRow> {{1, "A", "3"}, {2, "Sub Total", ""}, {3, "Sub Total", ""}}
            << QStringList {"A=3.00", "Sub Total=3.00", "Sub Total=.00"} << "3.00";
        QTest::newRow("subtotal first, its amount dropped")
            << QList<TestRow> {{1, "Sub Total", "99"}, {2, "A", "1.5"}}
            << QStringList {"Sub Total=.00", "A=1.50"} << "1.50";
        QTest::newRow("case does not matter, blanks do")
            << QList<TestRow> {{1, "A", "2"},        {2, "SUB TOTAL", ""},   {3, "B", "4"},
                               {4, "sub total", ""}, {5, "Sub Total ", "7"}, {6, "SubTotal", "1"}}
            << QStringList {"A=2.00",         "SUB TOTAL=2.00",  "B=4.00",
                            "sub total=4.00", "Sub Total =7.00", "SubTotal=1.00"}
            << "14.00";
        QTest::newRow("gaps close up")
            << QList<TestRow> {{3, "A", "1"}, {10, "B", "2"}, {50, "C", "3"}}
            << QStringList {"A=1.00", "B=2.00", "C=3.00"} << "6.00";
        QTest::newRow("an amount without description is dropped")
            << QList<TestRow> {{1, "A", "1"}, {2, "", "500"}, {3, " ", ""}}
            << QStringList {"A=1.00", " ="} << "1.00";
        QTest::newRow("row 105 counts, rows beyond do not")
            << QList<TestRow> {{105, "Last", "-0.25"}, {106, "Past", "1000"}}
            << QStringList {"Last=-.25"} << "-0.25";
        QTest::newRow("empty sheet") << QList<TestRow> {} << QStringList {} << "0.00";
    }
    void calculates()
    {
        QFETCH(QList<TestRow>, rows);
        QFETCH(QStringList, expected);
        QFETCH(QString, total);
        Sheet sheet = sheetWith(rows);
        sheet.CalculateSheet();
        QCOMPARE(shown(sheet), expected);
        QCOMPARE(Money::FormatTotalUnits(sheet.SheetTotal), total);
        for (int r = sheet.SheetRowCount + 1; r < Sheet::Rows; ++r)
            QVERIFY(sheet.cell(r, 0).isEmpty() && sheet.cell(r, 1).isEmpty());
    }

    void totalRoundsEachAmountToFourDecimals()
    {
        Sheet sheet;
        sheet.cell(1, 0) = Cell(QStringLiteral("a"));
        sheet.cell(1, 1) = Cell(0.00005); // half a ten-thousandth: to even, 0
        sheet.cell(2, 0) = Cell(QStringLiteral("b"));
        sheet.cell(2, 1) = Cell(0.00015); // to even, 2
        sheet.cell(3, 0) = Cell(QStringLiteral("c"));
        sheet.cell(3, 1) = Cell(QStringLiteral("12.5abc")); // leading-number rule
        sheet.CalculateSheet();
        QCOMPARE(sheet.SheetTotal, 125002LL);
    }

    void sumsKeepEveryCent_data()
    {
        QTest::addColumn<double>("amount");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("subtotal"); // as shown; empty for no "Sub Total" row
        QTest::addColumn<QString>("total");
        QTest::newRow("105 of the largest") << 999999999999.99 << 105 << ""
                                            << "104,999,999,999,998.95";
        QTest::newRow("a subtotal of 93") << 580000000000.01 << 93 << "53,940,000,000,000.93"
                                          << "53,940,000,000,000.93";
        QTest::newRow("a subtotal of 104 of the largest")
            << -999999999999.99 << 104 << "-103,999,999,999,998.96"
            << "-103,999,999,999,998.96";
    }
    void sumsKeepEveryCent()
    {
        QFETCH(double, amount);
        QFETCH(int, count);
        QFETCH(QString, subtotal);
        QFETCH(QString, total);
        Sheet sheet;
        for (int r = 1; r <= count; ++r) {
            sheet.cell(r, 0) = Cell(QStringLiteral("x"));
            sheet.cell(r, 1) = Cell(amount);
        }
        if (!subtotal.isEmpty())
            sheet.cell(count + 1, 0) = Cell(QStringLiteral("Sub Total"));
        sheet.CalculateSheet();
        QCOMPARE(Money::FormatTotalUnits(sheet.SheetTotal), total);
        if (subtotal.isEmpty())
            return;
        QCOMPARE(Money::FormatRowAmount(sheet, count + 1), subtotal);
        // The file holds the subtotal to the cent as well.
        const QByteArray line = TrackerFile::Bytes(sheet).split('\n').at(count + 1);
        QCOMPARE(line, "\"Sub Total\"," + subtotal.remove(u',').toLatin1() + "\r");
    }

    void insertsABlankRow_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("target");
        QTest::addColumn<QStringList>("descriptions");
        QTest::newRow("at 2 of four")
            << 4 << 2 << QStringList {"r1", "BlankLine", "r2", "r3", "r4"};
        QTest::newRow("beyond the last row")
            << 4 << 10 << QStringList {"r1", "r2", "r3", "r4", "BlankLine"};
        QTest::newRow("at 0") << 4 << 0 << QStringList {"r1", "r2", "r3", "r4"};
        QTest::newRow("at 105") << 4 << 105 << QStringList {"r1", "r2", "r3", "r4"};
        QTest::newRow("far beyond")
            << 4 << std::numeric_limits<int>::max() << QStringList {"r1", "r2", "r3", "r4"};
        QTest::newRow("below 0") << 4 << -1 << QStringList {"r1", "r2", "r3", "r4"};
    }
    void insertsABlankRow()
    {
        QFETCH(int, rows);
        QFETCH(int, target);
        QFETCH(QStringList, descriptions);
        Sheet sheet;
        for (int r = 1; r <= rows; ++r)
            sheet.cell(r, 0) = Cell(QStringLiteral("r%1").arg(r));
        sheet.CalculateSheet();
        sheet.InsertBlankRow(target);
        QStringList result;
        for (int r = 1; r <= sheet.SheetRowCount; ++r)
            result.append(sheet.cell(r, 0).text());
        QCOMPARE(result, descriptions);
    }

    void aFullSheetTakesNoBlankRow()
    {
        Sheet sheet;
        for (int r = 1; r <= Sheet::DataRows; ++r)
            sheet.cell(r, 0) = Cell(QString::number(r));
        sheet.CalculateSheet();
        QVERIFY(!sheet.InsertBlankRow(2));
        QCOMPARE(sheet.SheetRowCount, 105);
        QCOMPARE(sheet.cell(2, 0).text(), QStringLiteral("2"));
    }

    void pictures_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("total");
        QTest::newRow("half") << 0.5 << ".50"
                              << "0.50";
        QTest::newRow("negative quarter") << -0.25 << "-.25"
                                          << "-0.25";
        QTest::newRow("zero") << 0.0 << ".00"
                              << "0.00";
        QTest::newRow("thousands") << 1234.5 << "1,234.50"
                                   << "1,234.50";
        QTest::newRow("millions") << -1234567.891 << "-1,234,567.89"
                                  << "-1,234,567.89";
        QTest::newRow("rounds to zero") << -0.001 << ".00"
                                        << "0.00";
    }
    void pictures()
    {
        QFETCH(double, value);
        QFETCH(QString, row);
        QFETCH(QString, total);
        QCOMPARE(Money::Format(value), row);
        QCOMPARE(Money::FormatTotal(value), total);
    }

    void picturesFollowTheLocale()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QString grouped = Money::FormatTotal(1234.5);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(grouped, QStringLiteral("1.234,50"));
    }

    void amountCellsRender_data()
    {
        QTest::addColumn<Cell>("cell");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << Cell() << "";
        QTest::newRow("number") << Cell(25.0) << "25.00";
        QTest::newRow("text that is a number") << Cell(QStringLiteral("12.5")) << "12.50";
        QTest::newRow("other text") << Cell(QStringLiteral("lots")) << "lots";
    }
    void amountCellsRender()
    {
        QFETCH(Cell, cell);
        QFETCH(QString, text);
        QCOMPARE(Money::FormatAmountCell(cell), text);
    }
};

QTEST_GUILESS_MAIN(TestSheet)
#include "tst_sheet.moc"
