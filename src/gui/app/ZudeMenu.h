// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/common/ChooseFile.h"

#include <QWidget>

#include <functional>
#include <optional>

class Navigator;
class QLabel;
class QMenu;
class QMimeData;
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
    // Opens a file of `kind` in its window: a draw file in the database window, a tracker file
    // in the tracker, a ticket book in My Tickets (each after asking when the document it
    // replaces holds unsaved work), a draw history in the import window.
    void openFile(FileKind kind, const QString& path);

    // Files dropped on `backdrop` while the menu shows are taken as if dropped on the menu.
    void takeDropsOn(QWidget* backdrop);

    // The exit sequence: asks before dropping records added since the last save. Returns true
    // when the program is to end.
    bool ExitProgram();

Q_SIGNALS:
    void programEnded();
    void helpRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onClick(const char* name, std::function<void()> action);
    void openDatabaseWindow();
    void buildRecentFiles();
    void showRecentFiles();
    // The one file of a kind the menu opens that `data` carries, if that is what it carries.
    static std::optional<std::pair<FileKind, QString>> droppedFile(const QMimeData* data);
    // Takes a drag or drop event for the menu; true when it was one.
    bool takeDrag(QEvent* event);

    SharedState& m_state;
    Services& m_services;
    Navigator& m_navigator;
    QLabel* m_myName = nullptr;
    QLabel* m_infoLabel = nullptr;
    QMenu* m_recentMenu = nullptr;
};
