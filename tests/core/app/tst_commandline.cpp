#include "core/app/CommandLine.h"

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
        QTest::newRow("unknown option") << QStringList {"--import"} << fail << ""
                                        << "numerion: Unknown option 'import'.\n";
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
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
