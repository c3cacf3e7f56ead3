// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "ToolWindow.h"

#include "gui/common/WidgetEvents.h"

#include <QCloseEvent>

ToolWindow::~ToolWindow()
{
    WidgetEvents::removeAll(this);
}

void ToolWindow::closeEvent(QCloseEvent* event)
{
    if (!mayLeave()) {
        event->ignore();
        return;
    }
    event->accept();
    Q_EMIT closed();
}

void ToolWindow::open(QWidget* opener, ToolWindow* window)
{
    // One window at a time: the opener steps aside until the tool window is left.
    opener->hide();
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &ToolWindow::closed, opener, [opener] {
        opener->show();
        opener->activateWindow();
    });
    window->show();
    window->activateWindow();
}
