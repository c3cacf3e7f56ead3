#pragma once

#include <QCoreApplication>
#include <QEvent>
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
