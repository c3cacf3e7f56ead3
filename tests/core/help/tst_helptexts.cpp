// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "core/help/HelpDocument.h"
#include "core/help/HelpTexts.h"

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

    void trackerText()
    {
        // No title: nine paragraphs, each followed by an empty line, then the end marker.
        const QStringList blocks = HelpTexts::tracker().split(QStringLiteral("\r\n\r\n"));
        QCOMPARE(blocks.size(), 10);
        QCOMPARE(blocks.first(),
                 QStringLiteral("Load Sample.INV to try out the various features. Click the Open "
                                "File button to load it from disk."));
        QCOMPARE(blocks[8],
                 QStringLiteral("To save the file to disk, click Save File button and "
                                "give the file a name."));
        QCOMPARE(blocks.last(), QString(70, u' ') + QStringLiteral("End"));
        QVERIFY(!HelpTexts::tracker().contains(u'\n' + QString(2, u'\r')));
    }

    void helpDocumentCoversEveryWindow()
    {
        Q_INIT_RESOURCE(help_document);
        const std::optional<QString> html = HelpDocument::Load();
        QVERIFY(html);
        const QList<HelpDocument::Section> sections = HelpDocument::Sections(*html);
        QCOMPARE(sections.first(), (HelpDocument::Section {"menu", "The main menu"}));
        QStringList anchors;
        for (const HelpDocument::Section& section : sections)
            anchors.append(section.anchor);
        for (const char* window :
             {"ZudeMenu", "LDbase", "InRecNum", "Lottery", "LGraph", "LInvTrack", "InInvNum",
              "ChangeFnt", "NumberStats", "LImport", "LTickets", "Unknown"})
            QVERIFY2(anchors.contains(HelpDocument::AnchorForWindow(QLatin1String(window))),
                     window);
        QVERIFY(!HelpDocument::Load(QStringLiteral(":/no/such/file.html")));
    }
};

QTEST_GUILESS_MAIN(TestHelpTexts)
#include "tst_helptexts.moc"
