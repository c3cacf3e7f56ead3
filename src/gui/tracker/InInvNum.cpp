// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "InInvNum.h"

#include "gui/common/Twips.h"

InInvNum::InInvNum(int rowHint, MessageBoxes& messages, QWidget* parent)
    : NumberDialog("InInvNum",
                   QStringLiteral("   Insert a blank line       at line number ")
                       + QString::number(rowHint) + QStringLiteral(" ?"),
                   {.height = 2070,
                    .boxLeft = 630,
                    .stripTop = 1650,
                    .stripWidth = 2430,
                    .cancelLeft = 90,
                    .buttonsTop = 1710},
                   messages, parent)
{
    // Its own place on the screen, rather than centred over the tracker.
    setGeometry(TwipsRect(3405, 2775, 2430, 2070));
}

std::optional<int> InInvNum::ask(int rowHint, MessageBoxes& messages, QWidget* parent)
{
    InInvNum dialog(rowHint, messages, parent);
    dialog.exec();
    return dialog.answer();
}
