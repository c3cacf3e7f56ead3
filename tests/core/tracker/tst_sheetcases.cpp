// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
// Each case of sheet-cases/ is a tracker file as typed (NAME.inv) and the file Calculate and Save
// make of it (NAME.calculated.inv): a new case is two files and no code. With
// NUMERION_WRITE_EXPECTED set, the missing expected files are written, to be read and committed.
#include "core/tracker/Sheet.h"
#include "core/tracker/TrackerFile.h"

#include <QBuffer>
#include <QDir>
#include <QtTest>

namespace {

const QString Calculated = QStringLiteral(".calculated.inv");

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestSheetCases : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void calculatesAsExpected_data()
    {
        QTest::addColumn<QString>("input");
        const QDir cases(QStringLiteral(NUMERION_SHEET_CASES));
        for (const QString& name : cases.entryList({QStringLiteral("*.inv")}, QDir::Files)) {
            if (!name.endsWith(Calculated))
                QTest::newRow(qPrintable(name)) << cases.filePath(name);
        }
        QVERIFY(!cases.entryList({QStringLiteral("*.inv")}).isEmpty());
    }
    void calculatesAsExpected()
    {
        QFETCH(QString, input);
        QByteArray bytes = fileBytes(input);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        TrackerFile::ReadResult read = TrackerFile::Read(buffer);
        QCOMPARE(read.error, TrackerFile::ReadError::None);
        read.sheet.CalculateSheet();
        const QByteArray calculated = TrackerFile::Bytes(read.sheet);

        const QString expectedPath = input.chopped(4) + Calculated;
        if (!QFile::exists(expectedPath) && qEnvironmentVariableIsSet("NUMERION_WRITE_EXPECTED")) {
            QFile out(expectedPath);
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(calculated) == calculated.size());
        }
        QCOMPARE(calculated, fileBytes(expectedPath));

        // What the calculation wrote opens again as it was.
        QBuffer again;
        again.setData(calculated);
        again.open(QIODevice::ReadOnly);
        const TrackerFile::ReadResult reread = TrackerFile::Read(again);
        QCOMPARE(reread.error, TrackerFile::ReadError::None);
        QCOMPARE(TrackerFile::Bytes(reread.sheet), calculated);
    }
};

QTEST_GUILESS_MAIN(TestSheetCases)
#include "tst_sheetcases.moc"
