// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QString>

class QLineEdit;
class QWidget;

// The frame at the top of the database and import windows: numbers per draw, the highest number
// and the title, in yellow boxes at the same places in both.
struct ShapeBoxes {
    QLineEdit* numbersPerDraw = nullptr;
    QLineEdit* highestNumber = nullptr;
    QLineEdit* title = nullptr;
};
ShapeBoxes BuildShapeFrame(QWidget* window, const QString& caption);
