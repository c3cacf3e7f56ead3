// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace {

// Messages name files, titles and reasons as they are: shown as plain text, so that nothing in
// them is read as markup.
int showBox(QMessageBox::Icon icon, const QString& title, const QString& text,
            QMessageBox::StandardButtons buttons, QMessageBox::StandardButton escape,
            QMessageBox::StandardButton byDefault = QMessageBox::NoButton)
{
    QMessageBox box(icon, title, text, buttons, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    if (byDefault == QMessageBox::NoButton)
        byDefault = buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok;
    box.setDefaultButton(byDefault);
    if (escape != QMessageBox::NoButton)
        box.setEscapeButton(escape);
    return box.exec();
}

} // namespace

void QtMessageBoxes::inform(const QString& title, const QString& text)
{
    showBox(QMessageBox::Information, title, text, QMessageBox::Ok, QMessageBox::NoButton);
}

bool QtMessageBoxes::ask(const QString& title, const QString& text)
{
    return showBox(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                   QMessageBox::NoButton)
        == QMessageBox::Yes;
}

bool QtMessageBoxes::askBeforeErasing(const QString& title, const QString& text)
{
    return showBox(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                   QMessageBox::NoButton, QMessageBox::No)
        == QMessageBox::Yes;
}

bool QtMessageBoxes::askToGoBack(const QString& title, const QString& text)
{
    return showBox(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                   QMessageBox::Yes)
        == QMessageBox::Yes;
}

void QtMessageBoxes::beep()
{
    QApplication::beep();
}
