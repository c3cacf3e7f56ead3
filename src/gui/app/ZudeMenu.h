// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QWidget>

#include <functional>

class Navigator;
class QLabel;
class QPushButton;
struct Services;
struct SharedState;

// The main menu window: the hub from which every tool window is opened (through the navigator)
// and the program ended.
class ZudeMenu : public QWidget {
    Q_OBJECT

public:
    ZudeMenu(SharedState& state, Services& services, Navigator& navigator,
             QWidget* parent = nullptr);

    // Shows the user's name when there is one, hides the label otherwise.
    void showUserName();
    // " File in Memory " and the title while a titled draw file is in memory; hidden otherwise.
    void showFileInMemory();

    // Opens a file named on the command line as the open commands do once a file is chosen: a
    // tracker file (.inv) in the tracker, a ticket book (.ltk) in My Tickets, any other in the
    // database window.
    void openGivenFile(const QString& path);

    // The exit sequence: asks before dropping records added since the last save. Returns true
    // when the program is to end.
    bool ExitProgram();

Q_SIGNALS:
    void programEnded();
    void helpRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void onClick(const char* name, std::function<void()> action);
    void openDatabaseWindow();

    SharedState& m_state;
    Services& m_services;
    Navigator& m_navigator;
    QLabel* m_myName = nullptr;
    QLabel* m_infoLabel = nullptr;
};
