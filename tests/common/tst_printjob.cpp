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
