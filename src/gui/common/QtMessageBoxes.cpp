#include "QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

void QtMessageBoxes::inform(const QString& title, const QString& text)
{
    QMessageBox::information(QApplication::activeWindow(), title, text, QMessageBox::Ok);
}

bool QtMessageBoxes::ask(const QString& title, const QString& text)
{
    return QMessageBox::question(QApplication::activeWindow(), title, text,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

void QtMessageBoxes::beep()
{
    QApplication::beep();
}
