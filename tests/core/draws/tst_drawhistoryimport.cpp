// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "TestToday.h"

#include "core/draws/DrawFile.h"
#include "core/draws/DrawHistoryImport.h"
#include "core/draws/ImportView.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringEncoder>
#include <QtTest>

#include <algorithm>
#include <numeric>
#include <random>

using Import = DrawHistoryImport;

namespace {

// "1982-06-12 3 11 12 14 41 43" per draw, "2020-09-26 11 21 27 36 62 + 24" with extra numbers.
QStringList drawsOf(const Import& import)
{
    QStringList draws;
    for (const Import::Draw& draw : import.draws()) {
        QString text = draw.date().toString(Qt::ISODate);
        for (int j = 0; j < import.shape().drawnNumbers(); ++j)
            text += (j == import.shape().numbersPerDraw ? QStringLiteral(" + ")
                                                        : QStringLiteral(" "))
                + QString::number(draw.numbers[std::size_t(j)]);
        draws.append(text);
    }
    return draws;
}

// "6 of 49" or a common shape by its name, such as "5 of 69 + 1 of 26".
LotteryShape shapeNamed(const QString& name)
{
    for (const CommonShape& common : CommonShapes())
        if (common.name == name)
            return common.shape;
    const QStringList words = name.split(u' ');
    return {words.value(0).toInt(), words.value(2).toInt()};
}

// "4: bad date" per skipped line.
QStringList skippedOf(const Import& import)
{
    QStringList skipped;
    for (const Import::SkippedLine& line : import.skippedLines())
        skipped.append(QString::number(line.line) + QStringLiteral(": ") + import.reasonText(line));
    return skipped;
}

QByteArray utf16WithBom(const QString& text)
{
    QStringEncoder encoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    return encoder.encode(text);
}

// What the draw file gives back for `records` saved with the import's shape.
DrawRecords savedAndReopened(const Import& import, const DrawRecords& records)
{
    DrawStore store;
    store.Load(import.shape(), {}, records);
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    if (DrawFile::Write(store, buffer) != DrawFile::WriteError::None)
        return {};
    buffer.seek(0);
    return DrawFile::Read(buffer).content.records;
}

} // namespace

class TestDrawHistoryImport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void readsEveryEncoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("numbersPerDraw");
        QTest::addColumn<QStringList>("draws");
        QTest::addColumn<QStringList>("skipped");
        QTest::addColumn<int>("duplicates");
        const QString six1 = QStringLiteral("1982-06-12 3 11 12 14 41 43");
        const QString six2 = QStringLiteral("1982-06-19 5 9 22 30 41 48");

        // The layouts of published histories are cases in folders; here only what a file there
        // would hide: encodings and line ends.
        QTest::newRow("UTF-8 byte order mark, leading zeros, every line end")
            << QByteArray("\xEF\xBB\xBF"
                          "Date,Numbers\r\n1982-06-12,03,11,12,14,41,43\r1982-06-19,05,09,22,30,41,"
                          "48\n\r\n1982-06-26,1,2,3,4,5,6")
            << 6 << QStringList {six1, six2, "1982-06-26 1 2 3 4 5 6"} << QStringList {} << 0;
        QTest::newRow("Latin-1 month names")
            << QByteArray("Ziehungen f\xfcr 1982\n12. M\xe4rz 1982 3 11 12 14 41 43\n"
                          "7 ao\xfbt 1982 5 9 22 30 41 48\n")
            << 6 << QStringList {"1982-03-12 3 11 12 14 41 43", "1982-08-07 5 9 22 30 41 48"}
            << QStringList {} << 0;
        QTest::newRow("UTF-16 with byte order mark, as spreadsheets save text")
            << utf16WithBom(QStringLiteral("Date\tN1\tN2\n12/06/1982\t3\t11\n19/06/1982\t5\t9\n"))
            << 2 << QStringList {"1982-06-12 3 11", "1982-06-19 5 9"} << QStringList {} << 0;
    }
    void readsEveryEncoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, numbersPerDraw);
        QFETCH(QStringList, draws);
        QFETCH(QStringList, skipped);
        QFETCH(int, duplicates);

        const Import import(bytes, {numbersPerDraw, 60}, TestToday);
        QCOMPARE(import.refusal(), QString());
        QCOMPARE(drawsOf(import), draws);
        QCOMPARE(skippedOf(import), skipped);
        QCOMPARE(import.duplicates(), duplicates);
        const DrawRecords records = import.records();
        QVERIFY(savedAndReopened(import, records) == records);
    }

    // Each folder of import-cases: a history, and beside it what the import must find.
    void readsEveryCaseFolder_data()
    {
        QTest::addColumn<QString>("folder");
        QDirIterator cases(QStringLiteral(NUMERION_IMPORT_CASES),
                           QDir::Dirs | QDir::NoDotAndDotDot);
        QStringList folders;
        while (cases.hasNext())
            folders.append(cases.next());
        QVERIFY(!folders.isEmpty());
        folders.sort();
        for (const QString& folder : folders)
            QTest::newRow(qPrintable(QFileInfo(folder).fileName())) << folder;
    }
    void readsEveryCaseFolder()
    {
        QFETCH(QString, folder);
        const QDir dir(folder);
        const QStringList histories = dir.entryList({QStringLiteral("history.*")}, QDir::Files);
        QCOMPARE(histories.size(), 1);
        QFile history(dir.filePath(histories[0]));
        QFile expectedFile(dir.filePath(QStringLiteral("expected.txt")));
        QVERIFY(history.open(QIODevice::ReadOnly));
        QVERIFY(expectedFile.open(QIODevice::ReadOnly | QIODevice::Text));
        QStringList expected = QString::fromUtf8(expectedFile.readAll()).split(u'\n');
        if (expected.last().isEmpty())
            expected.removeLast();
        QVERIFY(!expected.isEmpty());
        const QString shape = expected.takeFirst();
        QVERIFY(shape.startsWith(QLatin1String("shape ")));
        Import::Columns columns;
        if (expected.first().startsWith(QLatin1String("columns "))) {
            const QStringList words = expected.takeFirst().split(u' ');
            const auto given
                = Import::ParseColumns(words[1], words.size() == 4 ? words[3].toInt() : 0);
            QVERIFY(given);
            columns = *given;
        }

        const Import import(history.readAll(), shapeNamed(shape.mid(6)), TestToday,
                            Import::DateOrder::FromFile, columns);
        QCOMPARE(import.refusal(), QString());
        const QStringList found = QStringList {QStringLiteral("draws")} + drawsOf(import)
            + QStringList {QStringLiteral("skipped")} + skippedOf(import)
            + QStringList {QStringLiteral("duplicates %1").arg(import.duplicates())};
        QCOMPARE(found, expected);
        const DrawRecords records = import.records();
        QVERIFY(savedAndReopened(import, records) == records);
    }

    // Rows that hold more numbers than a draw import nothing until the columns are named.
    void asksForTheColumns_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("numbersPerDraw");
        QTest::addColumn<int>("highestNumber");
        QTest::addColumn<QString>("columns"); // as typed; empty: none given
        QTest::addColumn<QString>("found"); // the refusal, or the draws and the skipped lines
        QTest::addColumn<QString>("used"); // the date's column and the numbers'
        QTest::addColumn<QString>("heading"); // the header's text for the date's column
        const QByteArray six = "Date,N1,N2,N3,N4,N5,N6\n2025-01-03,1,2,3,4,5,6\n"
                               "2025-01-10,7,8,9,10,11,12\n2025-01-17,1,2,3\n";
        const QByteArray prizes = "2019;8;2019.02.24.;0;0 Ft;58;353 870 Ft;6;12;15;22;26;37\n"
                                  "1988;51;;0;0 Ft;0;0 Ft;6;9;10;24;37;38;44\n";
        const QByteArray wheels = "Data,N.,Ruota,1,2,3,4,5\n25/03/2023,30,Bari,27,37,39,41,6\n"
                                  "25/03/2023,30,Cagliari,43,49,4,12,5\n";
        const QByteArray bonus = "\"PRODUCT\",\"DRAW NUMBER\",\"SEQUENCE\",\"DATE\",\"N1\","
                                 "\"N2\",\"N3\",\"N4\",\"N5\",\"N6\",\"N7\",\"BONUS\"\n"
                                 "\"MAX\",1,0,\"2009-09-25\",5,17,19,25,31,38,46,4\n";

        QTest::newRow("six numbers read as five")
            << six << 5 << 49 << ""
            << "The rows hold 6 numbers after the date (columns 2-7), more than the 5 drawn: "
               "choose the columns of the drawn numbers."
            << "1: 2-7"
            << "Date";
        QTest::newRow("six numbers, the first five taken")
            << six << 5 << 49 << "2-6"
            << "2025-01-03 1 2 3 4 5 | 2025-01-10 7 8 9 10 11 | 4: too few numbers (3 of 5)"
            << "1: 2-6"
            << "Date";
        QTest::newRow("six numbers read as six")
            << six << 6 << 49 << ""
            << "2025-01-03 1 2 3 4 5 6 | 2025-01-10 7 8 9 10 11 12 | 4: too few numbers (3 of 6)"
            << "1: 2-7"
            << "Date";
        QTest::newRow("prize columns before the numbers")
            << prizes << 6 << 45 << ""
            << "The rows hold 11 numbers after the date (columns 4-13), more than the 6 drawn: "
               "choose the columns of the drawn numbers."
            << "3: 4-13"
            << "";
        QTest::newRow("prize columns passed over, a row without its date")
            << prizes << 6 << 45 << "8-13"
            << "2019-02-24 6 12 15 22 26 37 | 2: no date"
            << "3: 8-13"
            << "";
        QTest::newRow("a draw number and a wheel after the date")
            << wheels << 5 << 60 << ""
            << "The rows hold 6 numbers after the date (columns 2,4-8), more than the 5 drawn: "
               "choose the columns of the drawn numbers."
            << "1: 2,4-8"
            << "Data";
        QTest::newRow("several draws on one date")
            << wheels << 5 << 60 << "4-8"
            << "2023-03-25 27 37 39 41 6 | 2023-03-25 43 49 4 12 5"
            << "1: 4-8"
            << "Data";
        QTest::newRow("seven and a bonus read as seven")
            << bonus << 7 << 50 << ""
            << "The rows hold 8 numbers after the date (columns 5-12), more than the 7 drawn: "
               "choose the columns of the drawn numbers."
            << "4: 5-12"
            << "DATE";
        QTest::newRow("seven of the bonus layout") << bonus << 7 << 50 << "5-11"
                                                   << "2009-09-25 5 17 19 25 31 38 46"
                                                   << "4: 5-11"
                                                   << "DATE";
    }
    void asksForTheColumns()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, numbersPerDraw);
        QFETCH(int, highestNumber);
        QFETCH(QString, columns);
        QFETCH(QString, found);
        QFETCH(QString, used);
        QFETCH(QString, heading);

        Import::Columns given;
        if (!columns.isEmpty())
            given = Import::ParseColumns(columns).value();
        const Import import(bytes, {numbersPerDraw, highestNumber}, TestToday,
                            Import::DateOrder::FromFile, given);
        QCOMPARE(import.columnsNeeded(), columns.isEmpty() && found.startsWith(u"The rows"));
        if (import.columnsNeeded()) {
            QCOMPARE(import.refusal(), found);
            QVERIFY(import.draws().empty() && import.skippedLines().empty());
        } else {
            QCOMPARE(import.refusal(), QString());
            QCOMPARE((drawsOf(import) + skippedOf(import)).join(QLatin1String(" | ")), found);
        }
        QCOMPARE(QString::number(import.columnsUsed().date) + QStringLiteral(": ")
                     + Import::ColumnsText(import.columnsUsed().numbers),
                 used);
        QCOMPARE(import.columnHeading(import.columnsUsed().date), heading);
    }

    // Main numbers then extra numbers: each from its pool, a bonus ball unlike the main numbers, an
    // own pool's numbers unlike each other only; duplicates compare main and extra numbers apart.
    void readsExtraNumbers_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("found"); // the draws, then the skipped lines
        QTest::addColumn<int>("duplicates");

        QTest::newRow("a bonus from the main pool")
            << "6 of 49 + bonus"
            << QByteArray("2020-01-01,1,2,3,4,5,6,7\n2020-01-08,1,2,3,4,5,6,6\n"
                          "2020-01-15,1,2,3,4,5,6,50\n2020-01-22,1,2,3,4,5,6\n"
                          "2020-01-01,6,5,4,3,2,1,7\n2020-01-01,1,2,3,4,5,7,6\n")
            << "2020-01-01 1 2 3 4 5 6 + 7 | 2020-01-01 1 2 3 4 5 7 + 6 | "
               "2: number 6 is repeated | 3: number 50 is not from 1 to 49 | "
               "4: too few numbers (6 of 7)"
            << 1;
        QTest::newRow("two of an own pool, equal to main numbers, in any order")
            << "5 of 50 + 2 of 12"
            << QByteArray("Date;Numbers;Stars\n07.02.2020;3;9;19;30;44;3;9\n"
                          "07.02.2020;44;30;19;9;3;9;3\n14.02.2020;3;9;19;30;44;5;5\n"
                          "21.02.2020;3;9;19;30;44;13;1\n21.02.2020;3;9;19;30;44;0;1\n")
            << "2020-02-07 3 9 19 30 44 + 3 9 | 4: number 5 is repeated | "
               "5: number 13 is not from 1 to 12 | 6: number 0 is not from 1 to 12"
            << 1;
        QTest::newRow("an own pool from 0")
            << "6 of 49 + 1 of 0-9" << QByteArray("3 Jan 2021 4 8 15 16 23 42 0\n")
            << "2021-01-03 4 8 15 16 23 42 + 0" << 0;
        QTest::newRow("twenty of eighty, and the pool's highest")
            << "20 of 80"
            << QByteArray("2025-03-01 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 80\n"
                          "2025-03-02 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 81\n")
            << "2025-03-01 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 80 | "
               "2: number 81 is not from 1 to 80"
            << 0;
        QTest::newRow("six of ninety")
            << "6 of 90" << QByteArray("13/06/2024\t90\t1\t45\t61\t77\t88\n")
            << "2024-06-13 90 1 45 61 77 88" << 0;
    }
    void readsExtraNumbers()
    {
        QFETCH(QString, shape);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, found);
        QFETCH(int, duplicates);
        const Import import(bytes, shapeNamed(shape), TestToday);
        QCOMPARE(import.refusal(), QString());
        QCOMPARE((drawsOf(import) + skippedOf(import)).join(QLatin1String(" | ")), found);
        QCOMPARE(import.duplicates(), duplicates);
        // The store's records: main numbers, extra numbers, then spare fields, ten at least.
        const DrawRecords records = import.records();
        QCOMPARE(records.fields(), std::max(10, import.shape().drawnNumbers()));
        for (int record = 1; record <= records.size(); ++record)
            QVERIFY(std::ranges::equal(records.numbers(record),
                                       std::span(import.draws()[std::size_t(record - 1)].numbers)
                                           .first(std::size_t(records.fields()))));
        QVERIFY(savedAndReopened(import, records) == records);
    }

    void readsColumnLists_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read"); // ColumnsText of what was read; empty when refused
        QTest::newRow("a range") << "3-8"
                                 << "3-8";
        QTest::newRow("single columns and a range") << " 5, 7 ,9-12"
                                                    << "5,7,9-12";
        QTest::newRow("in the order given") << "9,3-4"
                                            << "9,3-4";
        QTest::newRow("a column twice") << "3-8,5"
                                        << "";
        QTest::newRow("backwards") << "8-3"
                                   << "";
        QTest::newRow("column 0") << "0-3"
                                  << "";
        QTest::newRow("beyond the last") << "10000"
                                         << "";
        QTest::newRow("no column") << ""
                                   << "";
        QTest::newRow("words") << "B-D"
                               << "";
    }
    void readsColumnLists()
    {
        QFETCH(QString, text);
        QFETCH(QString, read);
        const std::optional<Import::Columns> columns = Import::ParseColumns(text, 2);
        QCOMPARE(columns ? Import::ColumnsText(columns->numbers) : QString(), read);
        if (columns)
            QCOMPARE(columns->date, 2);
    }

    void decidesTheDateOrderForTheWholeFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Import::DateOrder>("passed");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("dates");
        QTest::addColumn<bool>("undecided");
        const QByteArray open = "03/04/2025 1\n05/06/2025 2\n";
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        const QLocale uk(QLocale::English, QLocale::UnitedKingdom);
        using O = Import::DateOrder;

        QTest::newRow("one row tells day first")
            << open + "25/07/2025 3\n"
            << O::FromFile << us << QStringList {"2025-04-03", "2025-06-05", "2025-07-25"} << false;
        QTest::newRow("one row tells month first")
            << "07/25/2025 3\n" + open << O::FromFile << uk
            << QStringList {"2025-03-04", "2025-05-06", "2025-07-25"} << false;
        QTest::newRow("cannot tell: the system's order, and says so")
            << open << O::FromFile << us << QStringList {"2025-03-04", "2025-05-06"} << true;
        QTest::newRow("cannot tell, British system")
            << open << O::FromFile << uk << QStringList {"2025-04-03", "2025-06-05"} << true;
        QTest::newRow("the caller's order")
            << open + "07/25/2025 3\n"
            << O::DayMonth << us << QStringList {"2025-04-03", "2025-06-05"} << false;
        QTest::newRow("same day and month, spelled months: nothing to tell")
            << QByteArray("05/05/2025 1\n7 Jun 2025 2\n") << O::FromFile << uk
            << QStringList {"2025-05-05", "2025-06-07"} << false;
    }
    void decidesTheDateOrderForTheWholeFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Import::DateOrder, passed);
        QFETCH(QLocale, locale);
        QFETCH(QStringList, dates);
        QFETCH(bool, undecided);

        QLocale::setDefault(locale);
        const Import import(bytes, {1, 49}, TestToday, passed);
        QStringList read;
        for (const Import::Draw& draw : import.draws())
            read.append(draw.date().toString(Qt::ISODate));
        QCOMPARE(read, dates);
        QCOMPARE(import.dateOrderUndecided(), undecided);
    }

    // A file that is not UTF-8 is read in the Windows ANSI code page: its quotes, dashes and euro
    // signs are no control characters. Control characters, which would act on a terminal or show
    // as nothing, are shown escaped.
    void readsWindows1252()
    {
        const Import import(QByteArray("Ziehung am 12.06.1982 \x96 \x84Gl\xfc"
                                       "ck\x93 3 11 \x80\x8d\x9d \x1b[2J\x7f")
                                + '\0' + "\t1\n",
                            {6, 49}, TestToday);
        QCOMPARE(import.skippedLines().size(), std::size_t(1));
        QCOMPARE(import.skippedLines()[0].text,
                 QStringLiteral("Ziehung am 12.06.1982 \u2013 \u201eGl\u00fcck\u201c 3 11 "
                                "\u20ac\\x8d\\x9d \\x1b[2J\\x7f\\x00\t1"));
    }

    // A year after next goes back a hundred years; next year's date is after today, a typo.
    void twoDigitYearsAreInThePast()
    {
        const int next = (TestToday.year() + 1) % 100;
        const QString text = QStringLiteral("01.02.%1 1\n01.02.%2 2\n")
                                 .arg(next, 2, 10, QChar(u'0'))
                                 .arg((next + 1) % 100, 2, 10, QChar(u'0'));
        const Import import(text.toLatin1(), {1, 49}, TestToday);
        QCOMPARE(import.draws().size(), std::size_t(1));
        QCOMPARE(import.draws()[0].date().year(), TestToday.year() + 2 - 100);
        QCOMPARE(skippedOf(import), QStringList {"1: date after today"});
    }

    // Whether they fit the store is for the one who adds them to ask.
    void keepsEveryDraw()
    {
        QByteArray bytes = "Date;N1;N2;N3;N4;N5;N6\n";
        for (int i = 2499; i >= 0; --i)
            bytes += QDate(2000, 1, 1).addDays(i * 3).toString(u"dd.MM.yyyy").toLatin1()
                + QByteArray(";1;2;3;4;5;") + QByteArray::number(6 + i % 40) + '\n';
        const Import import(bytes, {6, 49}, TestToday);
        QCOMPARE(import.draws().size(), std::size_t(2500));
        QCOMPARE(import.draws().front().date(), QDate(2000, 1, 1));
        QCOMPARE(import.draws().back().date(), QDate(2000, 1, 1).addDays(2499 * 3));
    }

    void refusesShapesTheStoreCannotHold_data()
    {
        QTest::addColumn<int>("numbersPerDraw");
        QTest::addColumn<int>("highestNumber");
        QTest::addColumn<int>("extraNumbers");
        QTest::addColumn<int>("extraLowest"); // -1: from the main pool
        QTest::addColumn<int>("extraHighest");
        QTest::addColumn<bool>("refused");
        QTest::newRow("21 numbers per draw") << 21 << 99 << 0 << -1 << 0 << true;
        QTest::newRow("no numbers") << 0 << 49 << 0 << -1 << 0 << true;
        QTest::newRow("numbers up to 100") << 5 << 100 << 0 << -1 << 0 << true;
        QTest::newRow("more numbers than there are") << 7 << 6 << 0 << -1 << 0 << true;
        QTest::newRow("a bonus beyond the pool") << 6 << 6 << 1 << -1 << 0 << true;
        QTest::newRow("three extra numbers") << 5 << 50 << 3 << 1 << 12 << true;
        QTest::newRow("an own pool from 2") << 5 << 50 << 1 << 2 << 12 << true;
        QTest::newRow("an own pool up to 51") << 5 << 50 << 1 << 1 << 51 << true;
        QTest::newRow("an own pool of 0 alone") << 5 << 50 << 1 << 0 << 0 << true;
        QTest::newRow("two of an own pool of one") << 5 << 50 << 2 << 1 << 1 << true;
        QTest::newRow("10 of 60") << 10 << 60 << 0 << -1 << 0 << false;
        QTest::newRow("20 of 99") << 20 << 99 << 0 << -1 << 0 << false;
        QTest::newRow("1 of 1") << 1 << 1 << 0 << -1 << 0 << false;
        QTest::newRow("7 of 9 + 2 bonus") << 7 << 9 << 2 << -1 << 0 << false;
        QTest::newRow("9 of 9 + 2 of 0-50") << 9 << 9 << 2 << 0 << 50 << false;
    }
    void refusesShapesTheStoreCannotHold()
    {
        QFETCH(int, numbersPerDraw);
        QFETCH(int, highestNumber);
        QFETCH(int, extraNumbers);
        QFETCH(int, extraLowest);
        QFETCH(int, extraHighest);
        QFETCH(bool, refused);
        LotteryShape shape {numbersPerDraw, highestNumber};
        shape.extraNumbers = extraNumbers;
        if (extraLowest >= 0) {
            shape.extraPool = LotteryShape::ExtraPool::Own;
            shape.extraLowest = extraLowest;
            shape.extraHighest = extraHighest;
        }
        QByteArray line = "2025-01-01";
        for (int n = 1; n <= shape.drawnNumbers(); ++n)
            line += ' '
                + QByteArray::number(n <= numbersPerDraw || extraLowest < 0 ? n
                                                                            : n - numbersPerDraw);
        const Import import(line, shape, TestToday);
        QCOMPARE(!import.refusal().isEmpty(), refused);
        QCOMPARE(import.draws().size(), std::size_t(refused ? 0 : 1));
    }

    void mergesIntoTheStore()
    {
        DrawStore store;
        DrawRecords stored;
        stored.append(QDate(1982, 6, 19), QList<int> {5, 9});
        stored.append(QDate(1982, 6, 5), QList<int> {1, 2});
        store.Load({2, 9}, {}, stored);
        const Import import("12/6/1982,3,4\n19/6/1982,9,5\n26/6/1982,7,8\n", {2, 9}, TestToday);
        QCOMPARE(import.mergeRefusal(store), QString());

        const Import::Merged merged = import.mergedWith(store.records());
        QCOMPARE(merged.duplicates, 1);
        QCOMPARE(merged.added, 2);
        QCOMPARE(merged.records.size(), 4);
        const int expected[4][3] = {{5, 1, 2}, {12, 3, 4}, {19, 5, 9}, {26, 7, 8}};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(merged.records.date(i + 1), QDate(1982, 6, expected[i][0]));
            QCOMPARE(merged.records.number(i + 1, 0), expected[i][1]);
            QCOMPARE(merged.records.number(i + 1, 1), expected[i][2]);
        }

        // Every stored record stays, however many there are.
        DrawRecords full;
        for (int i = 0; i < DrawStore::MaxRecords; ++i)
            full.append(QDate(1000, 1, 1).addDays(i / 4), QList<int> {1, 2});
        const Import::Merged crowded = import.mergedWith(full);
        QCOMPARE(crowded.added, 3);
        QCOMPARE(crowded.records.size(), DrawStore::MaxRecords + 3);
        QCOMPARE(crowded.records.date(crowded.records.size()), QDate(1982, 6, 26));
        QCOMPARE(crowded.records.date(1), QDate(1000, 1, 1));

        store.Load({2, 10}, {}, stored);
        QVERIFY(!import.mergeRefusal(store).isEmpty());
    }

    // Main numbers compare as a set and extra numbers as a set: the same draw written in
    // another order is a duplicate, a bonus told apart is a conflict, shown after a plus.
    void mergesExtraNumbersApart()
    {
        const LotteryShape shape = shapeNamed(QStringLiteral("5 of 50 + 2 of 12"));
        DrawStore store;
        DrawRecords stored(10);
        stored.append(QDate(2020, 2, 7), QList<int> {3, 9, 19, 30, 44, 2, 12});
        stored.append(QDate(2020, 2, 14), QList<int> {3, 9, 19, 30, 44, 2, 12});
        store.Load(shape, {}, stored);
        const Import import("07.02.2020;44;30;19;9;3;12;2\n14.02.2020;3;9;19;30;44;2;11\n"
                            "21.02.2020;1;2;3;4;5;1;2\n",
                            shape, TestToday);
        QCOMPARE(import.mergeRefusal(store), QString());
        const Import::Merged merged = import.mergedWith(store.records());
        QCOMPARE(merged.duplicates, 1);
        QCOMPARE(merged.added, 1);
        QCOMPARE(merged.records.size(), 3);
        QCOMPARE(merged.records.fields(), 10);
        QCOMPARE(merged.records.number(3, 5), 1);
        QCOMPARE(merged.records.number(3, 6), 2);
        ImportView::Plan plan;
        plan.conflicts = merged.conflicts;
        QCOMPARE(ImportView::ConflictTexts(plan, shape),
                 QStringList {"line 2: conflict: the database holds 3 9 19 30 44 + 2 12 on "
                              "2020-02-14, the history 3 9 19 30 44 + 2 11"});

        // Another pool is another lottery.
        LotteryShape twoBonus {5, 50};
        twoBonus.extraNumbers = 2;
        const Import bonus("07.02.2020;3;9;19;30;44;2;12\n", twoBonus, TestToday);
        QCOMPARE(bonus.mergeRefusal(store),
                 QStringLiteral("The database holds draws of 5 of 50 + 2 of 12, not 5 of 50 + 2 "
                                "bonus: replace it instead, or import with its numbers."));
    }

    void whatItReadsSavesAndReopens()
    {
        // Generated histories in random layouts come back as generated and survive the draw file.
        QRandomGenerator random(17);
        const char* const separators[] = {",", ";", "\t", "  "};
        const char* const lineEnds[] = {"\r\n", "\n", "\r"};
        const QString dateForms[] = {"yyyy-MM-dd", "dd.MM.yyyy", "d MMM yyyy", "MMMM d, yyyy"};
        for (int round = 0; round < 20; ++round) {
            const int k = random.bounded(1, 11);
            const int n = random.bounded(k, 61);
            const QString separator = QString::fromLatin1(separators[random.bounded(4)]);
            const QString dateForm = dateForms[random.bounded(4)];
            QStringList expected;
            QString text = QStringLiteral("Date") + separator + QStringLiteral("Numbers");
            for (int i = 0; i < 100; ++i) {
                // Up to today: later dates are typos.
                const QDate date
                    = QDate(1000, 1, 1)
                          .addDays(random.bounded(QDate(1000, 1, 1).daysTo(TestToday) + 1));
                QString expectedDraw = date.toString(Qt::ISODate);
                QString line = QLocale::c().toString(date, dateForm);
                if (dateForm.contains(u','))
                    line = u'"' + line + u'"';
                std::vector<int> pool(static_cast<std::size_t>(n));
                std::iota(pool.begin(), pool.end(), 1);
                std::shuffle(pool.begin(), pool.end(), std::mt19937(random.generate()));
                for (int j = 0; j < k; ++j) {
                    line += separator + QString::number(pool[std::size_t(j)]);
                    expectedDraw += u' ' + QString::number(pool[std::size_t(j)]);
                }
                text += QString::fromLatin1(lineEnds[random.bounded(3)]) + line;
                expected.append(expectedDraw);
            }
            std::sort(expected.begin(), expected.end());

            const Import import(text.toUtf8(), {k, n}, TestToday);
            QCOMPARE(drawsOf(import), expected);
            QCOMPARE(skippedOf(import), QStringList());
            const DrawRecords records = import.records();
            QVERIFY(savedAndReopened(import, records) == records);
        }
    }
};

QTEST_GUILESS_MAIN(TestDrawHistoryImport)
#include "tst_drawhistoryimport.moc"
