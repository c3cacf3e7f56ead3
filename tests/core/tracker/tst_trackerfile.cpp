// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "FailingDevice.h"

#include "core/common/KeyCodes.h"
#include "core/tracker/Sheet.h"
#include "core/tracker/SheetEditor.h"
#include "core/tracker/Statement.h"
#include "core/tracker/TrackerFile.h"

#include <QBuffer>
#include <QRandomGenerator>
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

// A description the program can hold: typed (any character but a double quote) or read from a
// file (any text between quotes, or a number).
Cell generatedDescription(QRandomGenerator& random)
{
    switch (random.bounded(8)) {
    case 0:
        return Cell(random.bounded(2) ? QStringLiteral("Sub Total") : QStringLiteral("sUB tOTAL"));
    case 1:
        return Cell(double(random.bounded(-1000000, 1000000)) / 8);
    default:
        break;
    }
    // Now and then a byte-order mark first, which a UTF-8 decoder may take for a header.
    QString text = random.bounded(10) == 0 ? QStringLiteral("\ufeff") : QString();
    const int length = random.bounded(61);
    // Mostly ASCII, then the rest of the first 256, the rest of the first plane, and beyond.
    const char32_t tops[] = {0x80, 0x100, 0x10000, 0x110000};
    while (text.size() < length) {
        const auto c = char32_t(random.bounded(tops[random.bounded(4)]));
        if (c == U'"' || c == U'\r' || c == U'\n' || QChar::isSurrogate(c))
            continue;
        text += QString::fromUcs4(&c, 1);
    }
    return Cell(text);
}

// An amount the program can hold: typed (at most twelve digits and two decimals, the limits
// often), or read from a file (as written there: fifteen significant digits, fourteen decimals at
// most; or a text).
Cell generatedAmount(QRandomGenerator& random)
{
    const double largest = 999999999999.99;
    switch (random.bounded(10)) {
    case 0:
        return Cell();
    case 1:
        return Cell(random.bounded(2) ? largest : -largest);
    case 2:
        return Cell(random.bounded(2) ? 0.01 : -0.01);
    case 3:
        return Cell(random.bounded(2) ? 999999999999.999 : 0.12345678901234);
    case 4:
        return Cell(random.bounded(2) ? QStringLiteral("12.5") : QStringLiteral("lots"));
    default:
        return Cell(double(random.bounded(Q_INT64_C(-99999999999999), Q_INT64_C(99999999999999)))
                    / 100);
    }
}

// The first cell, count or subtotal in which two sheets differ; empty when they are the same.
QString difference(const Sheet& a, const Sheet& b)
{
    if (a.SheetRowCount != b.SheetRowCount || a.SheetTotal != b.SheetTotal)
        return QStringLiteral("count or total");
    for (int r = 1; r < Sheet::Rows; ++r) {
        for (int c = 0; c < 2; ++c)
            if (!(a.cell(r, c) == b.cell(r, c)))
                return QStringLiteral("cell %1,%2").arg(r).arg(c);
        if (a.subtotal(r) != b.subtotal(r))
            return QStringLiteral("subtotal %1").arg(r);
    }
    return QString();
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
        // Blank lines after the last row, and lines ended by a line feed alone.
        QByteArray bytes = "2\r\n 7 , \"12.5\"\r\n\"x\", .5 \n";
        for (int i = 0; i < 109; ++i)
            bytes += i == 105 ? "\"kept\",1\r\n" : ",\r\n";
        bytes += "\r\n  \r\n";
        TrackerFile::ReadResult read = readBytes(bytes);
        QCOMPARE(read.error, TrackerFile::ReadError::None);
        QCOMPARE(read.sheet.cell(1, 0), Cell(7.0));
        QCOMPARE(read.sheet.cell(1, 1), Cell(QStringLiteral("12.5")));
        QCOMPARE(read.sheet.cell(2, 1), Cell(0.5));
        QCOMPARE(read.sheet.cell(108, 0), Cell(QStringLiteral("kept")));
        // The quoted amount counts as it shows.
        read.sheet.CalculateSheet();
        QCOMPARE(read.sheet.SheetTotal, 130000LL);
    }

    void whatIsSavedOpensUnchanged()
    {
        QRandomGenerator random(20260114);
        for (int round = 0; round < 300; ++round) {
            Sheet saved;
            // The first sheet: a subtotal far beyond any one amount.
            const int rows = round == 0 ? 0 : int(random.bounded(Sheet::DataRows + 1));
            for (int r = 1; r <= rows; ++r) {
                saved.cell(r, 0) = generatedDescription(random);
                saved.cell(r, 1) = generatedAmount(random);
            }
            if (round == 0) {
                // 104 of the largest amounts a file holds: their sum written with fifteen digits
                // rounds up to 104 times the limit of one amount.
                for (int r = 1; r < Sheet::DataRows; ++r) {
                    saved.cell(r, 0) = Cell(QStringLiteral("Big"));
                    saved.cell(r, 1) = Cell(-999999999999.999);
                }
                saved.cell(Sheet::DataRows, 0) = Cell(QStringLiteral("Sub Total"));
            }
            saved.CalculateSheet();

            const QByteArray bytes = TrackerFile::Bytes(saved);
            TrackerFile::ReadResult opened = readBytes(bytes);
            QCOMPARE(opened.error, TrackerFile::ReadError::None);
            opened.sheet.CalculateSheet();
            QCOMPARE(opened.sheet.SheetRowCount, saved.SheetRowCount);
            QCOMPARE(opened.sheet.SheetTotal, saved.SheetTotal);
            for (int r = 1; r < Sheet::Rows; ++r)
                for (int c = 0; c < 2; ++c)
                    QVERIFY2(opened.sheet.cell(r, c) == saved.cell(r, c),
                             qPrintable(
                                 QStringLiteral("round %1, cell %2,%3").arg(round).arg(r).arg(c)));
            QCOMPARE(TrackerFile::Bytes(opened.sheet), bytes);
        }
    }

    // Whatever the window's editing leaves, calculated or not, is saved in a form that opens: as
    // the calculation of what was saved, which is written back byte for byte.
    void editedSheetsOpenAsSaved()
    {
        QRandomGenerator random(20260301);
        const QStringList typed {"Sub Total",
                                 "sUB tOTAL",
                                 "Tickets",
                                 "999999999999.99",
                                 "-999999999999.99",
                                 "600000000000",
                                 "-.5",
                                 "1.2.3",
                                 "é💰"};
        for (int round = 0; round < 150; ++round) {
            Sheet sheet;
            // Now and then the sheet of a file as the window opens it.
            const int fileRows = round % 4 == 0 ? int(random.bounded(20)) : 0;
            for (int r = 1; r <= fileRows; ++r) {
                sheet.cell(r, 0) = generatedDescription(random);
                sheet.cell(r, 1) = generatedAmount(random);
            }
            SheetEditor editor(sheet);
            editor.calculate();
            for (int step = 0; step < 80; ++step) {
                switch (random.bounded(11)) {
                case 0:
                case 1:
                    editor.cellChosen(random.bounded(8) ? int(random.bounded(1, 12))
                                                        : int(random.bounded(1, 110)),
                                      int(random.bounded(2)));
                    break;
                case 2:
                    editor.deleteKey();
                    break;
                case 3:
                    editor.insertBlankRow(int(random.bounded(0, 107)));
                    break;
                case 4:
                    editor.calculate();
                    break;
                case 5:
                    editor.keyPress(KeyBackspace);
                    break;
                case 6:
                    // Enter moves the window's cursor down.
                    if (const SheetEditor::Result moved = editor.keyPress(KeyEnter);
                        moved.outcome == SheetEditor::Result::MoveDown)
                        editor.cellChosen(moved.row + 1, moved.column);
                    break;
                default:
                    for (uint key : typed[random.bounded(typed.size())].toUcs4())
                        editor.keyPress(int(key));
                }
                const QByteArray bytes = TrackerFile::Bytes(sheet);
                TrackerFile::ReadResult opened = readBytes(bytes);
                const QString where = QStringLiteral("round %1, step %2").arg(round).arg(step);
                QVERIFY2(opened.error == TrackerFile::ReadError::None, qPrintable(where));
                Sheet calculated = sheet;
                calculated.CalculateSheet();
                opened.sheet.CalculateSheet();
                const QString differs = difference(opened.sheet, calculated);
                QVERIFY2(differs.isEmpty(), qPrintable(where + u' ' + differs));
                QVERIFY2(TrackerFile::Bytes(opened.sheet) == TrackerFile::Bytes(calculated),
                         qPrintable(where));
            }
        }
    }

    void decidesTheEncodingForTheWholeFile_data()
    {
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("second");
        QTest::addColumn<QString>("firstText");
        QTest::addColumn<QString>("secondText");
        QTest::newRow("UTF-8") << QByteArray("Caf\xc3\xa9") << QByteArray("\xe2\x82\xac 5")
                               << "Caf\u00e9"
                               << "\u20ac 5";
        QTest::newRow("Latin-1 at the end of a text")
            << QByteArray("Caf\xe9") << QByteArray("x") << "Caf\u00e9"
            << "x";
        QTest::newRow("a text that begins with a byte-order mark keeps it")
            << QByteArray("\xef\xbb\xbfx") << QByteArray("y") << QStringLiteral("\ufeffx") << "y";
        QTest::newRow("one Latin-1 byte decides for every text")
            << QByteArray("\xc3\xa9") << QByteArray("\xe9") << "\u00c3\u00a9"
            << "\u00e9";
    }
    void decidesTheEncodingForTheWholeFile()
    {
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, second);
        QFETCH(QString, firstText);
        QFETCH(QString, secondText);
        QByteArray bytes = threeRowBytes();
        bytes.replace("Tickets, week 1", first);
        bytes.replace("Winnings", second);
        for (const QByteArray& mark : {QByteArray(), QByteArray("\xef\xbb\xbf")}) {
            const TrackerFile::ReadResult read = readBytes(mark + bytes);
            QCOMPARE(read.error, TrackerFile::ReadError::None);
            QCOMPARE(read.sheet.cell(1, 0), Cell(firstText));
            QCOMPARE(read.sheet.cell(2, 0), Cell(secondText));
        }
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
        auto winnings = [](const QByteArray& line) {
            return threeRowBytes().replace("\"Winnings\",12.5", line);
        };
        QByteArray twoHundredLines = threeRowBytes();
        for (int i = 112; i < 200; ++i)
            twoHundredLines += "\"a\",1\r\n";

        QTest::newRow("empty") << QByteArray() << E::BadRowCount;
        QTest::newRow("row count is text") << QByteArray("\"3\"\r\n") << E::BadRowCount;
        QTest::newRow("fifty rows") << fiftyRows << E::MissingRows;
        QTest::newRow("amount of thirteen digits") << hugeAmount << E::AmountTooLarge;
        QTest::newRow("text amount too large") << hugeText << E::AmountTooLarge;
        QTest::newRow("date") << date << E::BadField;
        QTest::newRow("unquoted word") << word << E::BadField;
        QTest::newRow("text after a closing quote") << winnings("\"Tick\"ets\",5") << E::BadField;
        QTest::newRow("unclosed quote") << winnings("\"Tickets,5") << E::BadField;
        QTest::newRow("text too long")
            << winnings("\"" + QByteArray(TrackerFile::MaxTextLength + 1, 'x') + "\",5")
            << E::BadField;
        QTest::newRow("row of three fields") << winnings("\"Tickets\",5,6") << E::BadLine;
        QTest::newRow("row of one field") << winnings("\"Tickets\"") << E::BadLine;
        QTest::newRow("two hundred lines") << twoHundredLines << E::BadLine;
        QTest::newRow("row count of two fields")
            << QByteArray("3,4\r\n" + threeRowBytes().mid(3)) << E::BadRowCount;
        QTest::newRow("amount written as thirteen digits")
            << winnings("\"Tickets\",999999999999.9999") << E::AmountTooLarge;
        QTest::newRow("quoted amount with a thousands separator")
            << winnings("\"Winnings\",\"1,234.50\"") << E::MixedAmount;
        QTest::newRow("quoted amount in exponent form")
            << winnings("\"Winnings\",\"1e13\"") << E::MixedAmount;
        QTest::newRow("quoted amount with a word after it")
            << winnings("\"Winnings\",\" 12.5 EUR\"") << E::MixedAmount;
        QTest::newRow("subtotal beyond any sum")
            << threeRowBytes().replace(",2.5\r", ",105000000000000\r") << E::AmountTooLarge;
        QTest::newRow("subtotal past a 64-bit count")
            << threeRowBytes().replace(",2.5\r", ",999999999999999\r") << E::AmountTooLarge;
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

    void theStatementPrintsAmountsWhole_data()
    {
        QTest::addColumn<QString>("description");
        QTest::addColumn<double>("amount");
        QTest::addColumn<QString>("printedDescription");
        QTest::addColumn<QString>("amountText");
        QTest::newRow("a million and more")
            << QString(46, u'D') << -1234567.5 << QString(46, u'D') << "-1,234,567.50";
        QTest::newRow("just below a hundred million") << "Tickets" << 98765432.49 << "Tickets"
                                                      << "98,765,432.49";
        QTest::newRow("twelve digits: the description gives way")
            << QString(44, u'E') + "\U0001F4B0\U0001F4B0" << -999999999999.99 << QString(40, u'E')
            << "-999,999,999,999.99";
    }
    void theStatementPrintsAmountsWhole()
    {
        QFETCH(QString, description);
        QFETCH(double, amount);
        QFETCH(QString, printedDescription);
        QFETCH(QString, amountText);
        Sheet sheet;
        sheet.cell(1, 0) = Cell(description);
        sheet.cell(1, 1) = Cell(amount);
        sheet.CalculateSheet();
        const QStringList lines = InvestmentStatement(sheet, QStringLiteral(" $")).pages.first();
        // Text from column 8, the amount ending in column 67.
        auto line = [](const QString& text, const QString& field) {
            const QString start = QString(7, u' ') + text;
            return start + QString(67 - start.size() - field.size(), u' ') + field;
        };
        QCOMPARE(lines[10], line(printedDescription, amountText));
        QCOMPARE(lines.last(), line("Total", " $" + amountText));
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
