#pragma once

#include "core/common/KeyCodes.h"

class MessageBoxes;

// Passes the digits "0".."9" and Backspace unchanged; any other key beeps and is dropped (0).
int DigitKeyFilter(int keyCode, MessageBoxes& messages);
