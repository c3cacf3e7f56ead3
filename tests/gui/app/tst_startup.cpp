// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "FileBytes.h"
#include "GuiTestFixture.h"

#include "gui/app/Program.h"
#include "gui/app/ZudeMenu.h"
#include "gui/draws/LDbase.h"
#include "gui/tracker/LInvTrack.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

// Where the program keeps its files, and the file named on its command line.
class TestStartup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // A home of our own: the settings must land in its configuration folder, nowhere else.
        QVERIFY(m_home.isValid());
        qputenv("HOME", QFile::encodeName(m_home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral(".config"))));
        QVERIFY(QDir(m_home.path()).mkpath(QStringLiteral("Documents")));
    }
    void init() { m_fixture = std::make_unique<GuiTestFixture>(); }
    void cleanup()
    {
        m_program.reset();
        m_fixture->verifyNothingUnexpected();
        m_fixture.reset();
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
            .removeRecursively();
    }

    void settingsLiveWhereTheProgramMayWrite_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<bool>("beside");
        QTest::newRow("build folder or portable copy") << "writable" << true;
        // Under a file, where no folder can be: written by nobody, root included.
        QTest::newRow("folder that cannot be written") << "unwritable" << false;
        QTest::newRow("installed, even where it could write") << "installed" << false;
    }
    void settingsLiveWhereTheProgramMayWrite()
    {
        QFETCH(QString, layout);
        QFETCH(bool, beside);
        const QString root = m_fixture->programDir.path();
        QString programFolder = root;
        if (layout == QLatin1String("unwritable")) {
            m_fixture->writeProgramFile(QStringLiteral("NotAFolder"), "a file");
            programFolder = m_fixture->programPath(QStringLiteral("NotAFolder/bin"));
        } else if (layout == QLatin1String("installed")) {
            QVERIFY(QDir(root).mkpath(QStringLiteral("bin")));
            QVERIFY(QDir(root).mkpath(QStringLiteral("share/numerion")));
            programFolder = m_fixture->programPath(QStringLiteral("bin"));
        }
        const QString configFolder
            = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
        QVERIFY(configFolder.startsWith(m_home.path()));
        const QString settingsFolder = beside ? programFolder : configFolder;
        const QString settingsFile = QDir(settingsFolder).filePath(QStringLiteral("Personal.Lot"));
        // Read at start-up from there (0 entry forms is out of range and comes back as 1)...
        QVERIFY(QDir().mkpath(settingsFolder));
        QFile old(settingsFile);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("6,49,0,\" $\",\"Ann\"\r\n");
        old.close();

        start(programFolder);
        QCOMPARE(control<QLabel>(menu(), "MyName")->text(), QStringLiteral("Ann"));
        // ...and written there when the settings window closes.
        m_fixture->answerDialog(QStringLiteral("ChangeFnt"), [](QWidget* dialog) {
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            QTest::mouseClick(control<QPushButton>(dialog, "ExitFonts"), Qt::LeftButton);
        });
        QTest::mouseClick(control<QPushButton>(menu(), "PtrFnt"), Qt::LeftButton);
        QCOMPARE(fileBytes(settingsFile), QByteArray("6,49,1,\" $\",\"Ann\"\r\n"));
        if (!beside)
            QVERIFY(!QFile::exists(QDir(programFolder).filePath(QStringLiteral("Personal.Lot"))));

        // The first file dialog starts in the program's folder or in the documents folder.
        QTest::mouseClick(control<QPushButton>(menu(), "LoadFile"), Qt::LeftButton);
        const QString dialogFolder
            = beside ? programFolder : QDir(m_home.path()).filePath(QStringLiteral("Documents"));
        // (No file was used yet, so no name is proposed.)
        QCOMPARE(m_fixture->fileDialogs.proposals.value(0), dialogFolder);
        // The open command ends in the database window, cancelled or not.
        delete topLevel<LDbase>("LDbase");
    }

    void opensTheFileNamedOnTheCommandLine_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("tracker");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<QString>("reason");
        const QString samples = QStringLiteral(NUMERION_SAMPLE_DIR "/");
        QTest::newRow("draw file") << samples + "Sample.lto" << false << true << QString();
        QTest::newRow("tracker file") << samples + "Sample.inv" << true << true << QString();
        QTest::newRow("broken draw file")
            << "Broken.lto" << false << false << "It is no draw database.";
        QTest::newRow("missing tracker file")
            << "Missing.INV" << true << false << "No such file or directory";
    }
    void opensTheFileNamedOnTheCommandLine()
    {
        QFETCH(QString, file);
        QFETCH(bool, tracker);
        QFETCH(bool, readable);
        QFETCH(QString, reason);
        m_fixture->writeProgramFile(QStringLiteral("Broken.lto"), "not a draw file\r\n");
        const QString path = QDir::isAbsolutePath(file) ? file : m_fixture->programPath(file);
        start(m_fixture->programDir.path());
        m_program->openFile(path);

        QVERIFY(!menu()->isVisible());
        QCOMPARE(m_fixture->messages.texts(),
                 readable ? QStringList()
                          : QStringList {QStringLiteral("File not found or wrong format. Check "
                                                        "Filename and/or Directory.\n")
                                         + reason});
        const QString name = readable ? QFileInfo(file).fileName() : QString();
        // The window is deleted at the end, without the questions of leaving it.
        std::unique_ptr<QWidget> window;
        if (tracker) {
            window.reset(topLevel<LInvTrack>("LInvTrack"));
            QCOMPARE(m_fixture->state.Tracker.fileName(), name);
            QCOMPARE(m_fixture->state.Tracker.sheet().SheetRowCount > 0, readable);
        } else {
            window.reset(topLevel<LDbase>("LDbase"));
            QCOMPARE(m_fixture->state.Store.FileDisplayName(), name);
            QCOMPARE(m_fixture->state.Store.RecCount() > 0, readable);
        }
        QVERIFY(window);
        // The next file dialog starts where the file is.
        QCOMPARE(m_fixture->state.LastFolder, QFileInfo(path).absolutePath());
    }

private:
    void start(const QString& programFolder)
    {
        m_fixture->state.ProgramDirectory = programFolder;
        m_program = std::make_unique<Program>(m_fixture->state, m_fixture->services);
        m_program->start();
    }
    ZudeMenu* menu() const { return m_program->mainMenu(); }

    QTemporaryDir m_home;
    std::unique_ptr<GuiTestFixture> m_fixture;
    std::unique_ptr<Program> m_program;
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
