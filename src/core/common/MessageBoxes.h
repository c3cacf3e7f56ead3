#pragma once

#include <QString>

// The title of the boxes that give a hint or refuse an entry.
inline const QString HelpTitle = QStringLiteral("Help");

// Every message box and beep of the program goes through this interface, so tests can answer
// the questions and read what the user was told.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // A box with an OK button.
    virtual void inform(const QString& title, const QString& text) = 0;
    // A box with Yes and No; true only for Yes.
    virtual bool ask(const QString& title, const QString& text) = 0;
    virtual void beep() = 0;
};
