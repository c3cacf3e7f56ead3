// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "FileBytes.h"
#include "GuiTestFixture.h"

#include "gui/app/LBlankForm.h"
#include "gui/app/Program.h"
#include "gui/app/ZudeMenu.h"

#include <QCheckBox>
#include <QDir>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>
#include <QtTest>

// The menu's ways back to the user's files: the recent files, the files reopened at start and
// the files dropped on it.
class TestRecentMenu : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_fixture = std::make_unique<GuiTestFixture>(); }
    void cleanup()
    {
        closeToolWindows();
        m_program.reset();
        m_fixture->verifyNothingUnexpected();
        m_fixture.reset();
    }

    void opensARecentFileAfterARestart()
    {
        const QString draws = sample("Sample.lto", "Mine.lto");
        const QString gone = sample("Sample.inv", "Gone.inv");
        start();
        // Opened through the tracker's own command: whatever window opened it, it is recent.
        m_fixture->fileDialogs.answers = {gone};
        QTest::mouseClick(control<QPushButton>(menu(), "InvTrack"), Qt::LeftButton);
        QTest::mouseClick(control<QPushButton>(topLevel<QWidget>("LInvTrack"), "Loadnet"),
                          Qt::LeftButton);
        delete topLevel<QWidget>("LInvTrack");
        m_fixture->fileDialogs.answers = {draws};
        QTest::mouseClick(control<QPushButton>(menu(), "LoadFile"), Qt::LeftButton);
        delete topLevel<QWidget>("LDbase");
        QVERIFY(QFile::remove(gone));

        restart();
        QCOMPARE(recentTexts(), QStringList({"&1 Mine.lto   (" + folder() + ")"}));
        QVERIFY(!fileBytes(m_fixture->state.recentFilesPath()).contains("Gone"));
        menu()->findChild<QAction*>(QStringLiteral("RecentFile1"))->trigger();
        QVERIFY(topLevel<QWidget>("LDbase"));
        QCOMPARE(m_fixture->state.Store.filePath(), draws);
        QVERIFY(m_fixture->state.Store.RecCount() > 0);
    }

    void reopensTheLastTicketBookAndTrackerFile()
    {
        const QString tracker = sample("Sample.inv", "Mine.inv");
        const QString tickets = m_fixture->programPath(QStringLiteral("Mine.ltk"));
        QString reason;
        QVERIFY2(TicketBookDocument().save(tickets, reason), qPrintable(reason));
        start();
        for (const QString& file : {tracker, tickets})
            menu()->openFile(*OpenedKindOf(file), file);
        delete topLevel<QWidget>("LInvTrack");
        delete topLevel<QWidget>("LTickets");
        restart();
        // Off at first.
        QCOMPARE(m_fixture->state.Tracker.filePath(), QString());
        m_fixture->answerDialog(QStringLiteral("ChangeFnt"), [](QWidget* dialog) {
            QTest::mouseClick(control<QLabel>(dialog, "ReopenLabel"), Qt::LeftButton);
            QVERIFY(control<QCheckBox>(dialog, "ReopenLast")->isChecked());
            QTest::mouseClick(control<QPushButton>(dialog, "ExitFonts"), Qt::LeftButton);
        });
        QTest::mouseClick(control<QPushButton>(menu(), "PtrFnt"), Qt::LeftButton);

        restart();
        QCOMPARE(m_fixture->state.Tracker.filePath(), tracker);
        QCOMPARE(m_fixture->state.Tickets.filePath(), tickets);
        QVERIFY(m_fixture->messages.boxes.isEmpty());

        // A file that is there but cannot be read is named in one message; a missing one is not.
        QVERIFY(QFile::remove(tickets));
        QFile broken(tracker);
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("no tracker file\r\n");
        broken.close();
        restart();
        QCOMPARE(m_fixture->messages.boxes.size(), 1);
        QVERIFY(m_fixture->messages.lastText().contains(QDir::toNativeSeparators(tracker)));
        QCOMPARE(m_fixture->state.Tickets.filePath(), QString());
    }

    void opensAFileDroppedOnTheMenu_data()
    {
        QTest::addColumn<QString>("sampleName");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("window");
        QTest::newRow("draw file") << "Sample.lto"
                                   << "Dropped.LTO"
                                   << "LDbase";
        QTest::newRow("tracker file") << "Sample.inv"
                                      << "Dropped.inv"
                                      << "LInvTrack";
        QTest::newRow("ticket book") << ""
                                     << "Dropped.ltk"
                                     << "LTickets";
        QTest::newRow("draw history") << "Sample-history.csv"
                                      << "Dropped.csv"
                                      << "LImport";
    }
    void opensAFileDroppedOnTheMenu()
    {
        QFETCH(QString, sampleName);
        QFETCH(QString, name);
        QFETCH(QString, window);
        QString path;
        if (sampleName.isEmpty()) {
            path = m_fixture->programPath(name);
            QString reason;
            QVERIFY(TicketBookDocument().save(path, reason));
        } else {
            path = sample(sampleName.toLatin1().constData(), name.toLatin1().constData());
        }
        start();
        // Unsaved draws are asked about before a draw file replaces them; the user goes back.
        LoadWeeklyDraws(m_fixture->state.Store, {6, 49}, {{1, 2, 3, 4, 5, 6}});
        AppendTyped(m_fixture->state.Store, QStringLiteral("1996-09-14"),
                    {"1", "2", "3", "4", "5", "7"});
        const bool draws = window == QLatin1String("LDbase");
        if (draws)
            m_fixture->messages.answerNext(true);
        QVERIFY(drop(menu(), {path}));
        QTest::qWait(0);
        QCOMPARE(topLevel<QWidget>(window.toLatin1().constData()) != nullptr, !draws);
        if (draws) {
            m_fixture->messages.answerNext(false);
            QVERIFY(drop(m_program->backdrop(), {path}));
            QTRY_VERIFY(topLevel<QWidget>("LDbase"));
            QCOMPARE(m_fixture->state.Store.filePath(), path);
        }
        if (window == QLatin1String("LImport"))
            QCOMPARE(control<QLabel>(topLevel<QWidget>("LImport"), "FileName")->text(), name);
        // Behind a tool window the backdrop takes nothing.
        QVERIFY(!drop(m_program->backdrop(), {path}));
        delete topLevel<QWidget>(window.toLatin1().constData());
    }

    void refusesWhatItCannotOpen()
    {
        const QString draws = sample("Sample.lto", "Mine.lto");
        const QString other = sample("Sample.lto", "Mine.pdf");
        start();
        QVERIFY(!drop(menu(), {other}));
        // One window opens at a time: two files are refused as a whole.
        QVERIFY(!drop(menu(), {draws, draws}));
        QVERIFY(drop(menu(), {draws}));
        QTRY_VERIFY(topLevel<QWidget>("LDbase"));
        delete topLevel<QWidget>("LDbase");
    }

private:
    QString sample(const char* sampleName, const char* name) const
    {
        const QString path = m_fixture->programPath(QString::fromLatin1(name));
        QFile::remove(path);
        if (!QFile::copy(QStringLiteral(NUMERION_SAMPLE_DIR "/") + QLatin1String(sampleName), path))
            qFatal("sample %s not copied", sampleName);
        QFile(path).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        return path;
    }
    QString folder() const { return QDir::toNativeSeparators(m_fixture->programDir.path()); }

    void start()
    {
        m_program = std::make_unique<Program>(m_fixture->state, m_fixture->services);
        m_program->start();
    }
    // As the program starts again: its state afresh, its files as they are.
    void restart()
    {
        m_program.reset();
        m_fixture->startAfresh();
        m_fixture->messages.clear();
        start();
    }
    ZudeMenu* menu() const { return m_program->mainMenu(); }

    QStringList recentTexts() const
    {
        auto* recent = menu()->findChild<QMenu*>(QStringLiteral("RecentMenu"));
        QTest::mouseClick(control<QToolButton>(menu(), "RecentFiles"), Qt::LeftButton);
        if (!recent->isVisible())
            qFatal("the recent files are not shown");
        QStringList texts;
        for (const QAction* action : recent->actions())
            if (!action->isSeparator() && action->objectName() != QLatin1String("ClearRecent"))
                texts.append(action->text());
        recent->hide();
        return texts;
    }

    // Drags `paths` over `target` and lets go; whether the drop was taken.
    static bool drop(QWidget* target, const QStringList& paths)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls.append(QUrl::fromLocalFile(path));
        data.setUrls(urls);
        const QPointF at(target->width() / 2, target->height() / 2);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        return enter.isAccepted() && drop.isAccepted();
    }

    std::unique_ptr<GuiTestFixture> m_fixture;
    std::unique_ptr<Program> m_program;
};

QTEST_MAIN(TestRecentMenu)
#include "tst_recentmenu.moc"
