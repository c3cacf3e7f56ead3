// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "gui/common/NumberDialog.h"

// Asks at which row the tracker inserts a blank line. Only digits can be typed.
class InInvNum : public NumberDialog {
    Q_OBJECT

public:
    // `rowHint` is the row the prompt suggests.
    InInvNum(int rowHint, MessageBoxes& messages, QWidget* parent = nullptr);

    // Shows the dialog modally and returns its answer (see NumberDialog::answer).
    static std::optional<int> ask(int rowHint, MessageBoxes& messages, QWidget* parent);
};
