// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "TestDraws.h"
#include "TestToday.h"

#include "FailingDevice.h"
#include "FileBytes.h"

#include "core/common/SaveFile.h"
#include "core/common/TextFormat.h"
#include "core/draws/DrawFile.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

DrawFile::ReadResult readBytes(const QByteArray& bytes,
                               DrawFile::LineReading lines
                               = DrawFile::LineReading::QuickWhereWritten,
                               DrawFile::Forms forms = DrawFile::Forms::ClassicAndExtended)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return DrawFile::Read(buffer, lines, forms);
}

// A shape of each kind in turn: classic, more or larger numbers, a bonus from the main pool, an
// own pool from 0 or 1.
LotteryShape randomShape(QRandomGenerator& random, int round)
{
    const bool classic = round % 4 == 0;
    LotteryShape shape {random.bounded(1, classic ? 11 : 21),
                        random.bounded(1, classic ? 61 : 100)};
    if (round % 4 >= 2) {
        shape.extraNumbers = random.bounded(1, 3);
        if (round % 4 == 3) {
            shape.extraPool = LotteryShape::ExtraPool::Own;
            shape.extraLowest = random.bounded(2);
            shape.extraHighest = random.bounded(shape.extraLowest + 1, 51);
        }
    }
    return shape.clamped();
}

DrawFile::Content weeklySix()
{
    return {{6, 49},
            QStringLiteral("Weekly Six"),
            WeeklyRecords({{3, 11, 23, 30, 42, 49}, {5, 12, 19, 27, 33, 41}})};
}

void loadWeeklySix(DrawStore& store)
{
    const DrawFile::Content content = weeklySix();
    store.Load(content.shape, content.title, content.records);
}

// Up to 80 characters: printable ASCII with the file's quote, comma and "#", control characters,
// and any other character of Unicode.
QString randomTitle(QRandomGenerator& random)
{
    QList<char32_t> characters;
    const int length = random.bounded(81);
    for (int i = 0; i < length; ++i) {
        const int kind = random.bounded(10);
        char32_t c = 0;
        if (kind < 3)
            c = char32_t(random.bounded(0x20, 0x7f));
        else if (kind < 5)
            c = random.bounded(2) ? char32_t(random.bounded(0x20))
                                  : char32_t(random.bounded(0x7f, 0xa0));
        else
            do
                c = char32_t(random.bounded(0xa0, 0x110000));
            while (c >= 0xd800 && c <= 0xdfff);
        characters.append(c);
    }
    return QString::fromUcs4(characters.constData(), characters.size());
}

const QByteArray weeklySixBytes = "2,8,49,\"Weekly Six\"\r\n"
                                  "1,#1996-09-07#,3,11,23,30,42,49,0,0,0,0\r\n"
                                  "2,#1996-09-14#,5,12,19,27,33,41,0,0,0,0\r\n";

} // namespace

class TestDrawFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void writesTheFormatByteForByte()
    {
        cleanup();
        QCOMPARE(DrawFile::Bytes(weeklySix()).value(), weeklySixBytes);
        DrawStore store;
        loadWeeklySix(store);
        QCOMPARE(DrawFile::Bytes(store).value(), weeklySixBytes);
    }

    void datesAreWrittenTheSameInEveryLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("typed");
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << "9/14/1996";
        QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany) << "14.09.1996";
        QTest::newRow("en_GB") << QLocale(QLocale::English, QLocale::UnitedKingdom) << "14/09/96";
    }
    void datesAreWrittenTheSameInEveryLocale()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, typed);
        QLocale::setDefault(locale);
        DrawStore store;
        store.setShape({1, 49});
        const int seven = 7;
        QVERIFY(store.AppendRecord(ParseUserDate(typed, TestToday), {&seven, 1}));
        QCOMPARE(DrawFile::Bytes(store).value(),
                 QByteArray("1,3,49,\"\"\r\n1,#1996-09-14#,7,0,0,0,0,0,0,0,0,0\r\n"));
    }

    void readsWhatItWrites()
    {
        // Random shapes, dates and records, and titles from all of Unicode with control
        // characters, quotes and separators among them; a fixed seed keeps a failure
        // reproducible (the round is in the failure's data).
        QRandomGenerator random(2026);
        for (int round = 0; round < 300; ++round) {
            DrawFile::Content content;
            content.shape = randomShape(random, round);
            content.records
                = DrawRecords(std::max(DrawRecords::ClassicFields, content.shape.drawnNumbers()));
            content.title = FileSafeText(round == 1 ? QStringLiteral("\uFEFF\"Weekly\"\r\nSix\t")
                                                    : randomTitle(random));
            // Round 0 is a whole history: one record short of the most the window adds.
            const int records = round == 0 ? DrawStore::MaxRecords - 1 : random.bounded(0, 30);
            for (int i = 0; i < records; ++i) {
                QList<int> numbers;
                for (int k = 0; k < content.shape.numbersPerDraw; ++k)
                    numbers.append(random.bounded(1, content.shape.highestNumber + 1));
                for (int e = 0; e < content.shape.extraNumbers; ++e)
                    numbers.append(
                        random.bounded(content.shape.extraMin(), content.shape.extraMax() + 1));
                const QDate date = QDate(1000, 1, 1).addDays(random.bounded(3287181));
                content.records.append(date, numbers);
            }

            const QByteArray bytes = DrawFile::Bytes(content).value();
            const DrawFile::ReadResult read = readBytes(bytes);
            QCOMPARE(std::pair(round, read.error), std::pair(round, DrawFile::ReadError::None));
            QVERIFY2(read.content == content, qPrintable(QString::number(round)));
            // A reader of the classic form reads the classic shapes alike and refuses every
            // other at its header, never misreading it.
            const DrawFile::ReadResult classic = readBytes(
                bytes, DrawFile::LineReading::QuickWhereWritten, DrawFile::Forms::ClassicOnly);
            if (content.shape.isClassic())
                QVERIFY2(classic.content == content, qPrintable(QString::number(round)));
            else
                QCOMPARE(std::pair(round, classic.error),
                         std::pair(round, DrawFile::ReadError::BadHeader));

            // What was opened is saved again byte for byte.
            DrawStore reopened;
            QVERIFY(reopened.Load(read.content.shape, read.content.title, read.content.records));
            QCOMPARE(DrawFile::Bytes(reopened).value(), bytes);

            // ... and with a draw added, opened again as it is held.
            const std::vector<int> next(std::size_t(reopened.shape().drawnNumbers()), 1);
            QVERIFY(reopened.AppendRecord(QDate(2026, 12, 5), next));
            const DrawFile::ReadResult added = readBytes(DrawFile::Bytes(reopened).value());
            QVERIFY2(added.content.records == reopened.records(),
                     qPrintable(QString::number(round)));
        }
    }

    // Record lines as the program writes them, and lines changed as an editor or another program
    // might: both ways of reading give the same records, or the same fault.
    void quickAndFullReadingAgree()
    {
        const QByteArrayList oddFields {"",
                                        " 7",
                                        "7 ",
                                        "007",
                                        "000007",
                                        "+7",
                                        "-3",
                                        "32767",
                                        "32768",
                                        "99999999999999999999",
                                        "7.0",
                                        "1e1",
                                        "\"7\"",
                                        "#1996-9-7#",
                                        "#0999-12-31#",
                                        "#1996-02-30#",
                                        "#1996-09-07#x",
                                        "1996-09-07",
                                        "\xc3\xa9",
                                        "\xe9"};
        const QByteArrayList oddLineEnds {"\n", "\r", "", "\r\r\n", " \r\n", ",\r\n", ",,\r\n"};
        // What may follow the last record, and what may not.
        const QByteArrayList tails {"\r\n", "\r\n \r\n\x1a", "\x1a\x1a", "0", "\x1a#", "\"x\""};
        QRandomGenerator random(2026);
        int accepted = 0;
        for (int round = 0; round < 400; ++round) {
            const int records = random.bounded(0, 20);
            const QString title = round % 2 ? randomTitle(random) : QStringLiteral("Six");
            QByteArray bytes
                = QByteArray::number(records + random.bounded(-1, 2) * (round % 5 == 0))
                + ",8,49,\"" + (round % 7 ? title.toUtf8() : title.toLatin1()) + "\"\r\n";
            for (int i = 1; i <= records; ++i) {
                QByteArrayList fields {QByteArray::number(i),
                                       QDate(1000, 1, 1)
                                           .addDays(random.bounded(3287181))
                                           .toString(QStringLiteral("#yyyy-MM-dd#"))
                                           .toLatin1()};
                for (int k = 0; k < 10; ++k)
                    fields.append(QByteArray::number(random.bounded(0, 61)));
                QByteArray end = "\r\n";
                switch (random.bounded(40)) {
                case 0:
                    fields[random.bounded(12)] = oddFields[random.bounded(oddFields.size())];
                    break;
                case 1:
                    fields.removeAt(random.bounded(12));
                    break;
                case 2:
                    fields.append(QByteArray::number(random.bounded(60)));
                    break;
                case 3:
                    end = oddLineEnds[random.bounded(oddLineEnds.size())];
                    break;
                default:
                    break;
                }
                bytes += fields.join(',') + end;
            }
            if (random.bounded(4) == 0)
                bytes += tails[random.bounded(tails.size())];
            const DrawFile::ReadResult quick = readBytes(bytes);
            const DrawFile::ReadResult full
                = readBytes(bytes, DrawFile::LineReading::FullReaderOnly);
            QCOMPARE(std::pair(round, quick.error), std::pair(round, full.error));
            QCOMPARE(quick.content.title, full.content.title);
            QCOMPARE(quick.content.shape, full.content.shape);
            QVERIFY2(quick.content.records == full.content.records, bytes.constData());
            accepted += quick.error == DrawFile::ReadError::None;
        }
        // Both kinds of file were among them.
        QVERIFY2(accepted > 100 && accepted < 350, qPrintable(QString::number(accepted)));
    }

    void refusesBrokenFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<DrawFile::ReadError>("error");
        const QByteArray record = "1,#1996-09-07#,3,11,23,30,42,49,0,0,0,0\r\n";
        using E = DrawFile::ReadError;

        QTest::newRow("empty file") << QByteArray() << E::BadHeader;
        QTest::newRow("negative count") << QByteArray("-1,8,49,\"\"\r\n") << E::BadHeader;
        QTest::newRow("more records than a file holds")
            << QByteArray::number(DrawFile::MaxRecordLines + 1) + ",8,49,\"\"\r\n"
            << E::BadHeader;
        QTest::newRow("numbers per draw + 2 below 3")
            << QByteArray("1,2,49,\"\"\r\n" + record) << E::BadHeader;
        QTest::newRow("highest number below 1")
            << QByteArray("1,8,0,\"\"\r\n" + record) << E::BadHeader;
        QTest::newRow("count is a text") << QByteArray("\"1\",8,49,\"\"\r\n") << E::BadHeader;
        QTest::newRow("title longer than any save can write back")
            << "0,8,49,\"" + QByteArray(DrawFile::MaxTitleLength + 1, '\xe9') + "\"\r\n"
            << E::BadHeader;
        QTest::newRow("title not quoted") << QByteArray("0,8,49,Weekly\r\n") << E::BadHeader;
        QTest::newRow("header cut short") << QByteArray("1,8") << E::BadHeader;
        QTest::newRow("fewer records than announced")
            << QByteArray("2,8,49,\"\"\r\n" + record) << E::MissingField;
        QTest::newRow("record cut short")
            << QByteArray("1,8,49,\"\"\r\n1,#1996-09-07#,3,11\r\n") << E::MissingField;
        QTest::newRow("record number out of place")
            << QByteArray("1,8,49,\"\"\r\n2,#1996-09-07#,3,11,23,30,42,49,0,0,0,0\r\n")
            << E::BadRecordNumber;
        QTest::newRow("date without #")
            << QByteArray("1,8,49,\"\"\r\n1,1996-09-07,3,11,23,30,42,49,0,0,0,0\r\n") << E::BadDate;
        QTest::newRow("year beyond 9999")
            << QByteArray("1,8,49,\"\"\r\n1,#99999999-01-01#,3,11,23,30,42,49,0,0,0,0\r\n")
            << E::BadDate;
        QTest::newRow("year before 1000")
            << QByteArray("1,8,49,\"\"\r\n1,#0999-12-31#,3,11,23,30,42,49,0,0,0,0\r\n")
            << E::BadDate;
        QTest::newRow("impossible date")
            << QByteArray("1,8,49,\"\"\r\n1,#1996-02-30#,3,11,23,30,42,49,0,0,0,0\r\n")
            << E::BadDate;
        QTest::newRow("number field holds a word")
            << QByteArray("1,8,49,\"\"\r\n1,#1996-09-07#,3,eleven,23,30,42,49,0,0,0,0\r\n")
            << E::BadNumber;
        QTest::newRow("number field holds a text")
            << QByteArray("1,8,49,\"\"\r\n1,#1996-09-07#,3,\"11\",23,30,42,49,0,0,0,0\r\n")
            << E::BadNumber;
        QTest::newRow("number field holds a fraction")
            << QByteArray("1,8,49,\"\"\r\n1,#1996-09-07#,3,11.5,23,30,42,49,0,0,0,0\r\n")
            << E::BadNumber;
        QTest::newRow("number too large")
            << QByteArray("1,8,49,\"\"\r\n1,#1996-09-07#,3,99999999999,23,30,42,49,0,0,0,0\r\n")
            << E::BadNumber;
        const QByteArray second = "2,#1996-09-14#,5,12,19,27,33,41,0,0,0,0\r\n";
        QTest::newRow("more records than announced")
            << QByteArray("1,8,49,\"\"\r\n" + record + second) << E::ContentAfterRecords;
        QTest::newRow("a field more on the last line")
            << QByteArray("1,8,49,\"\"\r\n1,#1996-09-07#,3,11,23,30,42,49,0,0,0,0,5\r\n")
            << E::ContentAfterRecords;
        QTest::newRow("lines after a header of no records")
            << QByteArray("0,8,49,\"\"\r\n" + record) << E::ContentAfterRecords;
        QTest::newRow("text after the end-of-file mark")
            << QByteArray("1,8,49,\"\"\r\n" + record + "\x1a\r\nx") << E::ContentAfterRecords;
        const QByteArray mark = "\"Numerion draws\",";
        const QByteArray bonusRecord = "1,#1996-09-07#,3,11,23,30,42,49,7,0,0,0\r\n";
        QTest::newRow("a newer form")
            << mark + "3,1,10,6,49,1,0,0,\"\"\r\n" + bonusRecord << E::NewerForm;
        QTest::newRow("an extended header of the classic form")
            << mark + "1,1,10,6,49,1,0,0,\"\"\r\n" + bonusRecord << E::BadHeader;
        QTest::newRow("fewer fields than numbers")
            << mark + "2,1,10,10,49,1,0,0,\"\"\r\n" + bonusRecord << E::BadHeader;
        QTest::newRow("own pool beyond 50")
            << mark + "2,1,10,6,49,1,1,51,\"\"\r\n" + bonusRecord << E::BadHeader;
        QTest::newRow("a pool without extra numbers")
            << mark + "2,1,10,6,49,0,1,10,\"\"\r\n" + bonusRecord << E::BadHeader;
        QTest::newRow("extended record cut short")
            << mark + "2,1,12,12,80,0,0,0,\"\"\r\n" + bonusRecord << E::MissingField;
        QTest::newRow("oversized file")
            << QByteArray("0,8,49,\"" + QByteArray(DrawFile::MaxFileBytes, 'x') + "\"\r\n")
            << E::Unreadable;
    }
    void refusesBrokenFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(DrawFile::ReadError, error);
        const DrawFile::ReadResult read = readBytes(bytes);
        QCOMPARE(read.error, error);
        QVERIFY(read.content.records.empty());
    }

    // Whatever the reader accepts, a save writes back so that it reads the same again.
    void acceptedFilesSurviveASave_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("title");
        QTest::newRow("control characters in the title")
            << QByteArray("0,8,49,\"Big\x01\tSix\x1b\"\r\n") << "BigSix";
        QTest::newRow("blank lines and an end-of-file mark after the records")
            << QByteArray("1,8,49,\"Six\"\r\n1,#1996-09-07#,3,11,23,30,42,49,0,0,0,0\r\n"
                          "\r\n \t\r\n\x1a")
            << "Six";
        QTest::newRow("Windows-1252 title")
            << QByteArray("0,8,49,\"\x93Mum\x92s \x80 \x96 \x81\xe9\"\r\n")
            << QString::fromUtf8("\u201cMum\u2019s \u20ac \u2013 \u00e9");
        QTest::newRow("extended form of a classic game, its extra fields 0")
            << QByteArray("\"Numerion draws\",2,1,12,6,49,0,0,0,\"Six\"\r\n"
                          "1,#1996-09-07#,3,11,23,30,42,49,0,0,0,0,0,0\r\n")
            << "Six";
        // The header line of an input the fuzzer found (the lines after it, beyond a count of no
        // records, are refused).
        const QByteArray found
            = QByteArray::fromBase64("MCwxNCw3NSwiQmlnLP//////AAD/////////////////AAAACjEsIzIwMjk5"
                                     "LDABAAAAAAALAAAALDE5OTYtMDktMTQjLDUsMSwwDQo=");
        QTest::newRow("found by the fuzzer") << found.left(found.indexOf('\n') + 1) << QString();
    }
    void acceptedFilesSurviveASave()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, title);
        const DrawFile::ReadResult read = readBytes(bytes);
        QCOMPARE(read.error, DrawFile::ReadError::None);
        if (!title.isNull())
            QCOMPARE(read.content.title, title);
        DrawStore store;
        QVERIFY(store.Load(read.content.shape, read.content.title, read.content.records));
        const DrawFile::ReadResult again = readBytes(DrawFile::Bytes(store).value());
        QCOMPARE(again.error, DrawFile::ReadError::None);
        QCOMPARE(again.content.title, read.content.title);
        QVERIFY(again.content.records == read.content.records);
    }

    void takesShapesBeyondTheLimits()
    {
        // The file says what it says; the store cuts it to what the windows show.
        // A classic record line holds ten numbers, whatever the header says.
        const DrawFile::ReadResult read = readBytes("0,14,175,\"Big\"\r\n");
        QCOMPARE(read.error, DrawFile::ReadError::None);
        QCOMPARE(read.content.shape, (LotteryShape {10, 99}));
        DrawStore store;
        QVERIFY(store.Load(read.content.shape, read.content.title, read.content.records));
        QCOMPARE(store.shape(), (LotteryShape {10, 99}));
    }

    void reportsAFailingDevice()
    {
        FailingDevice device(20);
        DrawStore store;
        loadWeeklySix(store);
        QCOMPARE(DrawFile::Write(store, device), DrawFile::WriteError::DeviceFailed);
    }

    void reportsARecordWithoutDate()
    {
        DrawStore store;
        loadWeeklySix(store);
        const QList<int> numbers {1, 2, 3, 4, 5, 6};
        store.ReplaceRecord(2, QDate(999, 12, 31), numbers);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QCOMPARE(DrawFile::Write(store, buffer), DrawFile::WriteError::BadDate);
    }

    void aFailedSaveLeavesTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Draws.lto"));
        QVERIFY(SaveFileAtomically(path, weeklySixBytes));

        // A write that gives up half-way...
        const bool saved = SaveFileAtomically(path, [](QIODevice& device) {
            device.write("1,3,49,\"half");
            return false;
        });
        QVERIFY(!saved);
        QCOMPARE(fileBytes(path), weeklySixBytes);

        // ...and a path that cannot be written at all.
        QString error;
        QVERIFY(!SaveFileAtomically(dir.filePath(QStringLiteral("no/such/folder/x.lto")),
                                    weeklySixBytes, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList {"Draws.lto"});

        // A FIFO of that name stays a FIFO.
        const QString fifo = dir.filePath(QStringLiteral("Pipe.lto"));
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(!SaveFileAtomically(fifo, weeklySixBytes, &error));
        QCOMPARE(error, QStringLiteral("Not a regular file"));
        QVERIFY(!QFileInfo(fifo).isFile());
    }
};

QTEST_GUILESS_MAIN(TestDrawFile)
#include "tst_drawfile.moc"
