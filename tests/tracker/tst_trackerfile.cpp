#include "FailingDevice.h"

#include "tracker/Sheet.h"
#include "tracker/Statement.h"
#include "tracker/TrackerFile.h"

#include <QBuffer>
#include <QtTest>

namespace {

TrackerFile::ReadResult readBytes(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return TrackerFile::Read(buffer);
}

Sheet threeRows()
{
    Sheet sheet;
    sheet.cell(1, 0) = Cell(QStringLiteral("Tickets, week 1"));
    sheet.cell(1, 1) = Cell(-10.0);
    sheet.cell(2, 0) = Cell(QStringLiteral("Winnings"));
    sheet.cell(2, 1) = Cell(12.5);
    sheet.cell(3, 0) = Cell(QStringLiteral("Sub Total"));
    sheet.CalculateSheet();
    return sheet;
}

QByteArray threeRowBytes()
{
    QByteArray bytes = "3\r\n\"Tickets, week 1\",-10\r\n\"Winnings\",12.5\r\n\"Sub Total\",2.5\r\n";
    for (int i = 0; i < 108; ++i)
        bytes += ",\r\n";
    return bytes;
}

} // namespace

class TestTrackerFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void writesTheFormatByteForByte()
    {
        const QByteArray bytes = TrackerFile::Bytes(threeRows());
        QCOMPARE(bytes, threeRowBytes());
        QCOMPARE(bytes.count("\r\n"), 112);
    }

    void writesNumbersPlainly_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 25.0 << "25";
        QTest::newRow("negative") << -10.0 << "-10";
        QTest::newRow("one decimal") << 12.5 << "12.5";
        QTest::newRow("below one") << 0.5 << ".5";
        QTest::newRow("negative below one") << -0.25 << "-.25";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("sum noise") << 0.1 + 0.2 << ".3";
        QTest::newRow("tiny noise") << 5.5e-17 << "0";
        QTest::newRow("large") << 123456789012.34 << "123456789012.34";
        QTest::newRow("no thousands separator") << 1234567.0 << "1234567";
    }
    void writesNumbersPlainly()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(TrackerFile::NumberText(value), text);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QString german = TrackerFile::NumberText(value);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(german, text);
    }

    void readsWhatItWrites()
    {
        const TrackerFile::ReadResult read = readBytes(threeRowBytes());
        QCOMPARE(read.error, TrackerFile::ReadError::None);
        QCOMPARE(read.sheet.SheetRowCount, 3);
        const Sheet expected = threeRows();
        for (int r = 0; r < Sheet::Rows; ++r)
            for (int c = 0; c < 2; ++c)
                QCOMPARE(read.sheet.cell(r, c), expected.cell(r, c));
    }

    void takesOtherFieldForms()
    {
        // Blanks around plain fields, a number as description, a text amount, rows 106..111.
        QByteArray bytes = "2\r\n 7 , \"12.5\"\r\n\"x\", .5 \r\n";
        for (int i = 0; i < 109; ++i)
            bytes += i == 105 ? "\"kept\",1\r\n" : ",\r\n";
        const TrackerFile::ReadResult read = readBytes(bytes);
        QCOMPARE(read.error, TrackerFile::ReadError::None);
        QCOMPARE(read.sheet.cell(1, 0), Cell(7.0));
        QCOMPARE(read.sheet.cell(1, 1), Cell(QStringLiteral("12.5")));
        QCOMPARE(read.sheet.cell(2, 1), Cell(0.5));
        QCOMPARE(read.sheet.cell(108, 0), Cell(QStringLiteral("kept")));
    }

    void refusesBrokenFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<TrackerFile::ReadError>("error");
        using E = TrackerFile::ReadError;
        QByteArray fiftyRows = "3\r\n";
        for (int i = 0; i < 50; ++i)
            fiftyRows += "\"a\",1\r\n";
        QByteArray hugeAmount = threeRowBytes();
        hugeAmount.replace("12.5", "1000000000000");
        QByteArray hugeText = threeRowBytes();
        hugeText.replace("12.5", "\"99999999999999999999\"");
        QByteArray date = threeRowBytes();
        date.replace("12.5", "#2026-01-01#");
        QByteArray word = threeRowBytes();
        word.replace("12.5", "twelve");

        QTest::newRow("empty") << QByteArray() << E::BadRowCount;
        QTest::newRow("row count is text") << QByteArray("\"3\"\r\n") << E::BadRowCount;
        QTest::newRow("fifty rows") << fiftyRows << E::MissingRows;
        QTest::newRow("amount of thirteen digits") << hugeAmount << E::AmountTooLarge;
        QTest::newRow("text amount too large") << hugeText << E::AmountTooLarge;
        QTest::newRow("date") << date << E::BadField;
        QTest::newRow("unquoted word") << word << E::BadField;
        QTest::newRow("oversized")
            << QByteArray("0\r\n\"" + QByteArray(TrackerFile::MaxFileBytes, 'x') + "\"")
            << E::Unreadable;
    }
    void refusesBrokenFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(TrackerFile::ReadError, error);
        QCOMPARE(readBytes(bytes).error, error);
    }

    void reportsAFailingDevice()
    {
        FailingDevice device(100);
        QVERIFY(!TrackerFile::Write(threeRows(), device));
    }

    void printsTheStatement()
    {
        Sheet sheet = threeRows();
        sheet.cell(4, 0) = Cell(QString(60, u'D'));
        sheet.cell(4, 1) = Cell(1234.5);
        sheet.CalculateSheet();
        const Printout printout = InvestmentStatement(sheet, QStringLiteral(" $"));
        QCOMPARE(printout.pages.size(), 1);
        const QStringList lines = printout.pages.first();
        // Text from column 8, then a field that ends in column 67.
        auto row = [](const QString& description, int fieldColumn, const QString& field) {
            const QString text = QString(7, u' ') + description;
            return text + QString(fieldColumn - 1 - text.size(), u' ') + field;
        };
        const QStringList expected {
            "",
            "",
            "",
            "",
            QString(29, u' ') + "INVESTMENT STATEMENT",
            "",
            "",
            "       DESCRIPTION" + QString(43, u' ') + "AMOUNT",
            "       ___________" + QString(43, u' ') + "______",
            "",
            row("Tickets, week 1", 56, "      -10.00"),
            row("Winnings", 56, "       12.50"),
            row("Sub Total", 56, "        2.50"),
            row(QString(46, u'D'), 56, "    1,234.50"),
            "",
            "",
            "",
            row("Total", 55, "    $1,237.00"),
        };
        QCOMPARE(lines, expected);
        for (int i = 10; i < 14; ++i)
            QCOMPARE(lines[i].size(), 67);
        QCOMPARE(lines.last().size(), 67);
    }
};

QTEST_GUILESS_MAIN(TestTrackerFile)
#include "tst_trackerfile.moc"
