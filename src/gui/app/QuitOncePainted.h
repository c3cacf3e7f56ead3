// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

// Ends the program once `window` has been painted: the quit waits in the queue behind the frame
// being put on the screen. For timing a start as a whole process; header-only, so that the
// benchmark's bare reference window uses it without linking the program.
class QuitOncePainted : public QObject {
public:
    explicit QuitOncePainted(QWidget* window) : QObject(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }
};

// Ends the program once the next window shown has been painted, whichever it is: a start that
// opens a file shows that file's window (or a message about it) in the menu's place, often
// before the menu was ever painted.
class QuitOnceNextWindowPainted : public QObject {
public:
    QuitOnceNextWindowPainted() : QObject(qApp) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && widget->isWindow() && !m_window) {
            m_window = widget;
        } else if (event->type() == QEvent::Paint && m_window && widget->window() == m_window) {
            qApp->removeEventFilter(this);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QPointer<QWidget> m_window;
};
