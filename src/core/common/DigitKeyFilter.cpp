// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "DigitKeyFilter.h"

#include "core/common/MessageBoxes.h"

int DigitKeyFilter(int keyCode, MessageBoxes& messages)
{
    if ((keyCode >= '0' && keyCode <= '9') || keyCode == KeyBackspace)
        return keyCode;
    messages.beep();
    return KeyDropped;
}
