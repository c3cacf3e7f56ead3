#pragma once

#include "core/analysis/NumberPicker.h"
#include "core/common/Printout.h"

// The printout of the picked sets: each set on one line, underlined.
Printout PickPrintout(const PickedSets& sets, int picksPerSet, int setCount);
