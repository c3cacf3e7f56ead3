// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
// The reference for start-up: a bare Qt program that shows a window of ten buttons, the size of
// the main menu, and ends once it has been painted, as `numerion --quit-after-show` does.
#include "gui/app/QuitOncePainted.h"

#include <QApplication>
#include <QPushButton>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(632, 424);
    for (int i = 0; i < 10; ++i) {
        auto* button = new QPushButton(QStringLiteral("Button %1").arg(i + 1), &window);
        button->setGeometry(16 + (i % 2) * 304, 16 + (i / 2) * 80, 288, 64);
    }
    new QuitOncePainted(&window);
    window.show();
    return app.exec();
}
