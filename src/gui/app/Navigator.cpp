// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "Navigator.h"

#include "gui/analysis/LGraph.h"
#include "gui/analysis/Lottery.h"
#include "gui/app/ChangeFnt.h"
#include "gui/common/BusyCursor.h"
#include "gui/draws/LDbase.h"
#include "gui/draws/LImport.h"
#include "gui/tickets/LTickets.h"
#include "gui/tracker/LInvTrack.h"
#include "gui/wheels/LWheels.h"

Navigator::Navigator(SharedState& state, Services& services) : m_state(state), m_services(services)
{
}

ToolWindow* Navigator::openDatabase(QWidget* opener)
{
    opener->hide();
    // Building the grids of a large database takes a moment.
    BusyCursor busy;
    auto* database = new LDbase(m_state, m_services);
    connect(database, &LDbase::graphsRequested, this, [this, database] { openGraphs(database); });
    ToolWindow::open(opener, database);
    return database;
}

ToolWindow* Navigator::openRadoDIdorur(QWidget* opener)
{
    auto* window = new Lottery(m_state, m_services);
    connect(window, &Lottery::wheelRequested, this,
            [this, window](const QList<int>& numbers, const LotteryShape& shape) {
                openWheels(window, numbers, shape);
            });
    ToolWindow::open(opener, window);
    return window;
}

ToolWindow* Navigator::openGraphs(QWidget* opener)
{
    auto* window = new LGraph(m_state, m_services);
    ToolWindow::open(opener, window);
    return window;
}

ToolWindow* Navigator::openTracker(QWidget* opener, const QString& file)
{
    auto* window = new LInvTrack(m_state, m_services);
    ToolWindow::open(opener, window);
    if (!file.isEmpty())
        window->OpenTrackerFile(file);
    return window;
}

ToolWindow* Navigator::openTracker(QWidget* opener)
{
    return openTracker(opener, QString());
}

ToolWindow* Navigator::openImport(QWidget* opener, std::function<void()> imported,
                                  const QString& file)
{
    auto* window = new LImport(m_state, m_services);
    connect(window, &LImport::imported, this, std::move(imported));
    ToolWindow::open(opener, window);
    if (!file.isEmpty())
        window->OpenHistoryFile(file);
    return window;
}

ToolWindow* Navigator::openImport(QWidget* opener, std::function<void()> imported)
{
    return openImport(opener, std::move(imported), QString());
}

ToolWindow* Navigator::openWheels(QWidget* opener)
{
    auto* window = new LWheels(m_state, m_services);
    ToolWindow::open(opener, window);
    return window;
}

ToolWindow* Navigator::openWheels(QWidget* opener, const QList<int>& numbers,
                                  const LotteryShape& shape)
{
    auto* window = new LWheels(m_state, m_services, numbers, shape);
    ToolWindow::open(opener, window);
    return window;
}

ToolWindow* Navigator::openTickets(QWidget* opener, const QString& file)
{
    auto* window = new LTickets(m_state, m_services);
    ToolWindow::open(opener, window);
    if (!file.isEmpty())
        window->OpenTicketBook(file);
    return window;
}

ToolWindow* Navigator::openTickets(QWidget* opener)
{
    return openTickets(opener, QString());
}

void Navigator::openSettings(QWidget* opener)
{
    opener->hide();
    ChangeFnt settings(m_state, m_services);
    settings.exec();
    opener->show();
    opener->activateWindow();
}
