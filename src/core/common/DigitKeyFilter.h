// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/common/KeyCodes.h"

class MessageBoxes;

// Passes the digits "0".."9" and Backspace unchanged; any other key beeps and is dropped (0).
int DigitKeyFilter(int keyCode, MessageBoxes& messages);
