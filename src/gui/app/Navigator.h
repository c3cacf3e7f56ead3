// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QList>
#include <QObject>

#include <functional>

struct LotteryShape;
class QString;
class QWidget;
class ToolWindow;
struct Services;
struct SharedState;

// Opens the tool windows: the one place that knows them all. A window that opens a window of
// another subsystem asks here rather than constructing it (the menu for every tool window, the
// database window for the graphs), so that no subsystem includes another's windows.
//
// Each open hides `opener` and shows the new window in its place; the opener comes back when the
// window is left, and the window is deleted then.
class Navigator : public QObject {
    Q_OBJECT

public:
    Navigator(SharedState& state, Services& services);

    ToolWindow* openDatabase(QWidget* opener);
    ToolWindow* openRadoDIdorur(QWidget* opener);
    ToolWindow* openGraphs(QWidget* opener);
    // With a `file`, the tracker reads it as its open command does with the file chosen.
    ToolWindow* openTracker(QWidget* opener, const QString& file);
    ToolWindow* openTracker(QWidget* opener);
    // `imported` runs once the window has put imported draws into the store and closed.
    ToolWindow* openImport(QWidget* opener, std::function<void()> imported);
    // With a `file`, the window reads that draw history as its choose command does.
    ToolWindow* openImport(QWidget* opener, std::function<void()> imported, const QString& file);
    ToolWindow* openWheels(QWidget* opener);
    // The numbers to wheel given, of a game of `shape` (the sets on screen in Rado-d-Idorur).
    ToolWindow* openWheels(QWidget* opener, const QList<int>& numbers, const LotteryShape& shape);
    // "My Tickets": the ticket book, checked against the draws in memory. Windows that hand
    // tickets over add them with PlayTickets (core/app/PlayTickets.h) first.
    ToolWindow* openTickets(QWidget* opener);
    // With a `file`, the window reads that ticket book as "&Open Book" does with the file chosen.
    ToolWindow* openTickets(QWidget* opener, const QString& file);
    // The settings window, modally: returns once it has closed.
    void openSettings(QWidget* opener);

private:
    SharedState& m_state;
    Services& m_services;
};
