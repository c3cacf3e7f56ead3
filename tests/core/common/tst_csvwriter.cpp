// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "core/common/CsvWriter.h"

#include <QtTest>

class TestCsvWriter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A text is quoted only when a spreadsheet would split it, and never runs as a formula.
    void writesTextAsASpreadsheetReadsIt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("field");
        QTest::newRow("plain") << QStringLiteral("Weekly 6/49") << QByteArray("Weekly 6/49");
        QTest::newRow("empty") << QString() << QByteArray();
        QTest::newRow("comma") << QStringLiteral("a,b") << QByteArray("\"a,b\"");
        QTest::newRow("quote") << QStringLiteral("say \"hi\"") << QByteArray("\"say \"\"hi\"\"\"");
        QTest::newRow("line break") << QStringLiteral("a\nb") << QByteArray("\"a\nb\"");
        QTest::newRow("formula") << QStringLiteral("=SUM(A1)") << QByteArray("'=SUM(A1)");
        QTest::newRow("minus") << QStringLiteral("-5") << QByteArray("'-5");
        QTest::newRow("formula with a comma") << QStringLiteral("@a,b") << QByteArray("\"'@a,b\"");
        QTest::newRow("not ASCII") << QStringLiteral("Zi\u00f8hu") << QByteArray("Zi\xc3\xb8hu");
    }
    void writesTextAsASpreadsheetReadsIt()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, field);
        CsvWriter csv;
        csv.number(-3);
        csv.text(text);
        csv.plain(QByteArray("-0.50"));
        csv.endLine();
        csv.endLine();
        QCOMPARE(csv.bytes(), "-3," + field + ",-0.50\r\n\r\n");
    }
};

QTEST_GUILESS_MAIN(TestCsvWriter)
#include "tst_csvwriter.moc"
