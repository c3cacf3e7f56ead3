#pragma once

#include <functional>

class MessageBoxes;
class QLineEdit;
class QWidget;

// The typing rules every numeric setup box shares: a click or the first key typed empties the
// box and raises the shared editing flag, Enter moves on to the next control, and only digits
// and Backspace can be typed (anything else beeps). `leave` runs when the focus moves away.
void MakeNumericBox(QLineEdit* box, bool& editingFlag, QWidget* next, MessageBoxes& messages,
                    std::function<void()> leave);
