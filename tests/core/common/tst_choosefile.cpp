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
        m_state.ProgramDirectory = QStringLiteral("/opt/numerion");
        m_state.Store.SetFileDisplayName(QStringLiteral("Weekly.lto"));
        m_state.TrackerFileName = QStringLiteral("Money.inv");
        m_dialogs = FakeFileDialogs();
    }

    void showsTheDialogOfEachKind_data()
    {
        QTest::addColumn<FileKind>("fileKind");
        QTest::addColumn<Direction>("direction");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("proposal");
        const QString draws = QStringLiteral("Lottery Winning Numbers Database (*.lto)");
        const QString tracker = QStringLiteral("Investment Tracker Databases (*.inv)");
        QTest::newRow("open draws")
            << FileKind::Draws << Direction::Open << "open" << draws << "/opt/numerion/Weekly.lto";
        QTest::newRow("save draws")
            << FileKind::Draws << Direction::Save << "save" << draws << "/opt/numerion/Weekly.lto";
        QTest::newRow("open tracker") << FileKind::Tracker << Direction::Open << "open" << tracker
                                      << "/opt/numerion/Money.inv";
        QTest::newRow("save tracker") << FileKind::Tracker << Direction::Save << "save" << tracker
                                      << "/opt/numerion/Money.inv";
    }
    void showsTheDialogOfEachKind()
    {
        QFETCH(FileKind, fileKind);
        QFETCH(Direction, direction);
        QFETCH(QString, kind);
        QFETCH(QString, filter);
        QFETCH(QString, proposal);
        m_dialogs.answers = {QStringLiteral("/home/ann/lotto/Chosen.x")};
        const std::optional<QString> chosen
            = chooseFile(m_dialogs, fileKind, direction, proposed(fileKind));
        QCOMPARE(m_dialogs.kinds, QStringList {kind});
        QCOMPARE(m_dialogs.filters, QStringList {filter});
        QCOMPARE(m_dialogs.proposals, QStringList {proposal});
        QCOMPARE(chosen, std::optional<QString>(QStringLiteral("/home/ann/lotto/Chosen.x")));

        // The next dialog starts in the folder chosen.
        m_state.rememberFolderOf(*chosen);
        chooseFile(m_dialogs, fileKind, direction, proposed(fileKind));
        QVERIFY(m_dialogs.proposals.last().startsWith(QStringLiteral("/home/ann/lotto/")));
    }

    void cancelLeavesNoPath()
    {
        QCOMPARE(chooseFile(m_dialogs, FileKind::Draws, Direction::Open, proposed(FileKind::Draws)),
                 std::nullopt);
        QCOMPARE(m_dialogs.kinds, QStringList {"open"});
        QCOMPARE(m_state.LastFolder, QString());
    }

    // A relative answer (a dialog of the desktop may give one) is taken from the current folder.
    void theChosenPathIsAbsolute()
    {
        m_dialogs.answers = {QStringLiteral("Draws.lto")};
        const std::optional<QString> chosen
            = chooseFile(m_dialogs, FileKind::Draws, Direction::Save, proposed(FileKind::Draws));
        QCOMPARE(chosen,
                 std::optional<QString>(QDir::current().filePath(QStringLiteral("Draws.lto"))));
    }

private:
    // The name of the file in memory, in the folder the dialogs start in.
    QString proposed(FileKind kind) const
    {
        return m_state.proposedPath(kind == FileKind::Draws ? m_state.Store.FileDisplayName()
                                                            : m_state.TrackerFileName);
    }

    SharedState m_state;
    FakeFileDialogs m_dialogs;
};

QTEST_GUILESS_MAIN(TestChooseFile)
#include "tst_choosefile.moc"
