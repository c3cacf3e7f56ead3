#include "Program.h"

#include "app/LBlankForm.h"
#include "app/SharedState.h"
#include "app/ZudeMenu.h"
#include "common/PrinterPort.h"
#include "common/Services.h"
#include "draws/LinesPerPage.h"

#include <QApplication>
#include <QDir>

Program::Program(SharedState& state, Services& services) : m_state(state), m_services(services)
{
}

Program::~Program() = default;

void Program::start()
{
    // The settings file is looked up in the program's own directory.
    if (m_state.ProgramDirectory.isEmpty())
        m_state.ProgramDirectory = QCoreApplication::applicationDirPath();
    QDir::setCurrent(m_state.ProgramDirectory);

    m_state.LinesPerPage = LinesPerPageFor(m_services.printer.lineHeightTwips());

    // The record table and the counts are created empty with the store itself.
    m_menu = std::make_unique<ZudeMenu>(m_state, m_services);
    const PersonalSettingsReadResult settings
        = ReadPersonalSettingsFile(m_state.settingsFilePath());
    m_state.Settings = settings.settings;
    // A damaged file leaves the name label as it was.
    if (settings.complete)
        m_menu->showUserName();

    m_backdrop = std::make_unique<LBlankForm>();
    m_backdrop->show();

    m_state.applyPersonalShape();

    connect(m_menu.get(), &ZudeMenu::programEnded, this, &Program::end);
    connect(m_backdrop.get(), &LBlankForm::closeRequested, this, [this] {
        if (m_menu->ExitProgram())
            end();
    });
    m_menu->show();
    m_menu->raise();
    m_menu->activateWindow();
}

void Program::end()
{
    // Nothing is saved: every window simply goes.
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    Q_EMIT finished();
}
