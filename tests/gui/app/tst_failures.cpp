// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "FileBytes.h"
// Every writer against a disk that fills up half-way and against a path that cannot be written,
// and every print command against a failing printer: the old file stays, the user is told (or,
// for the settings, not bothered), and the program carries on.
#include "GuiTestFixture.h"

#include "gui/analysis/LGraph.h"
#include "gui/analysis/Lottery.h"
#include "gui/app/ChangeFnt.h"
#include "gui/app/Program.h"
#include "gui/app/ZudeMenu.h"
#include "gui/tracker/LInvTrack.h"

#include <QFile>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// While it lives, no file of the process can grow beyond `bytes`: a write past that fails the
// way a full disk does.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limited = m_saved;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_saved); }

private:
    rlimit m_saved {};
};

void click(QWidget* window, const char* name)
{
    QTest::mouseClick(control<QPushButton>(window, name), Qt::LeftButton);
}

enum class SavedFile { DrawFile, TrackerFile, Settings };
enum class Failure { HalfWay, UnwritablePath };

} // namespace

Q_DECLARE_METATYPE(SavedFile)
Q_DECLARE_METATYPE(Failure)

class TestFailures : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init()
    {
        m_fixture = std::make_unique<GuiTestFixture>();
        m_program = std::make_unique<Program>(state(), m_fixture->services);
        m_program->start();
        QVERIFY(QTest::qWaitForWindowExposed(menu()));
    }
    void cleanup()
    {
        closeToolWindows();
        m_program.reset();
        m_fixture->verifyNothingUnexpected();
        m_fixture.reset();
    }

    void aFailedWriteKeepsTheOldFile_data()
    {
        QTest::addColumn<SavedFile>("writer");
        QTest::addColumn<Failure>("failure");
        QTest::addColumn<QString>("message");
        const QString draws = QStringLiteral(" Bad Filename. Must be in the form MYFILE.LTO");
        const QString tracker = QStringLiteral(" Bad Filename. Must be in the form MYFILE.ZPX");
        QTest::newRow("draw file, disk full") << SavedFile::DrawFile << Failure::HalfWay << draws;
        QTest::newRow("draw file, bad path")
            << SavedFile::DrawFile << Failure::UnwritablePath << draws;
        QTest::newRow("tracker, disk full")
            << SavedFile::TrackerFile << Failure::HalfWay << tracker;
        QTest::newRow("tracker, bad path")
            << SavedFile::TrackerFile << Failure::UnwritablePath << tracker;
        QTest::newRow("settings, disk full")
            << SavedFile::Settings << Failure::HalfWay << QString();
        QTest::newRow("settings, bad path")
            << SavedFile::Settings << Failure::UnwritablePath << QString();
    }
    void aFailedWriteKeepsTheOldFile()
    {
        QFETCH(SavedFile, writer);
        QFETCH(Failure, failure);
        QFETCH(QString, message);

        const QString fileName = writer == SavedFile::DrawFile ? QStringLiteral("Old.lto")
            : writer == SavedFile::TrackerFile                 ? QStringLiteral("Old.inv")
                                                               : QStringLiteral("Personal.Lot");
        const QByteArray old = "the previous content, untouched\r\n";
        QString target = m_fixture->programPath(fileName);
        if (failure == Failure::UnwritablePath) {
            // Under a file, where no folder can be: written by nobody, root included.
            m_fixture->writeProgramFile(QStringLiteral("NotAFolder"), old);
            target = m_fixture->programPath(QStringLiteral("NotAFolder/") + fileName);
            if (writer == SavedFile::Settings)
                state().ProgramDirectory = m_fixture->programPath(QStringLiteral("NotAFolder"));
        } else {
            m_fixture->writeProgramFile(fileName, old);
        }
        m_fixture->fileDialogs.answers = {target};

        {
            std::optional<FileSizeLimit> limit;
            if (failure == Failure::HalfWay)
                limit.emplace(10);
            save(writer);
        }

        const QStringList texts = m_fixture->messages.texts();
        QCOMPARE(texts.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QCOMPARE(texts.first().section(u'\n', 0, 0), message);
        // The system's reason stands on the line below.
        if (!message.isEmpty())
            QVERIFY(!texts.first().section(u'\n', 1).isEmpty());
        const QString kept = failure == Failure::HalfWay ? m_fixture->programPath(fileName)
                                                         : m_fixture->programPath("NotAFolder");
        QCOMPARE(fileBytes(kept), old);
        // No temporary file is left behind either.
        QCOMPARE(QDir(m_fixture->programDir.path()).entryList(QDir::Files),
                 QStringList {QFileInfo(kept).fileName()});
        QVERIFY(menu()->isVisible() || topLevel<LInvTrack>("LInvTrack"));
    }

    // A FIFO (or a device) is no file to read: it is the loading error at once, or for the
    // settings the defaults, and never a program waiting for a writer that does not come.
    void aFifoIsNoFileToRead_data()
    {
        QTest::addColumn<SavedFile>("reader");
        QTest::newRow("draw file") << SavedFile::DrawFile;
        QTest::newRow("tracker file") << SavedFile::TrackerFile;
        QTest::newRow("settings") << SavedFile::Settings;
    }
    void aFifoIsNoFileToRead()
    {
        QFETCH(SavedFile, reader);
        const QString fifo
            = m_fixture->programPath(reader == SavedFile::Settings ? QStringLiteral("Personal.Lot")
                                                                   : QStringLiteral("Pipe"));
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        m_fixture->fileDialogs.answers = {fifo};

        // Should the program wait on the FIFO anyway, a writer comes after two seconds and ends
        // the wait, and the test fails instead of hanging.
        std::atomic<bool> done = false;
        std::atomic<bool> rescued = false;
        std::thread rescuer([&] {
            for (int tick = 0; tick < 40 && !done; ++tick)
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            if (done)
                return;
            const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                rescued = true;
                ::close(fd);
            }
        });

        if (reader == SavedFile::Settings) {
            m_program.reset();
            m_program = std::make_unique<Program>(state(), m_fixture->services);
            m_program->start();
        } else if (reader == SavedFile::DrawFile) {
            click(menu(), "LoadFile");
        } else {
            click(menu(), "InvTrack");
            click(topLevel<LInvTrack>("LInvTrack"), "Loadnet");
        }
        done = true;
        rescuer.join();
        QVERIFY(!rescued);
        if (reader == SavedFile::Settings) {
            QCOMPARE(state().Settings, PersonalSettings());
            QVERIFY(m_fixture->messages.boxes.isEmpty());
        } else {
            QCOMPARE(m_fixture->messages.texts(),
                     QStringList {"File not found or wrong format. Check Filename and/or "
                                  "Directory.\nNot a regular file"});
        }
    }

    // The kernel's log looks like a regular file but waits for data that may never come; the
    // file dialog lists it and opening it is the loading error, not a frozen program.
    void aKernelFileThatWaitsIsNoFileToRead()
    {
        const QString kernelLog = QStringLiteral("/proc/kmsg");
        if (::access(QFile::encodeName(kernelLog).constData(), R_OK) != 0)
            QSKIP("/proc/kmsg cannot be read here (not root)");
        m_fixture->fileDialogs.answers = {kernelLog};
        click(menu(), "LoadFile");
        QCOMPARE(m_fixture->messages.texts().size(), 1);
        QVERIFY(m_fixture->messages.texts().first().startsWith(
            "File not found or wrong format. Check Filename and/or Directory.\n"));
    }

    void aFailingPrinterIsReported_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("database") << "database";
        QTest::newRow("Rado-d-Idorur sets") << "sets";
        QTest::newRow("graphs") << "graphs";
        QTest::newRow("investment statement") << "statement";
    }
    void aFailingPrinterIsReported()
    {
        QFETCH(QString, command);
        m_fixture->printer.lineHeight = 240;
        m_fixture->printer.failWith = QStringLiteral("Out of paper.");
        state().Store.setShape({1, state().Store.shape().highestNumber});
        AppendTyped(state().Store, QStringLiteral("9/7/1996"), {QStringLiteral("7")});

        QWidget* window = menu();
        if (command == "database") {
            m_fixture->messages.answerNext(true);
            click(menu(), "PrintDbase");
        } else if (command == "sets") {
            click(menu(), "PickForm");
            auto* lottery = topLevel<Lottery>("Lottery");
            lottery->setAnimationPause(0);
            m_fixture->random.pickIndexes({1, 2, 3, 4, 5, 6}, 49);
            click(lottery, "CalcRandNo");
            m_fixture->messages.answerNext(true);
            click(lottery, "Printer1");
            window = lottery;
        } else if (command == "graphs") {
            click(menu(), "ShowGraph1");
            window = topLevel<LGraph>("LGraph");
            m_fixture->messages.answerNext(true);
            m_fixture->messages.answerNext(true);
            click(window, "Printer3");
        } else {
            click(menu(), "InvTrack");
            window = topLevel<LInvTrack>("LInvTrack");
            m_fixture->messages.answerNext(true);
            click(window, "Printr");
        }
        QCOMPARE(m_fixture->messages.lastText(),
                 QStringLiteral("The printout could not be printed: Out of paper."));
        QVERIFY(window->isVisible());
        QVERIFY(!m_fixture->printer.printed.isEmpty() || !m_fixture->printer.images.isEmpty());
    }

private:
    void save(SavedFile writer)
    {
        switch (writer) {
        case SavedFile::DrawFile:
            AppendTyped(state().Store, QStringLiteral("9/7/1996"), {"1", "2", "3", "4", "5", "6"});
            click(menu(), "SaveFile");
            break;
        case SavedFile::TrackerFile: {
            click(menu(), "InvTrack");
            auto* tracker = topLevel<LInvTrack>("LInvTrack");
            auto* grid = control<QTableWidget>(tracker, "Grid6");
            grid->setCurrentCell(1, 0);
            QTest::keyClicks(grid, QStringLiteral("Tickets for the whole month"));
            click(tracker, "Calc7");
            click(tracker, "SaveNet");
            break;
        }
        case SavedFile::Settings:
            m_fixture->answerDialog(QStringLiteral("ChangeFnt"), [](QWidget* dialog) {
                typeIntoBox(dialog, "InMyName", QStringLiteral("A name far longer than ten"));
                click(dialog, "ExitFonts");
            });
            click(menu(), "PtrFnt");
            break;
        }
    }
    SharedState& state() { return m_fixture->state; }
    ZudeMenu* menu() { return m_program->mainMenu(); }

    std::unique_ptr<GuiTestFixture> m_fixture;
    std::unique_ptr<Program> m_program;
};

QTEST_MAIN(TestFailures)
#include "tst_failures.moc"
