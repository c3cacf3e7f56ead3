#include "FakeFileDialogs.h"

#include "core/app/FileDirectory.h"
#include "core/app/SharedState.h"

#include <QtTest>

class TestFileDirectory : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_state = SharedState();
        m_state.ProgramDirectory = QStringLiteral("/opt/numerion");
        m_state.Store.SetFileDisplayName(QStringLiteral("Weekly.lto"));
        m_state.TrackerFileName = QStringLiteral("Money.inv");
        m_dialogs = FakeFileDialogs();
    }

    void showsTheDialogOfEachMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("proposal");
        const QString draws = QStringLiteral("Lottery Winning Numbers Database (*.lto)");
        const QString tracker = QStringLiteral("Investment Tracker Databases (*.inv)");
        QTest::newRow("open draws") << 1 << "open" << draws << "/opt/numerion/Weekly.lto";
        QTest::newRow("save draws") << 2 << "save" << draws << "/opt/numerion/Weekly.lto";
        QTest::newRow("open tracker") << 3 << "open" << tracker << "/opt/numerion/Money.inv";
        QTest::newRow("save tracker") << 4 << "save" << tracker << "/opt/numerion/Money.inv";
    }
    void showsTheDialogOfEachMode()
    {
        QFETCH(int, mode);
        QFETCH(QString, kind);
        QFETCH(QString, filter);
        QFETCH(QString, proposal);
        m_dialogs.answers = {QStringLiteral("/home/ann/lotto/Chosen.x")};
        m_state.ActionMode = mode;
        FileDirectory(m_state, m_dialogs);
        QCOMPARE(m_dialogs.kinds, QStringList {kind});
        QCOMPARE(m_dialogs.filters, QStringList {filter});
        QCOMPARE(m_dialogs.proposals, QStringList {proposal});
        QCOMPARE(m_state.ActionMode, mode);
        QCOMPARE(m_state.FilePath, QStringLiteral("/home/ann/lotto/Chosen.x"));

        // The next dialog starts in the folder chosen.
        FileDirectory(m_state, m_dialogs);
        QVERIFY(m_dialogs.proposals.last().startsWith(QStringLiteral("/home/ann/lotto/")));
    }

    void cancelLeavesNoPath()
    {
        m_state.FilePath = QStringLiteral("/old");
        m_state.ActionMode = ActionOpenOrCorrect;
        FileDirectory(m_state, m_dialogs);
        QCOMPARE(m_state.ActionMode, int(ActionDialogCancelled));
        QVERIFY(m_state.FilePath.isEmpty());
    }

    void otherModesShowNoDialog_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("idle") << 0;
        QTest::newRow("cancelled") << 6;
        QTest::newRow("natural order") << 10;
    }
    void otherModesShowNoDialog()
    {
        QFETCH(int, mode);
        m_state.ActionMode = mode;
        m_state.FilePath = QStringLiteral("/old");
        FileDirectory(m_state, m_dialogs);
        QVERIFY(m_dialogs.kinds.isEmpty());
        QCOMPARE(m_state.FilePath, QStringLiteral("/old"));
        QCOMPARE(m_state.ActionMode, mode);
    }

private:
    SharedState m_state;
    FakeFileDialogs m_dialogs;
};

QTEST_GUILESS_MAIN(TestFileDirectory)
#include "tst_filedirectory.moc"
