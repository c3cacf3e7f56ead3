// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "FileBytes.h"
#include "TestToday.h"

#include "core/cli/ImportCommand.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <bit>

namespace {

// A European history: semicolons, day.month.year, the draw number first, a bonus ball and a
// jackpot with a decimal comma after the numbers, newest first, one date misspelt.
const QByteArray history = "Draw;Date;Numbers;;;;;;Bonus;Jackpot\r\n"
                           "3;19.11.2025;03;11;12;14;41;43;13;1.000.000,50\r\n"
                           "2;15.11.2025;01;02;03;04;05;06;07;2.000,00\r\n"
                           "1;12.1I.2025;07;08;09;10;11;12;13;2.000,00\r\n";
const QByteArray historyAsDrawFile = "2,8,49,\"Weekly draws\"\r\n"
                                     "1,#2025-11-15#,1,2,3,4,5,6,0,0,0,0\r\n"
                                     "2,#2025-11-19#,3,11,12,14,41,43,0,0,0,0\r\n";
// The week's update: one new draw, one on a date stored with other numbers, one stored already
// (and twice in the history), one too short.
const QByteArray weekly = "Date;Numbers\n"
                          "22.11.2025;7;14;21;28;35;42\n"
                          "19.11.2025;03;11;12;14;41;43\n"
                          "15.11.2025;01;02;03;04;05;06\n"
                          "15.11.2025;06;05;04;03;02;01\n"
                          "12.11.2025;1;2;3\n";
const QByteArray oldDrawFile = "3,8,49,\"Old\"\r\n"
                               "1,#1996-09-07#,3,11,23,30,42,49,0,0,0,0\r\n"
                               "2,#2025-11-15#,6,5,4,3,2,1,0,0,0,0\r\n"
                               "3,#2025-11-19#,1,2,3,4,5,7,0,0,0,0\r\n";
const QByteArray updatedDrawFile = "4,8,49,\"Old\"\r\n"
                                   "1,#1996-09-07#,3,11,23,30,42,49,0,0,0,0\r\n"
                                   "2,#2025-11-15#,6,5,4,3,2,1,0,0,0,0\r\n"
                                   "3,#2025-11-19#,1,2,3,4,5,7,0,0,0,0\r\n"
                                   "4,#2025-11-22#,7,14,21,28,35,42,0,0,0,0\r\n";
const QByteArray oneField = "Draw Date,Winning Numbers,Multiplier\r\n"
                            "09/26/2020,11 21 27 36 62 24,3\r\n"
                            "09/23/2020,08 17 49 52 59 01,2\r\n"
                            "09/19/2020,27 52 55 60 64 27,2\r\n";
const QByteArray oneFieldDrawFile = "\"Numerion draws\",2,2,10,5,69,1,1,26,\"one field\"\r\n"
                                    "1,#2020-09-23#,8,17,49,52,59,1,0,0,0,0\r\n"
                                    "2,#2020-09-26#,11,21,27,36,62,24,0,0,0,0\r\n";

} // namespace

// `numerion --import` run as scripts run it: the real program, without a display.
class TestImportCommand : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        write(QStringLiteral("history.csv"), history);
        write(QStringLiteral("weekly.csv"), weekly);
        write(QStringLiteral("one field.csv"), oneField);
        write(QStringLiteral("headings only.txt"), "Past results\r\n\r\nDate Numbers\r\n");
        write(QStringLiteral("six.csv"),
              "2025-11-15,1,2,3,4,5,6\r\n2025-11-19,3,11,12,14,41,43\r\n");
    }

    void convertsOrSaysWhyNot_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QByteArray>("written"); // what out.lto holds afterwards
        // The bonus and the jackpot are passed over as --columns says.
        const QStringList shape {"--numbers", "6",       "--highest", "49",
                                 "--output",  "out.lto", "--columns", "3-8"};
        QTest::newRow("converts")
            << (QStringList {"--import", "history.csv", "--title", "Weekly draws"} + shape) << 0
            << "2 draws written to out.lto: 2 added, 0 duplicates, 0 conflicts, 1 lines skipped\n"
            << "history.csv: line 4: bad date: 1;12.1I.2025;07;08;09;10;11;12;13;2.000,00\n"
            << historyAsDrawFile;
        QTest::newRow("no draws in the file")
            << (QStringList {"--import", "headings only.txt"} + shape) << 1 << ""
            << "numerion: headings only.txt: No draws were found to import. Nothing was "
               "written.\n"
            << oldDrawFile;
        QTest::newRow("missing file")
            << (QStringList {"--import", "missing.csv"} + shape) << 1 << ""
            << "numerion: cannot read missing.csv: No such file or "
               "directory\n"
            << oldDrawFile;
        QTest::newRow("beyond the store's limits")
            << QStringList {"--import",  "history.csv", "--numbers", "6",
                            "--highest", "100",         "--output",  "out.lto"}
            << 1 << ""
            << "numerion: history.csv: The draw database holds lotteries with numbers up to 99 "
               "only. Nothing was written.\n"
            << oldDrawFile;
        QTest::newRow("more numbers than drawn, no columns given")
            << QStringList {"--import",  "six.csv", "--numbers", "5",
                            "--highest", "49",      "--output",  "out.lto"}
            << 1 << ""
            << "numerion: six.csv: The rows hold 6 numbers after the date (columns 2-7), more "
               "than the 5 drawn: choose the columns of the drawn numbers. Give them with "
               "--columns. Nothing was written.\n"
            << oldDrawFile;
        QTest::newRow("output cannot be written")
            << QStringList {"--import",  "history.csv", "--numbers", "6",
                            "--highest", "49",          "--output",  "no/such/folder/out.lto",
                            "--columns", "3-8"}
            << 1 << ""
            << "history.csv: line 4: bad date: 1;12.1I.2025;07;08;09;10;11;12;13;2.000,00\n"
               "numerion: cannot write no/such/folder/out.lto: No such file or directory\n"
            << oldDrawFile;
        const QStringList update {"--import", "weekly.csv", "--numbers", "6", "--highest", "49"};
        const QString tooShort = "weekly.csv: line 6: too few numbers (3 of 6): 12.11.2025;1;2;3\n";
        QTest::newRow("adds to a draw file")
            << (update + QStringList {"--add-to", "out.lto"}) << 0
            << "4 draws written to out.lto: 1 added, 2 duplicates, 1 conflicts, 1 lines skipped\n"
            << tooShort
                + "weekly.csv: line 3: conflict: the database holds 1 2 3 4 5 7 on 2025-11-19, the "
                  "history 3 11 12 14 41 43\n"
            << updatedDrawFile;
        QTest::newRow("adds the newest draw only")
            << (update + QStringList {"--add-to", "out.lto", "--newest", "1"}) << 0
            << "4 draws written to out.lto: 1 added, 1 duplicates, 0 conflicts, 1 lines skipped, 2 "
               "older draws left out\n"
            << tooShort << updatedDrawFile;
        QTest::newRow("adds and writes elsewhere")
            << (update + QStringList {"--add-to", "out.lto", "--output", "new.lto"}) << 0
            << "4 draws written to new.lto: 1 added, 2 duplicates, 1 conflicts, 1 lines skipped\n"
            << tooShort
                + "weekly.csv: line 3: conflict: the database holds 1 2 3 4 5 7 on 2025-11-19, the "
                  "history 3 11 12 14 41 43\n"
            << oldDrawFile;
        QTest::newRow("adds to a draw file of another lottery")
            << QStringList {"--import",  "weekly.csv", "--numbers", "5",
                            "--highest", "49",         "--add-to",  "out.lto"}
            << 1 << ""
            << "numerion: out.lto holds draws of 6 numbers from 1 to 49, not 5 from 1 to 49. "
               "Nothing was written.\n"
            << oldDrawFile;
        // The winning numbers in one field, the extra number last, a multiplier beside them.
        const QStringList powerPlay {"--import", "one field.csv", "--numbers", "5", "--highest",
                                     "69",       "--extra",       "1"};
        QTest::newRow("an extra number of its own pool")
            << (powerPlay + QStringList {"--extra-range", "1-26", "--output", "out.lto"}) << 0
            << "2 draws written to out.lto: 2 added, 0 duplicates, 0 conflicts, 1 lines skipped\n"
            << "one field.csv: line 4: number 27 is not from 1 to 26: 09/19/2020,27 52 55 60 64 "
               "27,2\n"
            << oneFieldDrawFile;
        QTest::newRow("adds extra numbers to a draw file without")
            << (powerPlay + QStringList {"--extra-range", "1-26", "--add-to", "out.lto"}) << 1 << ""
            << "numerion: out.lto holds draws of 6 of 49, not 5 of 69 + 1 of 26. Nothing was "
               "written.\n"
            << oldDrawFile;
        QTest::newRow("an extra number without its pool")
            << (powerPlay + QStringList {"--output", "out.lto"}) << 1 << ""
            << "numerion: --extra needs --extra-from main or --extra-range L-M (its own pool), one "
               "of them.\nTry 'numerion --help' for more information.\n"
            << oldDrawFile;
        QTest::newRow("writes over the history")
            << (update + QStringList {"--output", "./weekly.csv"}) << 1 << ""
            << "numerion: ./weekly.csv is the history itself: it would be lost. Nothing was "
               "written.\n"
            << oldDrawFile;
        // The command line is refused before anything needs a display, which is missing here.
        QTest::newRow("one dash")
            << (QStringList {"-import", "history.csv"} + shape) << 1 << ""
            << "numerion: Unknown option '-import'; did you mean --import?\nTry 'numerion "
               "--help' for more information.\n"
            << oldDrawFile;
        QTest::newRow("an option missing")
            << QStringList {"--import", "history.csv", "--numbers", "6", "--output", "out.lto"} << 1
            << ""
            << "numerion: --import needs --numbers, --highest and --output or --add-to.\nTry "
               "'numerion "
               "--help' for more information.\n"
            << oldDrawFile;
    }
    void convertsOrSaysWhyNot()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(QByteArray, written);
        write(QStringLiteral("out.lto"), oldDrawFile);

        QProcess numerion;
        numerion.setWorkingDirectory(m_folder.path());
        // No display of any kind: scripts run where there is none.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        numerion.setProcessEnvironment(environment);
        numerion.start(QStringLiteral(NUMERION_BINARY), arguments);
        QVERIFY(numerion.waitForFinished(60000));
        QCOMPARE(numerion.exitStatus(), QProcess::NormalExit);
        QCOMPARE(QString::fromUtf8(numerion.readAllStandardError()), err);
        QCOMPARE(QString::fromUtf8(numerion.readAllStandardOutput()), out);
        QCOMPARE(numerion.exitCode(), exitCode);
        QCOMPARE(fileBytes(m_folder.filePath(QStringLiteral("out.lto"))), written);
        // The history is never written over.
        QCOMPARE(fileBytes(m_folder.filePath(QStringLiteral("weekly.csv"))), weekly);
    }

    // The sample that comes with the program imports whole.
    void convertsTheSampleHistory()
    {
        CommandLine::ImportRequest request;
        request.history = QStringLiteral(NUMERION_SAMPLE_DIR "/Sample-history.csv");
        request.columns.numbers = {3, 4, 5, 6, 7, 8}; // not the bonus
        request.output = m_folder.filePath(QStringLiteral("sample.lto"));
        const CommandResult result
            = RunImportCommand(request, QStringLiteral("numerion"), TestToday);
        QCOMPARE(result.err, QString());
        QCOMPARE(result.out,
                 QStringLiteral("208 draws written to %1: 208 added, 0 duplicates, 0 conflicts, 0 "
                                "lines skipped\n")
                     .arg(request.output));
        QVERIFY(
            fileBytes(request.output)
                .startsWith("208,8,49,\"Sample-history\"\r\n1,#2024-01-03#,2,15,24,31,38,48,0,"));
    }

    // File names are written into the messages as they are, percent signs and all.
    void keepsNamesAsTheyAre()
    {
        write(QStringLiteral("h%1.csv"), history);
        CommandLine::ImportRequest request;
        request.history = m_folder.filePath(QStringLiteral("h%1.csv"));
        request.shape = {6, 49};
        request.columns.numbers = {3, 4, 5, 6, 7, 8};
        request.output = m_folder.filePath(QStringLiteral("%3 %2.lto"));
        const CommandResult result
            = RunImportCommand(request, QStringLiteral("numerion"), TestToday);
        QCOMPARE(result.out,
                 QStringLiteral("2 draws written to ") + request.output
                     + QStringLiteral(": 2 added, 0 duplicates, 0 conflicts, 1 lines skipped\n"));
        QVERIFY2(result.err.startsWith(request.history + QStringLiteral(": line 4: bad date")),
                 qPrintable(result.err));
    }

    // A weekly update to a draw file of a newer form says so, as opening it does, and leaves it.
    void refusesToAddToANewerForm()
    {
        const QByteArray newer = "\"Numerion draws\",99,0,8,6,49,0,0,0,\"Draws\"\r\n";
        write(QStringLiteral("newer.lto"), newer);
        CommandLine::ImportRequest request;
        request.history = m_folder.filePath(QStringLiteral("six.csv"));
        request.shape = {6, 49};
        request.addTo = m_folder.filePath(QStringLiteral("newer.lto"));
        const CommandResult result
            = RunImportCommand(request, QStringLiteral("numerion"), TestToday);
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(result.err,
                 QStringLiteral("numerion: cannot read %1: it was written by a newer "
                                "version of the program.\n")
                     .arg(request.addTo));
        QCOMPARE(fileBytes(request.addTo), newer);
    }

    // `numerion --export`: the draws of a draw file as CSV, oldest first, the extra number last.
    void exportsOrSaysWhyNot_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QByteArray>("written"); // what draws.csv holds afterwards
        const QByteArray before = "before\r\n";
        QTest::newRow("exports")
            << QStringList {"--export", "five.lto", "--output", "draws.csv"} << 0
            << "2 draws written to draws.csv\n"
            << ""
            << QByteArray("Date,Number 1,Number 2,Number 3,Number 4,Number 5,Extra 1\r\n"
                          "2025-11-15,1,2,3,4,69,26\r\n"
                          "2025-11-19,3,11,12,14,41,1\r\n");
        QTest::newRow("a classic file")
            << QStringList {"--export", "old.lto", "--output", "draws.csv"} << 0
            << "3 draws written to draws.csv\n"
            << ""
            << QByteArray("Date,Number 1,Number 2,Number 3,Number 4,Number 5,Number 6\r\n"
                          "1996-09-07,3,11,23,30,42,49\r\n"
                          "2025-11-15,6,5,4,3,2,1\r\n"
                          "2025-11-19,1,2,3,4,5,7\r\n");
        QTest::newRow("no draw file")
            << QStringList {"--export", "history.csv", "--output", "draws.csv"} << 1 << ""
            << "numerion: cannot read history.csv: it is no draw "
               "database.\n"
            << before;
        QTest::newRow("over itself")
            << QStringList {"--export", "draws.csv", "--output", "./draws.csv"} << 1 << ""
            << "numerion: ./draws.csv is the draw database itself: it would be lost. Nothing was "
               "written.\n"
            << before;
        QTest::newRow("no output")
            << QStringList {"--export", "five.lto"} << 1 << ""
            << "numerion: --export needs --output.\nTry 'numerion --help' for more "
               "information.\n"
            << before;
    }
    void exportsOrSaysWhyNot()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(QByteArray, written);
        write(QStringLiteral("old.lto"), oldDrawFile);
        write(QStringLiteral("five.lto"),
              "\"Numerion draws\",2,2,10,5,69,1,1,26,\"Five\"\r\n"
              "1,#2025-11-19#,3,11,12,14,41,1,0,0,0,0\r\n"
              "2,#2025-11-15#,1,2,3,4,69,26,0,0,0,0\r\n");
        write(QStringLiteral("draws.csv"), "before\r\n");
        QProcess numerion;
        run(numerion, arguments);
        QCOMPARE(QString::fromUtf8(numerion.readAllStandardError()), err);
        QCOMPARE(QString::fromUtf8(numerion.readAllStandardOutput()), out);
        QCOMPARE(numerion.exitCode(), exitCode);
        QCOMPARE(fileBytes(m_folder.filePath(QStringLiteral("draws.csv"))), written);
    }

    // The tickets written are checked here on their own: every drawn set of `ifDrawn` numbers of
    // the pool meets some ticket in `guarantee` numbers.
    void wheelsOrSaysWhyNot_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");
        QTest::addColumn<int>("guarantee");
        QTest::addColumn<int>("ifDrawn");
        QTest::addColumn<int>("key"); // on every ticket; 0: none
        const QStringList wheel {"--wheel",   "--numbers", "12",       "--size",   "6",
                                 "--seconds", "1",         "--output", "wheel.csv"};
        QTest::newRow("3 if 3 with a key")
            << wheel + QStringList {"--guarantee", "3", "--if", "3", "--keys", "5"} << 0 << "" << 3
            << 3 << 5;
        QTest::newRow("4 if 5") << wheel + QStringList {"--guarantee", "4", "--if", "5"} << 0 << ""
                                << 4 << 5 << 0;
        QTest::newRow("more matches than drawn")
            << wheel + QStringList {"--guarantee", "4", "--if", "3"} << 1
            << "numerion: The guarantee \"4 if 3\" needs 2 <= 4 <= 3 <= 6.\n"
            << 4 << 3 << 0;
    }
    void wheelsOrSaysWhyNot()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, err);
        QFETCH(int, guarantee);
        QFETCH(int, ifDrawn);
        QFETCH(int, key);
        write(QStringLiteral("wheel.csv"), "before\r\n");
        QProcess numerion;
        run(numerion, arguments);
        QCOMPARE(QString::fromUtf8(numerion.readAllStandardError()), err);
        QCOMPARE(numerion.exitCode(), exitCode);
        const QByteArray written = fileBytes(m_folder.filePath(QStringLiteral("wheel.csv")));
        const QString out = QString::fromUtf8(numerion.readAllStandardOutput());
        if (exitCode != 0) {
            QCOMPARE(out, QString());
            QCOMPARE(written, QByteArray("before\r\n"));
            return;
        }
        const int pool = 12;
        QList<quint32> tickets;
        for (const QByteArray& line : written.trimmed().split('\n')) {
            quint32 ticket = 0;
            int previous = 0;
            const QList<QByteArray> fields = line.trimmed().split(',');
            QCOMPARE(fields.size(), 6);
            for (const QByteArray& field : fields) {
                const int number = field.toInt();
                QVERIFY2(number > previous && number <= pool, line.constData());
                previous = number;
                ticket |= 1u << number;
            }
            QVERIFY(key == 0 || (ticket & (1u << key)));
            tickets.append(ticket);
        }
        QCOMPARE(out, QStringLiteral("%1 tickets written to wheel.csv\n").arg(tickets.size()));
        for (quint32 drawn = 0; drawn < (1u << (pool + 1)); drawn += 2) {
            if (std::popcount(drawn) != ifDrawn)
                continue;
            const auto meets
                = [&](quint32 ticket) { return std::popcount(ticket & drawn) >= guarantee; };
            QVERIFY2(std::any_of(tickets.begin(), tickets.end(), meets),
                     qPrintable(QString::number(drawn, 2)));
        }
    }

    // `numerion --check`: each ticket against each draw, oldest draw first, with the preset prize
    // table's tier and fixed amount.
    void checksOrSaysWhyNot_data()
    {
        QTest::addColumn<QByteArray>("tickets");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QByteArray>("written"); // what result.csv holds afterwards
        const QByteArray before = "before\r\n";
        const QByteArray five = "\r\n69,4,3,2,1+26\r\n11,12,14,50,60 + 1\r\n";
        const QStringList check {"--check",  "tickets.csv", "--draws",
                                 "five.lto", "--output",    "result.csv"};
        const QByteArray header
            = "Draw date,Ticket line,Main matched,Extra matched,Numbers,Tier,Prize\r\n";
        QTest::newRow("checks") << five << check << 0
                                << "2 tickets checked against 2 draws, written to result.csv\n"
                                << ""
                                << header
                + "2025-11-15,2,5,1,\"1,2,3,4,69 + 26\",Jackpot,\r\n"
                  "2025-11-15,3,0,0,\"11,12,14,50,60 + 1\",,\r\n"
                  "2025-11-19,2,1,0,\"1,2,3,4,69 + 26\",,\r\n"
                  "2025-11-19,3,3,1,\"11,12,14,50,60 + 1\",won,100\r\n";
        QTest::newRow("from, to") << five
                                  << check
                + QStringList {"--from", "2025-11-16", "--to", "2025-11-19"}
                                  << 0
                                  << "2 tickets checked against 1 draw, written to result.csv\n"
                                  << ""
                                  << header
                + "2025-11-19,2,1,0,\"1,2,3,4,69 + 26\",,\r\n"
                  "2025-11-19,3,3,1,\"11,12,14,50,60 + 1\",won,100\r\n";
        // The bonus ball, 7, is among the tickets' numbers; 3 + bonus wins the 3 row's fixed prize.
        QTest::newRow("a bonus ball")
            << QByteArray("1 2 3 4 5 7\n1 2 3 7 20 21\n")
            << QStringList {"--check",   "tickets.csv", "--draws",
                            "bonus.lto", "--output",    "result.csv"}
            << 0 << "2 tickets checked against 1 draw, written to result.csv\n"
            << ""
            << header
                + "2025-11-15,1,5,1,\"1,2,3,4,5,7\",Tier 2,\r\n"
                  "2025-11-15,2,3,1,\"1,2,3,7,20,21\",won,30\r\n";
        QTest::newRow("a date that is none")
            << five << check + QStringList {"--to", "2025-02-30"} << 1 << ""
            << "numerion: --to takes a date such as 2025-11-15, not \"2025-02-30\".\nTry "
               "'numerion --help' for more information.\n"
            << before;
        QTest::newRow("a ticket of another game")
            << five << QStringList {"--check", "tickets.csv", "--draws",
                                    "old.lto", "--output",    "result.csv"}
            << 1 << ""
            << "numerion: tickets.csv: line 2: a ticket has 6 numbers, this one 5. The draws in "
               "old.lto are of 6 of 49. Nothing was written.\n"
            << before;
        QTest::newRow("a number beyond the draws'")
            << QByteArray("1,2,3,4,5,6\n1,2,3,4,5,59\n")
            << QStringList {"--check", "tickets.csv", "--draws",
                            "old.lto", "--output",    "result.csv"}
            << 1 << ""
            << "numerion: tickets.csv: line 2: 59 is not within 1 to 49. The draws in old.lto are "
               "of 6 of 49. Nothing was written.\n"
            << before;
        QTest::newRow("a heading") << "Numbers" + five << check << 1 << ""
                                   << "numerion: tickets.csv: line 1: \"Numbers\" holds no number. "
                                      "The draws in five.lto are of 5 of 69 + 1 of 26. Nothing "
                                      "was written.\n"
                                   << before;
        static constexpr char nulLine[] = "1,2,3\0009,4,5 + 1\n";
        QTest::newRow("a NUL") << QByteArray(nulLine, sizeof nulLine - 1) << check << 1 << ""
                               << "numerion: tickets.csv: line 1: \"1,2,3\\x009,4,5 + 1\" holds a "
                                  "control character. The draws in five.lto are of 5 of 69 + 1 "
                                  "of 26. Nothing was written.\n"
                               << before;
        QTest::newRow("no draws")
            << five << QStringList {"--check", "tickets.csv", "--output", "result.csv"} << 1 << ""
            << "numerion: --check needs --draws and --output.\nTry 'numerion --help' for more "
               "information.\n"
            << before;
    }
    void checksOrSaysWhyNot()
    {
        QFETCH(QByteArray, tickets);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(QByteArray, written);
        write(QStringLiteral("old.lto"), oldDrawFile);
        write(QStringLiteral("five.lto"),
              "\"Numerion draws\",2,2,10,5,69,1,1,26,\"Five\"\r\n"
              "1,#2025-11-19#,3,11,12,14,41,1,0,0,0,0\r\n"
              "2,#2025-11-15#,1,2,3,4,69,26,0,0,0,0\r\n");
        write(QStringLiteral("bonus.lto"),
              "\"Numerion draws\",2,1,10,6,59,1,0,0,\"Bonus\"\r\n"
              "1,#2025-11-15#,1,2,3,4,5,6,7,0,0,0\r\n");
        write(QStringLiteral("tickets.csv"), tickets);
        write(QStringLiteral("result.csv"), "before\r\n");
        QProcess numerion;
        run(numerion, arguments);
        QCOMPARE(QString::fromUtf8(numerion.readAllStandardError()), err);
        QCOMPARE(QString::fromUtf8(numerion.readAllStandardOutput()), out);
        QCOMPARE(numerion.exitCode(), exitCode);
        QCOMPARE(fileBytes(m_folder.filePath(QStringLiteral("result.csv"))), written);
    }

    // A ticket file beyond the 16 MiB once read is checked to its last line, which matches. Its
    // lines of 43 bytes put a CR LF across the 2 MiB mark, where the reader reads on.
    void checksALargeFileWhole()
    {
        QByteArray tickets;
        const QByteArray line = "40, 41, 42, 43, 44, 45" + QByteArray(19, ' ') + "\r\n";
        const int count = int((qint64(17) << 20) / line.size());
        tickets.reserve(qsizetype(count) * line.size() + 16);
        for (int i = 1; i < count; ++i)
            tickets += line;
        tickets += "1,2,3,4,5,6";
        write(QStringLiteral("large.csv"), tickets);
        write(QStringLiteral("old.lto"), oldDrawFile);
        QProcess numerion;
        run(numerion,
            {"--check", "large.csv", "--draws", "old.lto", "--output", "large-result.csv", "--from",
             "2025-11-19"});
        QCOMPARE(QString::fromUtf8(numerion.readAllStandardError()), QString());
        QCOMPARE(QString::fromUtf8(numerion.readAllStandardOutput()),
                 QStringLiteral("%1 tickets checked against 1 draw, written to large-result.csv\n")
                     .arg(count));
        const QByteArray result = fileBytes(m_folder.filePath(QStringLiteral("large-result.csv")));
        QCOMPARE(result.count('\n'), count + 1);
        QVERIFY(result.endsWith(QByteArray::number(count) + ",5,0,\"1,2,3,4,5,6\",Tier 2,\r\n"));
    }

private:
    // Runs the program in the test's folder with `arguments` and waits for it to end.
    void run(QProcess& numerion, const QStringList& arguments)
    {
        numerion.setWorkingDirectory(m_folder.path());
        numerion.start(QStringLiteral(NUMERION_BINARY), arguments);
        QVERIFY(numerion.waitForFinished(60000));
    }
    void write(const QString& name, const QByteArray& bytes)
    {
        QFile file(m_folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    QTemporaryDir m_folder;
};

QTEST_GUILESS_MAIN(TestImportCommand)
#include "tst_importcommand.moc"
