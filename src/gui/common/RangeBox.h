// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class MessageBoxes;
class QLineEdit;
class QWidget;

// A numeric setup box: a number from `minimum` to `maximum`, shown right-aligned in two
// characters. A click or the first key typed empties the box and raises the window's editing
// flag (shared by the boxes of one window); Enter moves on to `next`; only digits and Backspace
// can be typed, anything else beeps. Leaving the box checks the range: a number out of it shows
// the range message (title "Help") and the box goes back to its limit, or to the current value.
class RangeBox : public QObject {
    Q_OBJECT

public:
    struct Range {
        int minimum = 1;
        int maximum = 1;
        QString message; // such as " Must be from 1 to 10"
        QString zeroText = {}; // what 0 shows as, such as "any"; empty: as any other number
    };

    // The ranges of the lottery's shape, as every setup box checks them, and of the entry forms
    // (whose message the windows word differently).
    static Range numbersPerDraw();
    static Range highestNumber();
    static Range entryForms(const QString& message);

    RangeBox(QLineEdit* box, const Range& range, bool& editing, QWidget* next,
             MessageBoxes& messages);

    // By default the box is checked whenever it is left, a number out of range gives way to the
    // maximum, and `taken` then runs with the number shown. Called, only a number typed since the
    // box was entered is checked; one out of range gives way to `current()`, and `taken` runs only
    // for a number in range.
    void checkTypedOnly(std::function<int()> current);
    // Runs once the box was left and checked, with the number it shows.
    void onTaken(std::function<void(int)> taken);

    // The check of leaving the box, for a box left without a focus change (by an access key or
    // the window frame).
    void leave();

    // Shows `value` as the box shows a number it took.
    void setValue(long long value);

    QLineEdit* box() const { return m_box; }

private:
    QLineEdit* m_box;
    Range m_range;
    bool& m_editing;
    MessageBoxes& m_messages;
    std::function<int()> m_current;
    std::function<void(int)> m_taken;
};
