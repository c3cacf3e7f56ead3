#pragma once

#include <functional>

class MessageBoxes;
class QLineEdit;
class QWidget;

// A box that can only ever hold digits (after the blanks of right alignment), whichever way its
// text arrives: typed keys are the caller's to filter, while a paste that is not all digits is
// refused with a beep, and there is no context menu or dropping.
void MakeDigitBox(QLineEdit* box, MessageBoxes& messages);

// The typing rules every numeric setup box shares: a click or the first key typed empties the
// box and raises the shared editing flag, Enter moves on to the next control, and only digits
// and Backspace can be typed (anything else beeps). A paste replaces the old content like a
// first key. `leave` runs when the focus moves away.
void MakeNumericBox(QLineEdit* box, bool& editingFlag, QWidget* next, MessageBoxes& messages,
                    std::function<void()> leave);
