#include "QtFileDialogs.h"

#include <QApplication>
#include <QFileDialog>

QString QtFileDialogs::saveFileName(const QString& title, const QString& proposedPath,
                                    const QString& filter)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, proposedPath, filter);
}
