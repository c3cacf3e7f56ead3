// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "GuiTestFixture.h"

#include "gui/app/Program.h"
#include "gui/app/ZudeMenu.h"
#include "gui/help/HelpViewer.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QtTest>

class TestHelpViewer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_fixture = std::make_unique<GuiTestFixture>();
        m_program = std::make_unique<Program>(m_fixture->state, m_fixture->services);
        m_program->start();
        QVERIFY(QTest::qWaitForWindowExposed(menu()));
    }
    void cleanup()
    {
        m_program.reset();
        m_fixture->verifyNothingUnexpected();
        m_fixture.reset();
    }

    void opensFromTheMenu()
    {
        click(menu(), "HowtoUse");
        HelpViewer* viewer = m_program->helpViewer();
        QVERIFY(viewer && viewer->isVisible());
        // Whole on the screen, whatever its size.
        QVERIFY(viewer->screen()->availableGeometry().contains(viewer->geometry()));
        QVERIFY(menu()->isVisible());
        QCOMPARE(currentSection(), QStringLiteral("menu"));
        QVERIFY(control<QListWidget>(viewer, "HelpContents")->count() >= 8);
        QVERIFY(control<QTextBrowser>(viewer, "HelpText")
                    ->toPlainText()
                    .contains(QStringLiteral("Sample.lto")));
    }

    void f1OpensTheSectionOfEachWindow_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QByteArray>("window");
        QTest::addColumn<QString>("section");
        QTest::newRow("menu") << QByteArray() << QByteArray("ZudeMenu") << "menu";
        QTest::newRow("database") << QByteArray("DBaseForm") << QByteArray("LDbase") << "database";
        QTest::newRow("Rado-d-Idorur") << QByteArray("PickForm") << QByteArray("Lottery") << "rado";
        QTest::newRow("graphs") << QByteArray("ShowGraph1") << QByteArray("LGraph") << "graphs";
        QTest::newRow("tracker") << QByteArray("InvTrack") << QByteArray("LInvTrack") << "tracker";
        QTest::newRow("import") << QByteArray("ImportDraws") << QByteArray("LImport") << "import";
    }
    void f1OpensTheSectionOfEachWindow()
    {
        QFETCH(QByteArray, button);
        QFETCH(QByteArray, window);
        QFETCH(QString, section);
        if (!button.isEmpty())
            click(menu(), button.constData());
        QWidget* shown = topLevel<QWidget>(window.constData());
        QVERIFY(shown);
        QWidget* target = shown->focusWidget() ? shown->focusWidget() : shown;
        QTest::keyClick(target, Qt::Key_F1);
        QVERIFY(m_program->helpViewer() && m_program->helpViewer()->isVisible());
        QCOMPARE(currentSection(), section);
        // The window itself stays as it was.
        QVERIFY(shown->isVisible());
        QVERIFY(m_fixture->messages.boxes.isEmpty());
        if (shown != menu())
            shown->close();
    }

    void f1OverTheModalSettingsWindow()
    {
        bool helpShown = false;
        m_fixture->answerDialog(QStringLiteral("ChangeFnt"), [&](QWidget* dialog) {
            QTest::keyClick(dialog->focusWidget(), Qt::Key_F1);
            HelpViewer* viewer = m_program->helpViewer();
            helpShown
                = viewer && viewer->isVisible() && viewer->windowModality() == Qt::ApplicationModal;
            viewer->close();
            QTest::mouseClick(control<QPushButton>(dialog, "ExitFonts"), Qt::LeftButton);
        });
        click(menu(), "PtrFnt");
        QVERIFY(helpShown);
        QCOMPARE(currentSection(), QStringLiteral("settings"));
    }

    void aMissingHelpIsAMessage()
    {
        m_program->setHelpDocumentPath(QStringLiteral(":/no/such/help.html"));
        click(menu(), "HowtoUse");
        QCOMPARE(m_fixture->messages.texts(), QStringList {" The help could not be opened."});
        QVERIFY(!m_program->helpViewer());
        QVERIFY(menu()->isVisible());
    }

    void findsText()
    {
        click(menu(), "HowtoUse");
        HelpViewer* viewer = m_program->helpViewer();
        QVERIFY(QTest::qWaitForWindowActive(viewer));
        QTest::keyClick(viewer, Qt::Key_F, Qt::ControlModifier);
        auto* find = control<QLineEdit>(viewer, "HelpFind");
        QVERIFY(find->isVisible());
        QTest::keyClicks(find, QStringLiteral("Sub Total"));
        QTest::keyClick(find, Qt::Key_Return);
        auto* text = control<QTextBrowser>(viewer, "HelpText");
        QCOMPARE(text->textCursor().selectedText().toLower(), QStringLiteral("sub total"));
        const int first = text->textCursor().position();
        QTest::keyClick(find, Qt::Key_Return);
        QVERIFY(text->textCursor().position() > first);
        QTest::keyClick(find, Qt::Key_Escape);
        QVERIFY(!find->isVisible());
    }

private:
    QString currentSection()
    {
        auto* contents = control<QListWidget>(m_program->helpViewer(), "HelpContents");
        return contents->currentItem() ? contents->currentItem()->data(Qt::UserRole).toString()
                                       : QString();
    }
    void click(QWidget* window, const char* name)
    {
        QTest::mouseClick(control<QPushButton>(window, name), Qt::LeftButton);
    }
    ZudeMenu* menu() { return m_program->mainMenu(); }

    std::unique_ptr<GuiTestFixture> m_fixture;
    std::unique_ptr<Program> m_program;
};

QTEST_MAIN(TestHelpViewer)
#include "tst_helpviewer.moc"
