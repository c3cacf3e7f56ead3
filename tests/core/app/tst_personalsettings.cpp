// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "core/app/PersonalSettings.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

namespace {

PersonalSettingsReadResult readLine(const QByteArray& line)
{
    QBuffer buffer;
    buffer.setData(line);
    buffer.open(QIODevice::ReadOnly);
    return ReadPersonalSettings(&buffer);
}

} // namespace

class TestPersonalSettings : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void reading_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("numbers");
        QTest::addColumn<int>("highNum");
        QTest::addColumn<int>("entryForms");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("complete");

        QTest::newRow("valid") << QByteArray("5,39,3,\"EU\",\"Ann\"\r\n") << 5 << 39 << 3 << "EU"
                               << "Ann" << true;
        QTest::newRow("zeros") << QByteArray("0,0,0,\" $\",\"\"\r\n") << 6 << 49 << 1 << " $"
                               << "" << true;
        QTest::newRow("above range")
            << QByteArray("21,100,11,\" $\",\"\"\r\n") << 6 << 49 << 1 << " $"
            << "" << true;
        QTest::newRow("upper limits")
            << QByteArray("20,99,10,\" $\",\"\"\r\n") << 20 << 99 << 10 << " $"
            << "" << true;
        QTest::newRow("empty symbol")
            << QByteArray("6,49,1,\"\",\"Bo\"\r\n") << 6 << 49 << 1 << " $"
            << "Bo" << true;
        QTest::newRow("too few fields keep the texts read")
            << QByteArray("5,39,2,\"Fr\"\r\n") << 6 << 49 << 1 << "Fr"
            << "" << false;
        QTest::newRow("text where a number belongs")
            << QByteArray("\"x\",39,2,\"Fr\",\"Ann\"\r\n") << 6 << 49 << 1 << " $"
            << "" << false;
        QTest::newRow("letters where a number belongs")
            << QByteArray("abc,39,2,\"Fr\",\"Ann\"\r\n") << 6 << 49 << 1 << " $"
            << "" << false;
        QTest::newRow("number too big")
            << QByteArray("99999,39,2,\"Fr\",\"Ann\"\r\n") << 6 << 49 << 1 << " $"
            << "" << false;
        QTest::newRow("empty file") << QByteArray() << 6 << 49 << 1 << " $"
                                    << "" << false;
        QTest::newRow("quote inside the name")
            << QByteArray("6,49,1,\" $\",\"A\"nn\"\r\n") << 6 << 49 << 1 << " $"
            << "A" << true;
        QTest::newRow("line separator and direction override in the name")
            << QByteArray("6,49,1,\" $\",\"\xe2\x80\xae"
                          "Ann\xe2\x80\xa8Player\"\r\n")
            << 6 << 49 << 1 << " $"
            << "AnnPlayer" << true;
        QTest::newRow("unclosed quote")
            << QByteArray("6,49,1,\" $,\"Ann\r\n") << 6 << 49 << 1 << " $"
            << "" << false;
        QTest::newRow("quote in an unquoted symbol is dropped")
            << QByteArray("6,49,1,\xff\xff\xff\xff\",\"\"\r\n") << 6 << 49 << 1
            << QString(2, QChar(0xff)) << "" << true;
        // As the boxes hold them; a long name read as Windows-1252 would be written back larger
        // than a settings file is read.
        QTest::newRow("texts cut to what the boxes hold")
            << "6,49,1,\"EUR\",\"" + QByteArray(3000, '\xe2') + "\"\r\n"
            << 6 << 49 << 1 << "EU" << QString(82, QChar(0xe2)) << true;
        QTest::newRow("no line end") << QByteArray("7,45,2,\" $\",\"Cy\"") << 7 << 45 << 2 << " $"
                                     << "Cy" << true;
    }
    void reading()
    {
        QFETCH(QByteArray, line);
        const PersonalSettingsReadResult result = readLine(line);
        QTEST(result.settings.DefaultNumbersPerDraw, "numbers");
        QTEST(result.settings.DefaultHighNum, "highNum");
        QTEST(result.settings.DefaultEntryForms, "entryForms");
        QTEST(result.settings.CurrencySymbol, "symbol");
        QTEST(result.settings.UserName, "name");
        QTEST(result.complete, "complete");
    }

    void missingFileGivesDefaults()
    {
        QTemporaryDir dir;
        const PersonalSettingsReadResult result
            = ReadPersonalSettingsFile(dir.filePath(QStringLiteral("Personal.Lot")));
        QVERIFY(!result.complete);
        QCOMPARE(result.settings, PersonalSettings());
    }

    void writtenLineByteForByte_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("defaults") << QString() << QByteArray("6,49,1,\" $\",\"\"\r\n");
        QTest::newRow("with a name")
            << QStringLiteral("Ann") << QByteArray("6,49,1,\" $\",\"Ann\"\r\n");
    }
    void writtenLineByteForByte()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, expected);
        PersonalSettings settings;
        settings.UserName = name;
        QCOMPARE(PersonalSettingsLine(settings), expected);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Personal.Lot"));
        QVERIFY(WritePersonalSettingsFile(path, settings));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), expected);
    }

    void roundTripKeepsEveryValue()
    {
        PersonalSettings settings {4, 35, 7, QStringLiteral("€"),
                                   QStringLiteral("Zoë, the player")};
        QCOMPARE(readLine(PersonalSettingsLine(settings)).settings, settings);
    }

    void writeFailureIsReportedNotThrown()
    {
        QTemporaryDir dir;
        QVERIFY(!WritePersonalSettingsFile(dir.filePath(QStringLiteral("missing/Personal.Lot")),
                                           PersonalSettings()));
    }
};

QTEST_GUILESS_MAIN(TestPersonalSettings)
#include "tst_personalsettings.moc"
