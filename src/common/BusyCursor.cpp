#include "BusyCursor.h"

#include <QApplication>
#include <QGuiApplication>

BusyCursor::BusyCursor()
{
    set();
}

BusyCursor::~BusyCursor()
{
    restore();
}

void BusyCursor::set()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void BusyCursor::restore()
{
    // Restoring only what was set keeps an unmatched restore harmless.
    if (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}
