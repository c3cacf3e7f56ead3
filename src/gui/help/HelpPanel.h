// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class MessageBoxes;
class QPlainTextEdit;
class QPushButton;

// The "&Help" / "Close &Help" toggle of a window and its read-only text panel.
class HelpPanel : public QObject {
    Q_OBJECT

public:
    struct Options {
        bool beepOnKey = false; // a typed key is swallowed, with or without a beep
        bool focusPanel = false; // the panel takes the keyboard focus when opened
    };

    HelpPanel(QPushButton* button, QPlainTextEdit* panel, std::function<QString()> text,
              MessageBoxes& messages, Options options);

    void ToggleHelp();
    // Closes the panel if it is open.
    void close();
    bool isOpen() const { return m_open; }

private:
    QPushButton* m_button;
    QPlainTextEdit* m_panel;
    std::function<QString()> m_text;
    Options m_options;
    bool m_open = false;
};
