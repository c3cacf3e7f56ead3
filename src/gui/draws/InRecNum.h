#pragma once

#include "gui/common/NumberDialog.h"

// Asks which record to correct. Only digits can be typed; the caller checks the range.
class InRecNum : public NumberDialog {
    Q_OBJECT

public:
    explicit InRecNum(MessageBoxes& messages, QWidget* parent = nullptr);

    // The record number typed when "&OK" was pressed; 0 for "&Cancel" or an empty box. A number
    // too big for any record comes back as 32768.
    int CorrectRecNo() const;

    // Shows the dialog modally and returns its answer.
    static int ask(MessageBoxes& messages, QWidget* parent);
};
