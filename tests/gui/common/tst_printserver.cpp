// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
// The program's printouts on a real print server: a CUPS scheduler of the test's own, with its
// configuration, spool, logs and socket in a temporary folder, and two PDF printers, one on A4
// that reports no margins and one on Letter that does. Its PDF backend keeps each job's output
// as a file, which is checked for its pages, paper and margins. The machine's own printing
// setup is never read or changed. Where no server can be started the test fails and says why.
#include "GuiTestFixture.h"

#include "core/common/TextFormat.h"
#include "core/draws/DatabasePrintout.h"
#include "core/draws/LinesPerPage.h"
#include "gui/analysis/LGraph.h"
#include "gui/analysis/Lottery.h"
#include "gui/app/Program.h"
#include "gui/app/ZudeMenu.h"
#include "gui/common/QtPrinterPort.h"
#include "gui/common/ToolWindow.h"
#include "gui/tracker/LInvTrack.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QMap>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

#include <cups/cups.h>

#include <csignal>
#include <sys/stat.h>
#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#endif

Q_DECLARE_METATYPE(SubmitStep)

namespace {

const QString a4Queue = QStringLiteral("NumerionA4");
const QString letterQueue = QStringLiteral("NumerionLetter");
constexpr double tenMillimetres = 28.35; // points

const QString serverBin = QStringLiteral("/usr/lib/cups");
const QString a4Model = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");
const QString letterModel
    = QStringLiteral("/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd");

// Like a PDF printer: a PostScript job is made into a PDF, a PDF job kept as it is; either goes
// to out/<queue>-<job>.pdf. (The cups-pdf backend reads its settings from /etc/cups only, and
// writes into home folders.)
const char* const backendScript = R"(#!/bin/sh
[ $# -eq 0 ] && { echo 'file numerion-pdf "Unknown" "Numerion test PDF printer"'; exit 0; }
out="%1/out/$PRINTER-$1"
cat "${6:-/dev/stdin}" > "$out.job" || exit 1
if head -c 4 "$out.job" | grep -q '%PDF'; then mv "$out.job" "$out.pdf"
else gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=pdfwrite -sOutputFile="$out.pdf" "$out.job" \
  && rm "$out.job"; fi
)";
const char* const filesConf = R"(ServerRoot %1/conf
ServerBin %1/bin
RequestRoot %1/spool
TempDir %1/spool/tmp
CacheDir %1/cache
StateDir %1/state
AccessLog %1/log/access_log
ErrorLog %1/log/error_log
PageLog %1/log/page_log
Printcap %1/printcap
SystemGroup root
)";
// The scheduler keeps its files up to date at once, so that one the test kills comes back with
// its queues and jobs.
const char* const schedulerConf = R"(Listen %1/sock
LogLevel info
DirtyCleanInterval 0
Browsing No
WebInterface No
DefaultAuthType None
DefaultPolicy open
<Policy open>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
<Location />
  Order deny,allow
</Location>
)";

// The scheduler and its private world. Stopped when the test ends, however it ends: it also
// dies with the test process.
class PrintServer {
public:
    ~PrintServer() { stop(); }

    // Starts the scheduler with the two queues, the A4 one as the default; empty, or why not.
    QString start()
    {
        QStringList missing;
        for (const char* name :
             {"cupsd", "lpadmin", "lpstat", "cupsreject", "cupsaccept", "cupsdisable", "cupsenable",
              "gs", "pdfinfo", "pdftotext", "pdfimages"}) {
            const QString tool = QString::fromLatin1(name);
            m_tools[tool] = QStandardPaths::findExecutable(
                tool, {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")});
            if (m_tools[tool].isEmpty())
                missing.append(tool);
        }
        for (const QString& file : {serverBin, a4Model, letterModel})
            if (!QFileInfo::exists(file))
                missing.append(file);
        if (!missing.isEmpty())
            return QStringLiteral("missing ") + missing.join(QStringLiteral(", "))
                + QStringLiteral(" (packages cups, printer-driver-cups-pdf, poppler-utils)");
        if (!m_root.isValid())
            return QStringLiteral("no temporary folder");
        // The filters run as the scheduler's own user and must reach the spool.
        ::chmod(QFile::encodeName(m_root.path()).constData(), 0755);
        const QDir root(m_root.path());
        for (const char* folder :
             {"conf", "bin/backend", "spool/tmp", "cache", "state", "log", "out", "home"})
            root.mkpath(QString::fromLatin1(folder));

        // The system's filters, with a PDF backend of our own.
        for (const QFileInfo& entry :
             QDir(serverBin).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot))
            if (entry.fileName() != QLatin1String("backend"))
                QFile::link(entry.filePath(), path("bin/" + entry.fileName()));
        if (!writeFile("bin/backend/numerion-pdf", backendScript, 0700)
            || !writeFile("conf/cups-files.conf", filesConf, 0644)
            || !writeFile("conf/cupsd.conf", schedulerConf, 0644))
            return QStringLiteral("the server's files could not be written in ") + root.path();

        // This process and every tool it starts talk to the private server only.
        qputenv("CUPS_SERVER", path("sock").toLocal8Bit());
        qputenv("CUPS_SERVERROOT", path("conf").toLocal8Bit());
        qputenv("HOME", path("home").toLocal8Bit());
        qunsetenv("PRINTER");
        qunsetenv("LPDEST");

        m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
#ifdef Q_OS_LINUX
        m_cupsd.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
#endif
        if (const QString failed = launch(); !failed.isEmpty())
            return failed;
        for (const auto& [queue, model] :
             {std::pair {a4Queue, a4Model}, {letterQueue, letterModel}}) {
            const QString failed
                = tool("lpadmin",
                       {QStringLiteral("-p"), queue, QStringLiteral("-E"), QStringLiteral("-v"),
                        QStringLiteral("numerion-pdf:/") + queue, QStringLiteral("-P"), model});
            if (!failed.isEmpty())
                return QStringLiteral("the queue %1 could not be set up: %2").arg(queue, failed);
        }
        return tool("lpadmin", {QStringLiteral("-d"), a4Queue});
    }

    // Starts the scheduler on the files set up by start(), again after a stop(): its queues
    // and the jobs it kept are back.
    QString launch()
    {
        m_cupsd.start(m_tools[QStringLiteral("cupsd")],
                      {QStringLiteral("-f"), QStringLiteral("-c"), path("conf/cupsd.conf"),
                       QStringLiteral("-s"), path("conf/cups-files.conf")});
        if (!m_cupsd.waitForStarted())
            return QStringLiteral("cupsd could not be started: ") + m_cupsd.errorString();
        const QDeadlineTimer deadline(20000);
        while (!schedulerRunning()) {
            if (m_cupsd.state() != QProcess::Running || deadline.hasExpired())
                return QStringLiteral("cupsd did not come up: ") + diagnostics();
            QTest::qWait(100);
        }
        return QString();
    }

    void kill()
    {
        m_cupsd.kill();
        m_cupsd.waitForFinished(5000);
    }

    void stop()
    {
        if (m_cupsd.state() == QProcess::NotRunning)
            return;
        m_cupsd.terminate();
        if (!m_cupsd.waitForFinished(10000)) {
            m_cupsd.kill();
            m_cupsd.waitForFinished(5000);
        }
    }

    // Runs a CUPS or PDF tool; empty when it succeeded, else what it said.
    QString tool(const char* name, const QStringList& arguments, QByteArray* output = nullptr)
    {
        QProcess process;
        process.start(m_tools[QString::fromLatin1(name)], arguments);
        const bool finished = process.waitForFinished(30000);
        const QByteArray out = process.readAllStandardOutput();
        if (output)
            *output = out;
        if (finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
            return QString();
        return QStringLiteral("%1 failed: %2%3")
            .arg(QString::fromLatin1(name), QString::fromLocal8Bit(process.readAllStandardError()),
                 QString::fromLocal8Bit(out));
    }

    bool schedulerRunning()
    {
        QByteArray out;
        tool("lpstat", {QStringLiteral("-r")}, &out);
        return out.startsWith("scheduler is running");
    }

    QString outputFile(const QString& queue, int job) const
    {
        return path(QStringLiteral("out/%1-%2.pdf").arg(queue).arg(job));
    }

    // The scheduler's output and the end of its log, for a failure message.
    QString diagnostics()
    {
        QFile log(path("log/error_log"));
        log.open(QIODevice::ReadOnly);
        const QByteArray text = log.readAll();
        return QString::fromLocal8Bit(m_cupsd.readAll() + "\n" + text.right(3000));
    }

private:
    QString path(const QString& relative) const
    {
        return QDir(m_root.path()).filePath(relative);
    }

    // Writes `text` with the server's folder for %1.
    bool writeFile(const QString& relative, const char* text, mode_t mode) const
    {
        const QByteArray bytes = QString::fromLatin1(text).arg(m_root.path()).toLocal8Bit();
        QFile file(path(relative));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return false;
        file.close();
        return ::chmod(QFile::encodeName(file.fileName()).constData(), mode) == 0;
    }

    QTemporaryDir m_root;
    QProcess m_cupsd;
    QHash<QString, QString> m_tools;
};

// The jobs the server has had on `queue`, by number, with their states.
QMap<int, int> jobsOf(const QString& queue)
{
    cups_job_t* jobs = nullptr;
    const int count
        = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.toUtf8().constData(), 0, CUPS_WHICHJOBS_ALL);
    QMap<int, int> states;
    for (int i = 0; i < count; ++i)
        states[jobs[i].id] = jobs[i].state;
    cupsFreeJobs(count, jobs);
    return states;
}

int newestJob(const QString& queue)
{
    const QMap<int, int> jobs = jobsOf(queue);
    return jobs.isEmpty() ? 0 : jobs.lastKey();
}

void click(QWidget* window, const char* name)
{
    QTest::mouseClick(control<QPushButton>(window, name), Qt::LeftButton);
}

} // namespace

class TestPrintServer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const QString failed = m_server.start();
        if (!failed.isEmpty())
            QFAIL(qPrintable(QStringLiteral("No print server of the test's own could be started: ")
                             + failed));
    }
    void cleanupTestCase() { m_server.stop(); }

    void init()
    {
        m_fixture = std::make_unique<GuiTestFixture>();
        m_services = std::make_unique<Services>(Services {m_fixture->messages, m_port,
                                                          m_fixture->fileDialogs, m_fixture->random,
                                                          m_fixture->files});
        m_program = std::make_unique<Program>(m_fixture->state, *m_services);
        m_program->start();
    }
    void cleanup()
    {
        m_fixture->verifyNothingUnexpected();
        for (QWidget* window : QApplication::topLevelWidgets())
            if (qobject_cast<ToolWindow*>(window))
                window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_program.reset();
        m_services.reset();
        m_fixture.reset();
    }

    // Each printout on each printer's own paper: the job completes, with the pages the layout
    // made (none overflowing, no extra sheet), all text within the margins.
    void printsOnThePrintersPaper_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QSizeF>("paper"); // points
        QTest::addColumn<QMarginsF>("margins");
        const QMarginsF a4Margins(tenMillimetres, tenMillimetres, tenMillimetres, tenMillimetres);
        const QMarginsF letterMargins(tenMillimetres, 36, tenMillimetres, 36);
        for (const char* command : {"database", "sets", "chart", "statement"}) {
            QTest::addRow("A4 %s", command)
                << a4Queue << QString::fromLatin1(command) << QSizeF(595, 842) << a4Margins;
            QTest::addRow("Letter %s", command)
                << letterQueue << QString::fromLatin1(command) << QSizeF(612, 792) << letterMargins;
        }
    }
    void printsOnThePrintersPaper()
    {
        QFETCH(QString, queue);
        QFETCH(QString, command);
        QFETCH(QSizeF, paper);
        QFETCH(QMarginsF, margins);
        QCOMPARE(m_server.tool("lpadmin", {QStringLiteral("-d"), queue}), QString());
        QVERIFY(m_port.hasPrinter());
        const int before = newestJob(queue);

        const int pages = printFromTheProgram(command);
        QCOMPARE(m_fixture->messages.texts().filter(QStringLiteral("could not")), QStringList());
        const int job = newestJob(queue);
        QVERIFY2(job > before, "no job reached the server");
        QTRY_VERIFY_WITH_TIMEOUT(jobsOf(queue).value(job) >= IPP_JSTATE_CANCELED, 90000);
        QVERIFY2(jobsOf(queue).value(job) == IPP_JSTATE_COMPLETED,
                 qPrintable(m_server.diagnostics()));

        const QString pdf = m_server.outputFile(queue, job);
        QByteArray info;
        QCOMPARE(m_server.tool("pdfinfo", {pdf}, &info), QString());
        const QRegularExpressionMatch size
            = QRegularExpression(QStringLiteral("Page size: +([\\d.]+) x ([\\d.]+) pts"))
                  .match(QString::fromLatin1(info));
        QVERIFY2(size.hasMatch(), info.constData());
        QVERIFY2(qAbs(size.captured(1).toDouble() - paper.width()) < 1
                     && qAbs(size.captured(2).toDouble() - paper.height()) < 1,
                 info.constData());
        const QRegularExpressionMatch pageCount
            = QRegularExpression(QStringLiteral("Pages: +(\\d+)")).match(QString::fromLatin1(info));
        QCOMPARE(pageCount.captured(1).toInt(), pages);

        // Every word within the margins; the chart's words are there as text, not pixels.
        QByteArray words;
        QCOMPARE(
            m_server.tool("pdftotext", {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}, &words),
            QString());
        const QRegularExpression box(QStringLiteral(
            R"re(xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)re"));
        QString text;
        for (const QRegularExpressionMatch& word : box.globalMatch(QString::fromUtf8(words))) {
            const QString where = word.captured(5) + QStringLiteral(" at ") + word.captured(0);
            QVERIFY2(word.captured(1).toDouble() >= margins.left() - 0.5
                         && word.captured(2).toDouble() >= margins.top() - 0.5
                         && word.captured(3).toDouble() <= paper.width() - margins.right() + 0.5
                         && word.captured(4).toDouble() <= paper.height() - margins.bottom() + 0.5,
                     qPrintable(where));
            text += word.captured(5) + QLatin1Char(' ');
        }
        // A PDF printer keeps text as text; the PostScript one makes bare glyphs of it.
        const QString expected = command == "database" ? QStringLiteral("Winning numbers in")
            : command == "chart"     ? QStringLiteral("distribution of numbers in")
            : command == "statement" ? QStringLiteral("INVESTMENT STATEMENT")
                                     : QStringLiteral("___");
        if (queue == letterQueue)
            QVERIFY2(text.contains(expected), qPrintable(text.left(300)));
        if (queue == letterQueue && command == "statement") {
            // The amounts end in one column, the one after the wide characters too.
            const QRegularExpression amount(QStringLiteral(R"re(^\$?-?[\d,]+\.\d\d$)re"));
            QList<double> ends;
            for (const QRegularExpressionMatch& word : box.globalMatch(QString::fromUtf8(words)))
                if (amount.match(word.captured(5)).hasMatch())
                    ends.append(word.captured(3).toDouble());
            QCOMPARE(ends.size(), 3);
            QVERIFY2(qAbs(ends[1] - ends[0]) < 0.5 && qAbs(ends[2] - ends[0]) < 0.5,
                     qPrintable(text));
        }

        // The chart is drawn at the printer's resolution, not stretched from screen pixels.
        QByteArray images;
        QCOMPARE(m_server.tool("pdfimages", {QStringLiteral("-list"), pdf}, &images), QString());
        for (const QByteArray& row : images.split('\n').mid(2)) {
            const QList<QByteArray> fields = row.simplified().split(' ');
            if (fields.size() > 12 && fields[3].toInt() * fields[4].toInt() > 100000)
                QVERIFY2(fields[12].toInt() >= 150, row.constData());
        }
    }

    // A printer that takes no jobs is reported with its reason, and nothing is queued.
    void refusalsAreReported_data()
    {
        QTest::addColumn<QString>("stop");
        QTest::addColumn<QString>("resume");
        QTest::addColumn<QString>("message");
        QTest::newRow("rejecting jobs")
            << "cupsreject"
            << "cupsaccept"
            << "The printout could not be printed: The printer NumerionA4 is not accepting jobs. "
               "It says: Out of toner";
        QTest::newRow("stopped")
            << "cupsdisable"
            << "cupsenable"
            << "The printout could not be printed: The printer NumerionA4 is stopped. It says: "
               "Out of toner";
    }
    void refusalsAreReported()
    {
        QFETCH(QString, stop);
        QFETCH(QString, resume);
        QFETCH(QString, message);
        QCOMPARE(m_server.tool("lpadmin", {QStringLiteral("-d"), a4Queue}), QString());
        QCOMPARE(m_server.tool(qPrintable(stop),
                               {QStringLiteral("-r"), QStringLiteral("Out of toner"), a4Queue}),
                 QString());
        const int before = newestJob(a4Queue);
        printFromTheProgram(QStringLiteral("statement"));
        const QString shown = m_fixture->messages.lastText();
        QCOMPARE(m_server.tool(qPrintable(resume), {a4Queue}), QString());
        QCOMPARE(shown, message);
        QCOMPARE(newestJob(a4Queue), before);
        QVERIFY(topLevel<LInvTrack>("LInvTrack"));
    }

    // The server stops while a job is handed to it. A job whose printout never got there is held
    // empty when the server is back: it prints nothing, and the user is told so. When the server
    // dies before it answers for a printout that went over, the job may print: the message
    // names it, so that the user looks before printing a second copy.
    void aServerThatStopsMidJob_data()
    {
        QTest::addColumn<SubmitStep>("step");
        QTest::addColumn<bool>("crash");
        QTest::addColumn<QString>("message");
        QTest::newRow("job made") << SubmitStep::JobMade << false
                                  << "The printout could not be printed: The printout did not "
                                     "reach the print server (%2). Job %1 on the printer "
                                     "NumerionA4 was left empty and will not print.";
        QTest::newRow("printout sent")
            << SubmitStep::DocumentWritten << true
            << "The printout may still print: Job %1 on the printer NumerionA4 was sent, but the "
               "print server did not confirm it (%2). Look at the printer's queue before printing "
               "again.";
    }
    void aServerThatStopsMidJob()
    {
        QFETCH(SubmitStep, step);
        QFETCH(bool, crash);
        QFETCH(QString, message);
        QCOMPARE(m_server.tool("lpadmin", {QStringLiteral("-d"), a4Queue}), QString());
        const int before = newestJob(a4Queue);
        m_port.setSubmitHook([this, step, crash](SubmitStep now) {
            if (now == step && crash)
                m_server.kill();
            else if (now == step)
                m_server.stop();
        });
        printFromTheProgram(QStringLiteral("statement"));
        m_port.setSubmitHook({});
        const QString shown = m_fixture->messages.lastText();
        QCOMPARE(m_server.launch(), QString());
        const int job = newestJob(a4Queue);
        QVERIFY(job > before);
        const QString reason = shown.section(u'(', 1).section(u')', 0, 0);
        QCOMPARE(shown, message.arg(QString::number(job), reason));
        QVERIFY(!reason.isEmpty());
        if (step == SubmitStep::JobMade) {
            // Held for a document that never comes.
            QCOMPARE(jobsOf(a4Queue).value(job), int(IPP_JSTATE_HELD));
            QVERIFY(!QFileInfo::exists(m_server.outputFile(a4Queue, job)));
        }
    }

    // With the server gone there is no printer, and the printout can still be kept as a PDF.
    void aServerThatIsDownLeavesThePdf()
    {
        m_server.stop();
        QVERIFY(!m_port.hasPrinter());
        const QString pdf = m_fixture->programPath(QStringLiteral("statement.pdf"));
        m_fixture->fileDialogs.answers = {pdf};
        printFromTheProgram(QStringLiteral("statement"));
        QCOMPARE(m_fixture->messages.lastText(),
                 QStringLiteral("No printer is available. The printout was saved to ") + pdf);
        QVERIFY(QFileInfo(pdf).size() > 0);
    }

private:
    // Prints from the window that has the command, answering Yes to the questions; returns the
    // pages the printout has.
    int printFromTheProgram(const QString& command)
    {
        SharedState& state = m_fixture->state;
        ZudeMenu* menu = m_program->mainMenu();
        DrawStore& store = state.Store;
        store.setShape({6, 49});
        store.SetTitle(QStringLiteral("Weekly Six"));
        for (int i = 1; i <= 130; ++i) {
            QStringList numbers;
            for (int k = 0; k < 6; ++k)
                numbers.append(QString::number((i * 7 + k * 5) % 49 + 1));
            AppendTyped(store, FormatShortDate(QDate(1996, 1, 6).addDays(7 * i)), numbers);
        }

        if (command == "database") {
            m_fixture->messages.answerNext(true);
            click(menu, "PrintDbase");
            // As many pages as the printout has on the paper the program measured.
            return int(DatabasePrintout(store, QString(), LinesPerPageFor(m_port.pageMetrics()))
                           .pages.size());
        }
        if (command == "sets") {
            click(menu, "PickForm");
            auto* lottery = topLevel<Lottery>("Lottery");
            lottery->setAnimationPause(0);
            m_fixture->random.pickIndexes({4, 8, 15, 16, 23, 42}, 49);
            click(lottery, "CalcRandNo");
            m_fixture->messages.answerNext(true);
            click(lottery, "Printer1");
        } else if (command == "chart") {
            click(menu, "ShowGraph1");
            m_fixture->messages.answerNext(true);
            m_fixture->messages.answerNext(true);
            click(topLevel<LGraph>("LGraph"), "Printer3");
        } else {
            click(menu, "InvTrack");
            // A description with emoji, joined ones and a flag, and Chinese characters.
            state.Tracker.change([](Sheet& sheet) {
                sheet.cell(1, 0) = Cell(QStringLiteral("Tickets"));
                sheet.cell(1, 1) = Cell(-10.0);
                sheet.cell(2, 0) = Cell(QStringLiteral(
                    "Won \U0001F389 \U0001F468\u200D\U0001F469\u200D\U0001F467 \U0001F1E9\U0001F1EA \u4E2D\u6587 x"));
                sheet.cell(2, 1) = Cell(12.5);
                sheet.CalculateSheet();
                return true;
            });
            m_fixture->messages.answerNext(true);
            click(topLevel<LInvTrack>("LInvTrack"), "Printr");
        }
        return 1;
    }

    PrintServer m_server;
    QtPrinterPort m_port;
    std::unique_ptr<GuiTestFixture> m_fixture;
    std::unique_ptr<Services> m_services;
    std::unique_ptr<Program> m_program;
};

QTEST_MAIN(TestPrintServer)
#include "tst_printserver.moc"
