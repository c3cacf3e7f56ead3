// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
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
    // A box with Yes and No; true only for Yes. Escape and the window frame answer No.
    virtual bool ask(const QString& title, const QString& text) = 0;
    // The same box for a question whose Yes goes back to the user's unsaved work: Escape and the
    // window frame answer Yes, so that brushing a question away never drops that work. Fakes
    // that script their answers need not tell the two apart.
    virtual bool askToGoBack(const QString& title, const QString& text) { return ask(title, text); }
    // The same box for a question whose Yes destroys data: No is the default button, so that
    // Enter pressed out of habit loses nothing.
    virtual bool askBeforeErasing(const QString& title, const QString& text)
    {
        return ask(title, text);
    }
    virtual void beep() = 0;
};
