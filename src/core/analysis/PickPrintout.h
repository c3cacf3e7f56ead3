// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/analysis/NumberPicker.h"
#include "core/common/Printout.h"

// The printout of the picked sets: each set on one line, underlined; its extra numbers, if the
// shape has any, after a plus sign behind the main ones.
Printout PickPrintout(const PickedSets& sets, int picksPerSet, int setCount,
                      const PickedExtras& extras = NoExtras(), int extrasPerSet = 0);

// An extra number right-aligned in `width` characters: 0 is a number here (a digit), and a place
// without one is blank.
QString ExtraNumberText(int width, int number);
