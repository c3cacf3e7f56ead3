#include "QtFileDialogs.h"

#include <QApplication>
#include <QFileDialog>

// The static functions use the platform's own dialog where the desktop has one.

QString QtFileDialogs::openFileName(const QString& title, const QString& proposedPath,
                                    const QString& filter)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, proposedPath, filter);
}

QString QtFileDialogs::saveFileName(const QString& title, const QString& proposedPath,
                                    const QString& filter)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, proposedPath, filter);
}
