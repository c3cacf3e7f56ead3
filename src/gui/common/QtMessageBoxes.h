// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/common/MessageBoxes.h"

// The real message boxes, shown over the active window.
class QtMessageBoxes : public MessageBoxes {
public:
    void inform(const QString& title, const QString& text) override;
    bool ask(const QString& title, const QString& text) override;
    bool askBeforeErasing(const QString& title, const QString& text) override;
    bool askToGoBack(const QString& title, const QString& text) override;
    void beep() override;
};
