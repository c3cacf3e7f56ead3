#include "help/HelpTexts.h"

#include <QtTest>

class TestHelpTexts : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void layout_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("secondParagraph");
        QTest::addColumn<QString>("ending");
        QTest::addColumn<int>("blocks");

        QTest::newRow("Rado-d-Idorur")
            << HelpTexts::radoDIdorur() << QString(50, u' ') + "How to use Rado-d-Idorur"
            << "Can be tailored to any lottery by changing the numbers in the first two yellow input boxes."
            << "to complete the set.\r\n\r\n" + QString(70, u' ') + "End" << 17;
        QTest::newRow("database")
            << HelpTexts::database() << "  Start a new File  (more..PgDn)"
            << "In Title box type the lottery name."
            << "sample.LTO file with 'Open a File from Disk' and try out all the features.\r\n\r\nFor more detailed information press F1.\r\n                 End"
            << 16; // the last paragraph is followed by one line break only
    }
    void layout()
    {
        QFETCH(QString, text);
        QFETCH(QString, title);
        QFETCH(QString, secondParagraph);
        QFETCH(QString, ending);

        // A title, then 15 paragraphs, each followed by an empty line; the end marker last.
        const QStringList blocks = text.split(QStringLiteral("\r\n\r\n"));
        QTEST(int(blocks.size()), "blocks");
        QCOMPARE(blocks.first(), title);
        QCOMPARE(blocks[2], secondParagraph);
        QVERIFY2(text.endsWith(ending, Qt::CaseInsensitive), qPrintable(text.right(120)));
        QVERIFY(!text.contains(QStringLiteral("\r\n\r\n\r\n")));
    }
};

QTEST_GUILESS_MAIN(TestHelpTexts)
#include "tst_helptexts.moc"
