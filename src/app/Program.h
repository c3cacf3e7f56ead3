#pragma once

#include <QObject>

#include <memory>

class LBlankForm;
class ZudeMenu;
struct Services;
struct SharedState;

// Start-up and shut-down: prepares the shared state, reads the personal settings and puts up the
// backdrop and the main menu.
class Program : public QObject {
    Q_OBJECT

public:
    Program(SharedState& state, Services& services);
    ~Program() override;

    // The start-up steps; the menu is shown in front of the backdrop when it returns.
    void start();

    ZudeMenu* mainMenu() const { return m_menu.get(); }
    LBlankForm* backdrop() const { return m_backdrop.get(); }

Q_SIGNALS:
    // Every window has closed; the event loop may end.
    void finished();

private:
    void end();

    SharedState& m_state;
    Services& m_services;
    std::unique_ptr<LBlankForm> m_backdrop;
    std::unique_ptr<ZudeMenu> m_menu;
};
