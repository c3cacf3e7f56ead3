// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "core/common/Cell.h"
#include "core/common/FileFields.h"
#include "core/common/LeadingNumber.h"
#include "core/common/TextFormat.h"

#include <QtTest>

class TestTextFormat : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void rightAlign_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("padded") << 4 << "12"
                                << "  12";
        QTest::newRow("exact") << 2 << "60"
                               << "60";
        QTest::newRow("too long keeps the left") << 3 << "12345"
                                                 << "123";
        QTest::newRow("empty") << 2 << ""
                               << "  ";
    }
    void rightAlign()
    {
        QFETCH(int, width);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(RightAlign(width, text), expected);
    }

    void displayPatterns_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("## one digit") << 2 << 6 << " 6";
        QTest::newRow("## zero is empty") << 2 << 0 << "  ";
        QTest::newRow("#### record") << 4 << 123 << " 123";
        // Record 1000000 is not record 1000.
        QTest::newRow("#### wider than the field") << 4 << 1000000 << "1000000";
    }
    void displayPatterns()
    {
        QFETCH(int, width);
        QFETCH(int, value);
        QFETCH(QString, expected);
        QCOMPARE(AlignedWhole(width, value), expected);
    }

    void compactCount_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero") << 0 << "";
        QTest::newRow("four digits") << 9999 << "9999";
        QTest::newRow("thousands, never rounded up") << 230999 << "230k";
        QTest::newRow("last thousands") << 999999 << "999k";
        QTest::newRow("millions") << 1299999 << "1.2M";
        QTest::newRow("ten millions") << 10000000 << "10M";
    }
    void compactCount()
    {
        QFETCH(int, count);
        QFETCH(QString, expected);
        QCOMPARE(CompactCount(count), expected);
    }

    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("negative decimal") << "-12.5" << -12.5;
        QTest::newRow("second period stops") << "1.2.3" << 1.2;
        QTest::newRow("trailing minus stops") << "5-" << 5.0;
        QTest::newRow("lone minus") << "-" << 0.0;
        QTest::newRow("lone period") << "." << 0.0;
        QTest::newRow("no leading zero") << ".5" << 0.5;
        QTest::newRow("leading blanks") << "   42" << 42.0;
        QTest::newRow("plus sign") << "+7" << 7.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("digits then letters") << "12ab" << 12.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("comma is not a decimal point") << "1,5" << 1.0;
    }
    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(LeadingNumber(text), expected);
    }

    void leadingWholeNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qlonglong>("expected");
        QTest::newRow("half to even down") << "2.5" << 2LL;
        QTest::newRow("half to even up") << "3.5" << 4LL;
        QTest::newRow("huge is clamped, not wrapped") << QString(40, u'9') << 1000000000000000LL;
    }
    void leadingWholeNumber()
    {
        QFETCH(QString, text);
        QFETCH(qlonglong, expected);
        QCOMPARE(LeadingWholeNumber(text), expected);
    }

    void cellEmptinessIsObservable()
    {
        QVERIFY(Cell().isEmpty());
        QVERIFY(!Cell(0.0).isEmpty());
        QVERIFY(!Cell(QString()).isEmpty());
        QCOMPARE(Cell(QStringLiteral(" 12.5x")).numericValue(), 12.5);
        QCOMPARE(Cell().numericValue(), 0.0);
    }

    void userDates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("expected");
        const QDate invalid;
        QTest::newRow("short date, four-digit year") << "9/14/1996" << QDate(1996, 9, 14);
        QTest::newRow("iso") << "1996-09-14" << QDate(1996, 9, 14);
        QTest::newRow("two-digit year this century") << "9/14/26" << QDate(2026, 9, 14);
        QTest::newRow("two-digit year, 20 years ahead") << "1/1/46" << QDate(2046, 1, 1);
        QTest::newRow("two-digit year beyond the window") << "1/1/47" << QDate(1947, 1, 1);
        QTest::newRow("last century") << "9/14/96" << QDate(1996, 9, 14);
        QTest::newRow("no such day") << "2/30/2026" << invalid;
        QTest::newRow("three-digit year") << "1/1/199" << invalid;
        QTest::newRow("two fields") << "9/14" << invalid;
        QTest::newRow("letters") << "today" << invalid;
        QTest::newRow("empty") << "" << invalid;
    }
    void userDates()
    {
        QFETCH(QString, text);
        QFETCH(QDate, expected);
        QCOMPARE(ParseUserDate(text, QDate(2026, 12, 7)), expected);
    }

    void shortDateAlwaysShowsTheCentury()
    {
        QCOMPARE(FormatShortDate(QDate(1996, 9, 14)), QStringLiteral("9/14/1996"));
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(FormatShortDate(QDate(1996, 9, 14)), QStringLiteral("14.09.1996"));
        QCOMPARE(ParseUserDate(QStringLiteral("14.09.96"), QDate(2026, 12, 7)), QDate(1996, 9, 14));
        QLocale::setDefault(QLocale::c());
        QCOMPARE(FormatShortDate(QDate(1996, 9, 14)), QStringLiteral("1996-09-14"));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void everyLocaleShowsADateItCanTakeBack()
    {
        // The date box holds ten characters of digits and ". - /"; whatever the locale, the date
        // it shows must fit there and read back as the same date.
        const QDate today(2026, 12, 7);
        const QList<QLocale> locales = QLocale::matchingLocales(
            QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
        QVERIFY(locales.size() > 100);
        static const QRegularExpression boxText(QStringLiteral("^[0-9./-]{1,10}$"));
        for (const QLocale& locale : locales) {
            QLocale::setDefault(locale);
            for (const QDate& date :
                 {QDate(2026, 12, 27), QDate(1996, 9, 7), QDate(1000, 1, 1), QDate(9999, 12, 31)}) {
                const QString shown = FormatShortDate(date);
                QVERIFY2(boxText.match(shown).hasMatch(), qPrintable(locale.name() + u' ' + shown));
                QCOMPARE(std::pair(locale.bcp47Name(), ParseUserDate(shown, today)),
                         std::pair(locale.bcp47Name(), date));
            }
        }
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void datesOutsideTheFourDigitYearsAreRefused()
    {
        for (const QString& typed : {QStringLiteral("0999-12-31"), QStringLiteral("1/1/0099"),
                                     QStringLiteral("12/31/0999")})
            QVERIFY2(!ParseUserDate(typed, QDate(2026, 12, 7)).isValid(), qPrintable(typed));
        QCOMPARE(ParseUserDate(QStringLiteral("12/31/9999"), QDate(2026, 12, 7)),
                 QDate(9999, 12, 31));
    }

    // What a title or name keeps: nothing that breaks the file's line or the label's line, or
    // turns the text around on screen; right-to-left text and its marks stay as they are.
    void fileSafeText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("kept");
        QTest::newRow("quotes and line breaks") << "\"Weekly\"\r\nSix\t"
                                                << "WeeklySix";
        QTest::newRow("line and paragraph separators") << "Weekly\u2028Six\u2029"
                                                       << "WeeklySix";
        QTest::newRow("override") << "\u202EWeekly Six\u202C"
                                  << "Weekly Six";
        QTest::newRow("embeddings and isolates") << "\u202A\u202B\u202DA\u2066B\u2067C\u2068D\u2069"
                                                 << "ABCD";
        QTest::newRow("right-to-left text and its marks")
            << "\u05DC\u05D5\u05D8\u05D5 6/37\u200F\u200E\u061C"
            << "\u05DC\u05D5\u05D8\u05D5 6/37\u200F\u200E\u061C";
        QTest::newRow("emoji whole, halves dropped")
            << QStringLiteral("\U0001F3B2") + QChar(0xD800) + u'x' << "\U0001F3B2x";
    }
    void fileSafeText()
    {
        QFETCH(QString, text);
        QTEST(FileSafeText(text), "kept");
    }

    void fileFields()
    {
        FileFieldReader reader(QByteArrayLiteral("12, \"a, b\" ,x\r\n,\r\n"));
        QCOMPARE(reader.readShort(), std::optional<int>(12));
        QCOMPARE(reader.readText(), std::optional<QString>(QStringLiteral("a, b")));
        QCOMPARE(reader.readText(), std::optional<QString>(QStringLiteral("x")));
        // A line holding one comma is two empty fields.
        QCOMPARE(reader.readText(), std::optional<QString>(QString()));
        QCOMPARE(reader.readText(), std::optional<QString>(QString()));
        QVERIFY(!reader.readText());
        QVERIFY(reader.atEnd());
    }
};

QTEST_GUILESS_MAIN(TestTextFormat)
#include "tst_textformat.moc"
