// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QDialog>

#include <optional>

class MessageBoxes;
class QLabel;
class QLineEdit;

// The small "Input " dialog that asks for a number: a prompt, a box that takes digits only, and
// "&Cancel" and "&OK". Enter in the box moves to "&OK"; a second Enter presses it; Escape
// cancels.
class NumberDialog : public QDialog {
    Q_OBJECT

public:
    // Positions in twips of the parts that differ between the program's number dialogs.
    struct Layout {
        int height;
        int boxLeft;
        int stripTop;
        int stripWidth;
        int cancelLeft;
        int buttonsTop;
    };

    NumberDialog(const char* name, const QString& prompt, const Layout& layout,
                 MessageBoxes& messages, QWidget* parent = nullptr);

    // The number in the box when "&OK" was pressed; nothing after "&Cancel" or with an empty
    // box. A number too big for any row or record comes back as 32768.
    std::optional<int> answer() const { return m_answer; }

private:
    QLineEdit* m_value = nullptr;
    std::optional<int> m_answer;
};
