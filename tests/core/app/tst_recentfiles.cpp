// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "core/app/RecentFiles.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

class TestRecentFiles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void keepsTheNewestOnceAndAtMostEight()
    {
        RecentFiles files;
        for (int i = 0; i < 10; ++i)
            files.add(FileKind::Draws, QStringLiteral("/d/%1.lto").arg(i));
        files.add(FileKind::Tracker, QStringLiteral("/d/./5.lto"));
        // Not a kind the list holds, and a name that is no plain text: neither is kept.
        files.add(FileKind::Csv, QStringLiteral("/d/a.csv"));
        files.add(FileKind::Tickets, QStringLiteral("/d/a\nb.ltk"));
        QCOMPARE(files.entries().size(), RecentFiles::MaxEntries);
        QCOMPARE(files.entries().first(), (RecentFiles::Entry {FileKind::Tracker, "/d/5.lto"}));
        QCOMPARE(files.entries().last().path, QStringLiteral("/d/2.lto"));
        QCOMPARE(files.newest(FileKind::Draws), QStringLiteral("/d/9.lto"));
        QCOMPARE(files.newest(FileKind::Tickets), std::nullopt);
    }

    void dropsFilesThatAreGone()
    {
        QTemporaryDir folder;
        const QString kept = folder.filePath(QStringLiteral("kept.ltk"));
        QFile(kept).open(QIODevice::WriteOnly);
        RecentFiles files;
        files.add(FileKind::Tickets, kept);
        files.add(FileKind::Tickets, folder.filePath(QStringLiteral("gone.ltk")));
        QVERIFY(files.dropMissing());
        QCOMPARE(files.entries(), (QList<RecentFiles::Entry> {{FileKind::Tickets, kept}}));
        QVERIFY(!files.dropMissing());
    }

    void reading_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("read");
        const QByteArray head = "Numerion recent files 1\nreopen 1\n";
        QTest::newRow("list") << head + "tickets /a/b.ltk\ndraws /a/c d.lto\n" << true;
        QTest::newRow("empty list") << head << true;
        QTest::newRow("empty file") << QByteArray() << false;
        QTest::newRow("newer form") << QByteArray("Numerion recent files 2\nreopen 1\n") << false;
        QTest::newRow("unknown kind") << head + "wheels /a/b.whl\n" << false;
        QTest::newRow("relative path") << head + "draws a.lto\n" << false;
        QTest::newRow("same file twice") << head + "draws /a.lto\ntracker /a.lto\n" << false;
        QTest::newRow("no line end") << head + "draws /a.lto" << false;
        QTest::newRow("carriage return") << head + "draws /a.lto\r\n" << false;
        QTest::newRow("direction override") << head
                + "draws /\xe2\x80\xae"
                  "a.lto\n" << false;
        QTest::newRow("not UTF-8") << head + "draws /\xff.lto\n" << false;
        QTest::newRow("bad setting")
            << QByteArray("Numerion recent files 1\nreopen yes\n") << false;
        QByteArray nine = head;
        for (int i = 0; i < 9; ++i)
            nine += "draws /" + QByteArray::number(i) + ".lto\n";
        QTest::newRow("more than are kept") << nine << false;
    }
    void reading()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, read);
        const std::optional<RecentFiles> files = RecentFiles::FromBytes(bytes);
        QCOMPARE(files.has_value(), read);
        if (files)
            QCOMPARE(files->bytes(), bytes);
    }

    // Whatever the list holds is read back from its file as it was.
    void whatIsWrittenReadsBack()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QString::fromLatin1(RecentFiles::FileName));
        QRandomGenerator random(36);
        const FileKind kinds[] = {FileKind::Draws, FileKind::Tracker, FileKind::Tickets};
        for (int round = 0; round < 200; ++round) {
            RecentFiles files;
            files.setReopenAtStart(random.bounded(2) == 1);
            for (int n = int(random.bounded(12)); n > 0; --n) {
                QString path = QStringLiteral("/");
                for (int length = int(random.bounded(1, 12)); length > 0; --length)
                    path += QString::fromUcs4(
                        &U"ab/. \"&,#\u00e9\u202e\u2028\x7f\t\U0001F600"[random.bounded(15)], 1);
                files.add(kinds[random.bounded(3)], path);
            }
            QVERIFY(files.writeFile(path));
            QCOMPARE(RecentFiles::ReadFile(path), files);
        }
    }
};

QTEST_GUILESS_MAIN(TestRecentFiles)
#include "tst_recentfiles.moc"
