#include "DigitKeyFilter.h"

#include "core/common/MessageBoxes.h"

int DigitKeyFilter(int keyCode, MessageBoxes& messages)
{
    if ((keyCode >= '0' && keyCode <= '9') || keyCode == KeyBackspace)
        return keyCode;
    messages.beep();
    return KeyDropped;
}
