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

bool QtMessageBoxes::askToGoBack(const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void QtMessageBoxes::beep()
{
    QApplication::beep();
}
