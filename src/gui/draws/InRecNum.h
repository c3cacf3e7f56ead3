// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "gui/common/NumberDialog.h"

// Asks which record to correct. Only digits can be typed; the caller checks the range.
class InRecNum : public NumberDialog {
    Q_OBJECT

public:
    explicit InRecNum(MessageBoxes& messages, QWidget* parent = nullptr);

    // Shows the dialog modally and returns its answer (see NumberDialog::answer).
    static std::optional<int> ask(MessageBoxes& messages, QWidget* parent);
};
