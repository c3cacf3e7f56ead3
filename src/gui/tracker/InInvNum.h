#pragma once

#include "gui/common/NumberDialog.h"

// Asks at which row the tracker inserts a blank line. Only digits can be typed.
class InInvNum : public NumberDialog {
    Q_OBJECT

public:
    // `rowHint` is the row the prompt suggests.
    InInvNum(int rowHint, MessageBoxes& messages, QWidget* parent = nullptr);

    // Shows the dialog modally; the digits typed when "&OK" was pressed, empty for "&Cancel".
    static QString ask(int rowHint, MessageBoxes& messages, QWidget* parent);
};
