#include "ToolWindow.h"

#include <QCloseEvent>

void ToolWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    Q_EMIT closed();
}
