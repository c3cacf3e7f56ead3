// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QObject>

#include <memory>

class HelpViewer;
class LBlankForm;
class Navigator;
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
    // Opens a file named on the command line as the open commands would: a tracker file (.inv)
    // in the tracker, any other in the database window.
    void openFile(const QString& path);

    ZudeMenu* mainMenu() const { return m_menu.get(); }

    // Opens the help at the section about `windowName`; a message when it cannot be read.
    void showHelp(const QString& windowName);
    HelpViewer* helpViewer() const { return m_helpViewer.get(); }
    // Where the help document is read from; tests point it elsewhere.
    void setHelpDocumentPath(const QString& path) { m_helpPath = path; }
    LBlankForm* backdrop() const { return m_backdrop.get(); }

Q_SIGNALS:
    // Every window has closed; the event loop may end.
    void finished();

protected:
    // F1 opens the help from every window of the program.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void end();
    // When the user wants it, reads the last ticket book and tracker file into their documents;
    // one message names those that exist but cannot be read.
    void reopenLastFiles();

    SharedState& m_state;
    Services& m_services;
    std::unique_ptr<LBlankForm> m_backdrop;
    std::unique_ptr<Navigator> m_navigator;
    std::unique_ptr<ZudeMenu> m_menu;
    std::unique_ptr<HelpViewer> m_helpViewer;
    QString m_helpPath;
};
