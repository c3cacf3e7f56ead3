// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/draws/LotteryShape.h"

#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// The setup frame's controls beyond the classic boxes: the list of common games, which fills in
// the whole shape at once, and the row of the extra numbers (how many, drawn from the main pool
// or from a pool of their own, and its range), shown for a shape that has them or when asked
// for ("Other game"), so that the classic frame keeps its size.
struct ShapeChoices {
    // In twips: how much taller the frame is with the extra numbers' row.
    static constexpr int RowHeight = 345;

    QComboBox* common = nullptr;
    QLabel* extraLabel = nullptr;
    QLineEdit* extraNumbers = nullptr;
    QRadioButton* samePool = nullptr;
    QRadioButton* ownPool = nullptr;
    QLineEdit* lowest = nullptr;
    QLabel* to = nullptr;
    QLineEdit* highest = nullptr;

    // The controls show `shape`: the list its name when it is a common one, the row its extra
    // numbers, shown when `row` says so.
    void show(const LotteryShape& shape, bool row) const;
    // The shape the list's entry `index` stands for, if it stands for one.
    static std::optional<LotteryShape> listed(int index);
};

ShapeChoices BuildShapeChoices(QGroupBox* frame);
