// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "FakeFileDialogs.h"

#include "core/app/SharedState.h"
#include "core/common/ChooseFile.h"

#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(FileKind)
Q_DECLARE_METATYPE(Direction)

class TestChooseFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        std::destroy_at(&m_state);
        std::construct_at(&m_state);
        m_home = std::make_unique<QTemporaryDir>();
        m_state.ProgramDirectory = folder(QStringLiteral("bin"));
        m_state.Store.proposeFileName(QStringLiteral("Weekly.lto"));
        m_state.Tracker.proposeFileName(QStringLiteral("Money.inv"));
        m_dialogs = FakeFileDialogs();
    }

    void showsTheDialogOfEachKind_data()
    {
        QTest::addColumn<FileKind>("fileKind");
        QTest::addColumn<Direction>("direction");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("chosen");
        const QString draws = QStringLiteral("Lottery Winning Numbers Database (*.lto)");
        const QString tracker = QStringLiteral("Investment Tracker Databases (*.inv)");
        const QString folders = QStringLiteral("Directories - Folders");
        QTest::newRow("open draws")
            << FileKind::Draws << Direction::Open << folders << draws << "Chosen.x"
            << "Chosen.x";
        QTest::newRow("save draws, a name without suffix")
            << FileKind::Draws << Direction::Save << folders
            << draws + QStringLiteral(";;Export Draws as CSV (*.csv)") << "noext"
            << "noext.lto";
        QTest::newRow("open tracker, a name without suffix")
            << FileKind::Tracker << Direction::Open << folders << tracker << "Money"
            << "Money";
        QTest::newRow("save tracker, another suffix")
            << FileKind::Tracker << Direction::Save << folders << tracker << "Money.txt"
            << "Money.txt";
        QTest::newRow("save tracker, a name without suffix")
            << FileKind::Tracker << Direction::Save << folders << tracker << "Money"
            << "Money.inv";
        QTest::newRow("open history")
            << FileKind::History << Direction::Open << "Import Draw History"
            << "Draw histories (*.csv *.txt *.tsv);;All files (*)"
            << "history"
            << "history";
        QTest::newRow("save CSV") << FileKind::Csv << Direction::Save << "Save as CSV"
                                  << "CSV files (*.csv)"
                                  << "stats"
                                  << "stats.csv";
        QTest::newRow("save chart") << FileKind::Chart << Direction::Save << "Save Image As"
                                    << "PNG images (*.png);;SVG images (*.svg)"
                                    << "chart"
                                    << "chart.png";
        QTest::newRow("save PDF") << FileKind::Pdf << Direction::Save
                                  << "No printer is available: save the printout as PDF"
                                  << "PDF documents (*.pdf)"
                                  << "out"
                                  << "out.pdf";
    }
    void showsTheDialogOfEachKind()
    {
        QFETCH(FileKind, fileKind);
        QFETCH(Direction, direction);
        QFETCH(QString, title);
        QFETCH(QString, filter);
        QFETCH(QString, answer);
        QFETCH(QString, chosen);
        const QString lotto = folder(QStringLiteral("lotto"));
        m_dialogs.answers = {QDir(lotto).filePath(answer)};
        const std::optional<FileChoice> choice
            = chooseFile(m_dialogs, fileKind, direction, m_state.proposedPath(QString()));
        QCOMPARE(m_dialogs.kinds,
                 QStringList {direction == Direction::Open ? QStringLiteral("open")
                                                           : QStringLiteral("save")});
        QCOMPARE(m_dialogs.titles, QStringList {title});
        QCOMPARE(m_dialogs.filters, QStringList {filter});
        QVERIFY(choice);
        QCOMPARE(choice->path, QDir(lotto).filePath(chosen));
        QCOMPARE(choice->kind, fileKind);
    }

    void cancelLeavesNoPath()
    {
        QVERIFY(!chooseFile(m_dialogs, FileKind::Draws, Direction::Open, QString()));
        QCOMPARE(m_dialogs.kinds, QStringList {"open"});
    }

    // A relative answer (a dialog of the desktop may give one) is taken from the current folder.
    void theChosenPathIsAbsolute()
    {
        m_dialogs.answers = {QStringLiteral("Draws.lto")};
        const std::optional<FileChoice> chosen
            = chooseFile(m_dialogs, FileKind::Draws, Direction::Save, QString());
        QVERIFY(chosen);
        QCOMPARE(chosen->path, QDir::current().filePath(QStringLiteral("Draws.lto")));
    }

    // The dialogs start where the last file was chosen, if a file can be saved there; else in the
    // first folder (here the documents folder of an installed program).
    void proposesAFolderThatCanBeWritten_data()
    {
        QTest::addColumn<QString>("lastFolder");
        QTest::addColumn<bool>("proposed");
        QTest::newRow("none chosen yet") << "" << false;
        QTest::newRow("a folder of the user's") << "lotto" << true;
        QTest::newRow("a folder gone since") << "gone" << false;
        QTest::newRow("the installed samples") << "samples" << false;
        QTest::newRow("a read-only folder") << "locked" << false;
    }
    void proposesAFolderThatCanBeWritten()
    {
        QFETCH(QString, lastFolder);
        QFETCH(bool, proposed);
        m_state.DocumentsDirectory = folder(QStringLiteral("Documents"));
        for (const char* made : {"lotto", "locked"})
            folder(QString::fromLatin1(made));
        QDir().mkpath(m_state.samplesDirectory());
        if (lastFolder == QLatin1String("samples"))
            lastFolder = QDir(m_home->path()).relativeFilePath(m_state.samplesDirectory());
        const QString locked = QDir(m_home->path()).filePath(QStringLiteral("locked"));
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
        if (lastFolder == QLatin1String("locked") && QFileInfo(locked).isWritable())
            QSKIP("This user may write to any folder.");
        if (!lastFolder.isEmpty())
            m_state.rememberFolderOf(
                QDir(m_home->path()).filePath(lastFolder + QStringLiteral("/Weekly.lto")));
        const QString expected
            = proposed ? QDir(m_home->path()).filePath(lastFolder) : m_state.DocumentsDirectory;
        QCOMPARE(m_state.proposedPath(QStringLiteral("Weekly.lto")),
                 QDir(expected).filePath(QStringLiteral("Weekly.lto")));
    }

private:
    // A folder below the test's home, made when missing.
    QString folder(const QString& name) const
    {
        const QString path = QDir(m_home->path()).filePath(name);
        QDir().mkpath(path);
        return path;
    }

    std::unique_ptr<QTemporaryDir> m_home;
    SharedState m_state;
    FakeFileDialogs m_dialogs;
};

QTEST_GUILESS_MAIN(TestChooseFile)
#include "tst_choosefile.moc"
