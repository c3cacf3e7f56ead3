// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "InRecNum.h"

InRecNum::InRecNum(MessageBoxes& messages, QWidget* parent)
    : NumberDialog("InRecNum", QStringLiteral(" Type in Record           Number to Correct"),
                   {.height = 2010,
                    .boxLeft = 585,
                    .stripTop = 1590,
                    .stripWidth = 2400,
                    .cancelLeft = 135,
                    .buttonsTop = 1650},
                   messages, parent)
{
}

std::optional<int> InRecNum::ask(MessageBoxes& messages, QWidget* parent)
{
    InRecNum dialog(messages, parent);
    dialog.exec();
    return dialog.answer();
}
