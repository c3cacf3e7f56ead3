#pragma once

#include <QDialog>

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

    // What the box held when "&OK" was pressed; empty after "&Cancel".
    QString answer() const { return m_answer; }

private:
    QLineEdit* m_value = nullptr;
    QString m_answer;
};
