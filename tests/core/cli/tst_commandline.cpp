// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "core/cli/CommandLine.h"

#include <QProcess>
#include <QtTest>

class TestCommandLine : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsWhatWasAsked_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("textStart");
        const int run = int(CommandLine::Action::Run);
        const int fail = int(CommandLine::Action::Fail);
        QTest::newRow("nothing") << QStringList {} << run << ""
                                 << "";
        QTest::newRow("a draw file") << QStringList {"Weekly.lto"} << run << "Weekly.lto"
                                     << "";
        QTest::newRow("a name with blanks and a dash")
            << QStringList {"--", "-my draws.lto"} << run << "-my draws.lto"
            << "";
        QTest::newRow("help") << QStringList {"--help"} << int(CommandLine::Action::ShowHelp) << ""
                              << "Usage: numerion [options] [file]\n";
        QTest::newRow("version") << QStringList {"-v", "Weekly.lto"}
                                 << int(CommandLine::Action::ShowVersion) << ""
                                 << "numerion " NUMERION_VERSION "\n";
        QTest::newRow("unknown option") << QStringList {"--imp"} << fail << ""
                                        << "numerion: Unknown option 'imp'.\n";
        QTest::newRow("a word after one dash")
            << QStringList {"-import", "a.csv"} << fail << ""
            << "numerion: Unknown option '-import'; did you mean --import?\n";
        QTest::newRow("a word after one dash that is no option")
            << QStringList {"-imp"} << fail << ""
            << "numerion: Unknown option '-imp'.\n";
        QTest::newRow("Qt's own options are QApplication's")
            << QStringList {"-style", "fusion", "-reverse", "-qwindowtitle", "-x", "Weekly.lto"}
            << run << "Weekly.lto"
            << "";
        QTest::newRow("an option given twice")
            << QStringList {"--import", "a.csv",     "--numbers", "6",        "--highest",
                            "49",       "--numbers", "5",         "--output", "a.lto"}
            << fail << ""
            << "numerion: --numbers is given more than once.\n";
        QTest::newRow("an option given twice by both its names")
            << QStringList {"-v", "--version"} << fail << ""
            << "numerion: --version is given more than once.\n";
        QTest::newRow("import with a file to open")
            << QStringList {"--import", "a.csv",    "--numbers", "6",    "--highest",
                            "49",       "--output", "a.lto",     "b.lto"}
            << fail << ""
            << "numerion: --import opens no file";
        QTest::newRow("import option alone")
            << QStringList {"--title", "Six", "a.lto"} << fail << ""
            << "numerion: --title is only for --import.\n";
        QTest::newRow("numbers that are none")
            << QStringList {"--import",  "a.csv", "--numbers", "six",
                            "--highest", "49",    "--output",  "a.lto"}
            << fail << ""
            << "numerion: --numbers and --highest take whole numbers.\n";
        QTest::newRow("unknown date order")
            << QStringList {"--import", "a.csv",    "--numbers", "6",       "--highest",
                            "49",       "--output", "a.lto",     "--dates", "yearly"}
            << fail << ""
            << "numerion: --dates takes day-first or month-first.\n";
        QTest::newRow("no count of newest draws")
            << QStringList {"--import", "a.csv",    "--numbers", "6",        "--highest",
                            "49",       "--add-to", "a.lto",     "--newest", "0"}
            << fail << ""
            << "numerion: --newest takes a whole number from 1.\n";
        QTest::newRow("adding without an import") << QStringList {"--add-to", "a.lto"} << fail << ""
                                                  << "numerion: --add-to is only for --import.\n";
        QTest::newRow("columns that are none")
            << QStringList {"--import", "a.csv",    "--numbers", "6",         "--highest",
                            "49",       "--output", "a.lto",     "--columns", "8-3"}
            << fail << ""
            << "numerion: --columns takes column numbers from 1 to 9999 such as 3-8 or 5,7,9-12, "
               "each once.\n";
        const QStringList extra {"--import",  "a.csv", "--numbers", "5",
                                 "--highest", "69",    "--output",  "a.lto"};
        QTest::newRow("three extra numbers")
            << extra + QStringList {"--extra", "3", "--extra-from", "main"} << fail << ""
            << "numerion: --extra takes 0, 1 or 2.\n";
        QTest::newRow("extra numbers from both pools")
            << extra + QStringList {"--extra", "1", "--extra-from", "main", "--extra-range", "1-26"}
            << fail << ""
            << "numerion: --extra needs --extra-from main or --extra-range L-M (its own pool), one "
               "of them.\n";
        QTest::newRow("extra numbers from no known pool")
            << extra + QStringList {"--extra", "1", "--extra-from", "stars"} << fail << ""
            << "numerion: --extra-from takes main; an own pool is given with --extra-range, such "
               "as 1-26.\n";
        QTest::newRow("an own pool that is none")
            << extra + QStringList {"--extra", "2", "--extra-range", "12"} << fail << ""
            << "numerion: --extra-range takes the lowest and highest number, such as 1-26 or "
               "0-9.\n";
        QTest::newRow("a pool without extra numbers")
            << extra + QStringList {"--extra-range", "1-26"} << fail << ""
            << "numerion: --extra-from and --extra-range are only for --extra 1 or 2.\n";
        QTest::newRow("extra numbers without an import")
            << QStringList {"--extra", "1", "a.lto"} << fail << ""
            << "numerion: --extra is only for --import.\n";
        QTest::newRow("columns without an import")
            << QStringList {"--date-column", "2", "a.lto"} << fail << ""
            << "numerion: --date-column is only for --import.\n";
        QTest::newRow("a wheel") << QStringList {"--wheel",  "--numbers",   "20",  "--size",
                                                 "6",        "--guarantee", "3",   "--if",
                                                 "4",        "--keys",      "7,9", "--output",
                                                 "wheel.csv"}
                                 << int(CommandLine::Action::Wheel) << ""
                                 << "";
        QTest::newRow("a wheel without its guarantee")
            << QStringList {"--wheel", "--numbers", "20", "--size", "6", "--output", "w.csv"}
            << fail << ""
            << "numerion: --wheel needs --numbers, --size, --guarantee, --if and --output.\n";
        QTest::newRow("wheel option alone") << QStringList {"--seconds", "5", "a.lto"} << fail << ""
                                            << "numerion: --seconds is only for --wheel.\n";
        QTest::newRow("checking with a wheel's option")
            << QStringList {"--check", "t.csv", "--draws",  "a.lto",
                            "--size",  "6",     "--output", "r.csv"}
            << fail << ""
            << "numerion: --size is only for --wheel.\n";
        QTest::newRow("draws without a check") << QStringList {"--draws", "a.lto"} << fail << ""
                                               << "numerion: --draws is only for --check.\n";
        QTest::newRow("two files") << QStringList {"a.lto", "b.inv"} << fail << ""
                                   << "numerion: only one file can be opened at a time.\n";
        QTest::newRow("empty name") << QStringList {""} << fail << ""
                                    << "numerion: ";
    }
    void readsWhatWasAsked()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, action);
        QFETCH(QString, file);
        QFETCH(QString, textStart);
        const CommandLine line
            = ParseCommandLine(QStringList {QStringLiteral("/usr/bin/numerion")} + arguments);
        QCOMPARE(int(line.action), action);
        QCOMPARE(line.file, file);
        if (textStart.isEmpty())
            QCOMPARE(line.text, QString());
        else
            QVERIFY2(line.text.startsWith(textStart), qPrintable(line.text));
        if (action == int(CommandLine::Action::Fail))
            QVERIFY(line.text.endsWith(
                QStringLiteral("Try 'numerion --help' for more information.\n")));
    }

    // The switch that times start-up: read, kept out of the help, and the program it starts ends
    // by itself once its menu is up, or the window of the file it opens, or the message saying
    // the file cannot be read.
    void quitsAfterShowWhenAsked_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("no file") << QString();
        QTest::newRow("a draw file") << QStringLiteral("draws.lto");
        QTest::newRow("a missing file") << QStringLiteral("missing.lto");
    }
    void quitsAfterShowWhenAsked()
    {
        QFETCH(QString, file);
        QVERIFY(!ParseCommandLine({"numerion", "a.lto"}).quitAfterShow);
        const CommandLine line = ParseCommandLine({"numerion", "--quit-after-show", "a.lto"});
        QCOMPARE(int(line.action), int(CommandLine::Action::Run));
        QVERIFY(line.quitAfterShow);
        QCOMPARE(line.file, QStringLiteral("a.lto"));
        QVERIFY(!ParseCommandLine({"numerion", "--help"}).text.contains(QLatin1String("quit")));

        QTemporaryDir folder;
        QFile draws(folder.filePath(QStringLiteral("draws.lto")));
        QVERIFY(draws.open(QIODevice::WriteOnly));
        draws.write("1,8,49,\"Six\"\r\n1,#2026-12-05#,1,2,3,4,5,6,0,0,0,0\r\n");
        draws.close();
        QStringList arguments {QStringLiteral("--quit-after-show")};
        if (!file.isEmpty())
            arguments.append(folder.filePath(file));
        QProcess numerion;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("HOME"), folder.path());
        numerion.setProcessEnvironment(environment);
        numerion.start(QStringLiteral(NUMERION_BINARY), arguments);
        QVERIFY(numerion.waitForFinished(30000));
        QCOMPARE(numerion.exitStatus(), QProcess::NormalExit);
        QCOMPARE(numerion.exitCode(), 0);
    }

    void readsAnImport()
    {
        const CommandLine line
            = ParseCommandLine({"numerion", "--import", "h.csv", "--numbers", "5", "--highest",
                                "39", "--output", "o.lto", "--dates", "month-first"});
        QCOMPARE(int(line.action), int(CommandLine::Action::Import));
        QCOMPARE(line.import.history, QStringLiteral("h.csv"));
        QCOMPARE(line.import.output, QStringLiteral("o.lto"));
        QCOMPARE(line.import.shape.numbersPerDraw, 5);
        QCOMPARE(line.import.shape.highestNumber, 39);
        QVERIFY(!line.import.title);
        QCOMPARE(int(line.import.dateOrder), int(DrawHistoryImport::DateOrder::MonthDay));
        QVERIFY(line.import.columns == DrawHistoryImport::Columns());
        QCOMPARE(line.import.shape.extraNumbers, 0);

        // Extra numbers: of their own pool, or a bonus from the main one.
        const QStringList fiveOf {"numerion",  "--import", "h.csv",    "--numbers", "5",
                                  "--highest", "69",       "--output", "o.lto"};
        const CommandLine own
            = ParseCommandLine(fiveOf + QStringList {"--extra", "1", "--extra-range", "1-26"});
        QCOMPARE(int(own.action), int(CommandLine::Action::Import));
        QCOMPARE(ShapeName(own.import.shape), QStringLiteral("5 of 69 + 1 of 26"));
        const CommandLine bonus
            = ParseCommandLine(fiveOf + QStringList {"--extra", "1", "--extra-from", "main"});
        QCOMPARE(ShapeName(bonus.import.shape), QStringLiteral("5 of 69 + bonus"));

        const CommandLine columns = ParseCommandLine(
            {"numerion", "--import", "h.csv", "--numbers", "5", "--highest", "39", "--output",
             "o.lto", "--columns", "5,7,9-11", "--date-column", "3"});
        QCOMPARE(int(columns.action), int(CommandLine::Action::Import));
        QVERIFY(columns.import.columns
                == (DrawHistoryImport::Columns {3, std::vector<int> {5, 7, 9, 10, 11}}));

        // A value may begin with a dash.
        const CommandLine dashed
            = ParseCommandLine({"numerion", "--import", "-h.csv", "--numbers", "5", "--highest",
                                "39", "--output", "o.lto", "--title", "-Six-"});
        QCOMPARE(int(dashed.action), int(CommandLine::Action::Import));
        QCOMPARE(dashed.import.history, QStringLiteral("-h.csv"));
        QCOMPARE(dashed.import.title, QStringLiteral("-Six-"));

        // The weekly update writes the draw file it adds to, unless --output says otherwise.
        const CommandLine update
            = ParseCommandLine({"numerion", "--import", "h.csv", "--numbers", "5", "--highest",
                                "39", "--add-to", "w.lto", "--newest", "10"});
        QCOMPARE(int(update.action), int(CommandLine::Action::Import));
        QCOMPARE(update.import.addTo, QStringLiteral("w.lto"));
        QCOMPARE(update.import.destination(), QStringLiteral("w.lto"));
        QCOMPARE(update.import.newest, 10);
        QCOMPARE(line.import.destination(), QStringLiteral("o.lto"));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
