// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "Program.h"

#include "core/app/SharedState.h"
#include "core/common/MessageBoxes.h"
#include "core/help/HelpDocument.h"
#include "gui/app/LBlankForm.h"
#include "gui/app/Navigator.h"
#include "gui/app/ZudeMenu.h"
#include "gui/common/Services.h"
#include "gui/help/HelpViewer.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>

Program::Program(SharedState& state, Services& services)
    : m_state(state)
    , m_services(services)
    , m_helpPath(QString::fromLatin1(HelpDocument::ResourcePath))
{
}

Program::~Program() = default;

void Program::start()
{
    if (m_state.ProgramDirectory.isEmpty())
        m_state.ProgramDirectory = QCoreApplication::applicationDirPath();
    QDir::setCurrent(m_state.ProgramDirectory);
    m_state.chooseFileFolders();

    // The record table and the counts are created empty with the store itself.
    m_navigator = std::make_unique<Navigator>(m_state, m_services);
    m_menu = std::make_unique<ZudeMenu>(m_state, m_services, *m_navigator);
    const PersonalSettingsReadResult settings
        = ReadPersonalSettingsFile(m_state.settingsFilePath());
    m_state.Settings = settings.settings;
    // A damaged file leaves the name label as it was.
    if (settings.complete)
        m_menu->showUserName();
    m_state.Recent = RecentFiles::ReadFile(m_state.recentFilesPath());

    m_backdrop = std::make_unique<LBlankForm>();
    m_backdrop->show();
    m_menu->takeDropsOn(m_backdrop.get());

    m_state.applyPersonalShape();

    connect(m_menu.get(), &ZudeMenu::programEnded, this, &Program::end);
    connect(m_menu.get(), &ZudeMenu::helpRequested, this,
            [this] { showHelp(m_menu->objectName()); });
    qApp->installEventFilter(this);
    connect(m_backdrop.get(), &LBlankForm::closeRequested, this, [this] {
        if (m_menu->ExitProgram())
            end();
    });
    m_menu->show();
    m_menu->raise();
    m_menu->activateWindow();
    if (m_state.Recent.reopenAtStart())
        reopenLastFiles();
}

void Program::reopenLastFiles()
{
    QStringList failures;
    for (Document* document :
         std::initializer_list<Document*> {&m_state.Tickets, &m_state.Tracker}) {
        const std::optional<QString> path = m_state.Recent.newest(document->kind());
        // A file moved or deleted since is no surprise: the user sees the document empty.
        if (!path || !QFileInfo::exists(*path))
            continue;
        QString reason;
        if (!document->load(*path, reason))
            failures.append(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(*path), reason));
    }
    if (!failures.isEmpty())
        m_services.messages.inform(
            LoadingErrorTitle,
            QStringLiteral("The last ticket book or tracker file could not be opened again:")
                + QLatin1Char('\n') + failures.join(QLatin1Char('\n')));
}

void Program::openFile(const QString& path)
{
    const QFileInfo file(path);
    // The next file dialog starts where this file is, as after choosing it in one.
    m_state.rememberFolderOf(file.absoluteFilePath());
    m_menu->openGivenFile(file.absoluteFilePath());
}

void Program::showHelp(const QString& windowName)
{
    if (!m_helpViewer) {
        const std::optional<QString> html = HelpDocument::Load(m_helpPath);
        if (!html) {
            m_services.messages.inform(HelpTitle, QStringLiteral(" The help could not be opened."));
            return;
        }
        m_helpViewer = std::make_unique<HelpViewer>(*html);
    }
    // Over a modal window the help must be modal too, or it could not be read.
    const Qt::WindowModality modality = QApplication::activeModalWidget()
            && QApplication::activeModalWidget() != m_helpViewer.get()
        ? Qt::ApplicationModal
        : Qt::NonModal;
    if (m_helpViewer->windowModality() != modality) {
        m_helpViewer->hide();
        m_helpViewer->setWindowModality(modality);
    }
    m_helpViewer->showSection(HelpDocument::AnchorForWindow(windowName));
    m_helpViewer->show();
    m_helpViewer->raise();
    m_helpViewer->activateWindow();
}

bool Program::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1
        || !watched->isWidgetType())
        return false;
    const QWidget* window = static_cast<QWidget*>(watched)->window();
    if (window == m_helpViewer.get())
        return true;
    showHelp(window->objectName());
    return true;
}

void Program::end()
{
    // Nothing is saved: every window simply goes.
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    Q_EMIT finished();
}
