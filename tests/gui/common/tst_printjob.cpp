// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "GuiTestFixture.h"

#include "gui/common/PrintJob.h"
#include "gui/common/QtPrinterPort.h"

#include <QPainter>
#include <QPicture>
#include <QtTest>

namespace {

QPicture chartPicture()
{
    QPicture picture;
    QPainter painter(&picture);
    painter.fillRect(QRect(0, 0, 632, 500), QColor(30, 80, 190));
    painter.drawText(QPointF(20, 40), QStringLiteral("Normal distribution"));
    painter.end();
    return picture;
}

} // namespace

class TestPrintJob : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void realPortWritesAPdf_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("text") << "text";
        QTest::newRow("picture in colour") << "colour";
        QTest::newRow("picture in grey") << "grey";
    }
    void realPortWritesAPdf()
    {
        QFETCH(QString, kind);
        PrintoutWriter writer;
        writer.printLine(5, QStringLiteral("  3  11  23"));
        writer.newPage();
        writer.printLine(5, QStringLiteral("page two"));
        const Printout printout = writer.FinishPrintout();
        const QPicture picture = chartPicture();
        QtPrinterPort port;
        const auto print = [&](const QString& path, QString* error) {
            return kind == "text" ? port.print(printout, path, error)
                                  : port.printPicture(picture, kind == "colour", path, error);
        };

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("out.pdf"));
        QString error;
        QVERIFY2(print(path, &error) == PrintOutcome::Printed, qPrintable(error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5).startsWith("%PDF"));

        error.clear();
        QCOMPARE(print(QStringLiteral("/no/such/folder/out.pdf"), &error),
                 PrintOutcome::NotPrinted);
        // The system's reason, as for every file the program fails to write.
        QVERIFY(!error.isEmpty());
    }

    void picturesGoThroughTheSameRoute()
    {
        GuiTestFixture fixture;
        const QString path = fixture.programPath(QStringLiteral("chart.pdf"));
        fixture.fileDialogs.answers = {path};
        SendPicture(fixture.services, chartPicture(), false);
        QCOMPARE(fixture.printer.pdfPaths, QStringList {path});
        QCOMPARE(fixture.printer.imageColours, QList<bool> {false});
        QCOMPARE(fixture.printer.images.first().pixelColor(300, 300), QColor(30, 80, 190));
        QCOMPARE(fixture.messages.lastText(),
                 QStringLiteral("No printer is available. The printout was saved to ")
                     + QDir::toNativeSeparators(path));
    }

    void pdfFailureIsAMessage()
    {
        GuiTestFixture fixture;
        fixture.fileDialogs.answers = {QStringLiteral("/no/such/folder/out.pdf")};
        fixture.printer.failWith = QStringLiteral("The file could not be written.");
        PrintoutWriter writer;
        writer.printLine(1, QStringLiteral("x"));
        SendPrintout(fixture.services, writer.FinishPrintout());
        QCOMPARE(fixture.messages.boxes.size(), 1);
        QCOMPARE(fixture.messages.boxes.first().title, QStringLiteral("Saving Error"));
        QCOMPARE(fixture.messages.lastText(),
                 QStringLiteral(" Bad Filename. Must be in the form MYFILE.PDF\n")
                     + fixture.printer.failWith);
        // The proposed file is named after the program.
        QVERIFY(fixture.fileDialogs.proposals.first().endsWith(
            QStringLiteral("Numerion printout.pdf")));
    }
};

QTEST_MAIN(TestPrintJob)
#include "tst_printjob.moc"
