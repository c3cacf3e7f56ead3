// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QWidget>

// A window opened from the main menu. Leaving it, by its exit button or through the window
// frame, closes it and emits closed() so that the window that opened it comes back.
class ToolWindow : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;
    // The derived window is gone by now: its event hooks go before the controls are destroyed.
    ~ToolWindow() override;

    // Hides `opener` and shows `window` in its place; the opener comes back when the window is
    // left, and the window is deleted then.
    static void open(QWidget* opener, ToolWindow* window);

Q_SIGNALS:
    void closed();

protected:
    // Asked before the window closes, by its exit button or its frame; false keeps it open.
    virtual bool mayLeave() { return true; }
    void closeEvent(QCloseEvent* event) override;
};
