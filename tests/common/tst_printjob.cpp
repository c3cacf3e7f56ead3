#include "GuiTestFixture.h"

#include "common/PrintJob.h"
#include "common/QtPrinterPort.h"

#include <QtTest>

class TestPrintJob : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void realPrinterPortWritesAPdf()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sets.pdf"));
        PrintoutWriter writer;
        writer.printLine(5, QStringLiteral("  3  11  23"));
        writer.newPage();
        writer.printLine(5, QStringLiteral("page two"));
        QtPrinterPort port;
        QString error;
        QVERIFY2(port.print(writer.FinishPrintout(), path, &error), qPrintable(error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5).startsWith("%PDF"));
    }

    void realPrinterPortWritesAnImagePdf_data()
    {
        QTest::addColumn<bool>("colour");
        QTest::newRow("colour") << true;
        QTest::newRow("grey") << false;
    }
    void realPrinterPortWritesAnImagePdf()
    {
        QFETCH(bool, colour);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("chart.pdf"));
        QImage image(632, 500, QImage::Format_RGB32);
        image.fill(QColor(30, 80, 190));
        QtPrinterPort port;
        QString error;
        QVERIFY2(port.printImage(image, colour, path, &error), qPrintable(error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5).startsWith("%PDF"));
        QVERIFY(file.size() > 1000);

        QVERIFY(!port.printImage(image, colour, QStringLiteral("/no/such/folder/out.pdf"), &error));
    }

    void imagesGoThroughTheSameRoute()
    {
        GuiTestFixture fixture;
        const QString path = fixture.programPath(QStringLiteral("chart.pdf"));
        fixture.fileDialogs.answers = {path};
        SendImage(fixture.services, QImage(10, 10, QImage::Format_RGB32), false);
        QCOMPARE(fixture.printer.pdfPaths, QStringList {path});
        QCOMPARE(fixture.printer.imageColours, QList<bool> {false});
        QVERIFY(fixture.messages.lastText().startsWith(
            QStringLiteral("No printer is installed. The printout was saved to ")));
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
        QCOMPARE(fixture.messages.boxes.first().title, QStringLiteral("Printer"));
        QVERIFY(fixture.messages.lastText().contains(QStringLiteral("could not be saved")));
        // The proposed file lies in a documents folder, named after the program.
        QVERIFY(fixture.fileDialogs.proposals.first().endsWith(
            QStringLiteral("Numerion printout.pdf")));
    }

    void realPortReportsAnUnwritablePdf()
    {
        PrintoutWriter writer;
        writer.printLine(1, QStringLiteral("x"));
        QtPrinterPort port;
        QString error;
        QVERIFY(!port.print(writer.FinishPrintout(), QStringLiteral("/no/such/folder/out.pdf"),
                            &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_MAIN(TestPrintJob)
#include "tst_printjob.moc"
