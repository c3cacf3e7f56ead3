// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPushButton>
#include <QRect>
#include <QString>

#include <array>
#include <cstddef>
#include <span>

class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QWidget;

// Builders for the controls of the program's windows, placed in twips and named so that tests
// and the window code find them by the same name.
namespace Controls {

// Where a control stands, in twips.
struct Place {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The controls of a window as tables: name, caption or text, place.
struct ButtonRow {
    const char* name;
    const char* caption;
    Place place;
};
struct LabelRow {
    const char* name;
    const char* text;
    Place place;
};
struct BoxRow {
    const char* name;
    int maxLength; // 0 for no limit
    Place place;
};
// A button and the handler of `Window` its click runs; none when the window wires it itself.
template <typename Window> struct WiredButtonRow {
    ButtonRow button;
    void (Window::*clicked)();
};

// The controls of a window that grows and shrinks with its screen, as tables laid out by layouts
// rather than placed in twips. A table lists its cells left to right; in a form, a line cell
// starts a new line, its caption in the first column and the cells after it in the second. A
// label whose text has an access key (&) leads to the control that follows it. Boxes measure
// their digits in the font they are made with: set a window's font before its tables.
struct Cell {
    enum class Kind { Line, Label, Box, Button, Widget, Stretch };
    Kind kind = Kind::Stretch;
    const char* name = ""; // the control's objectName; "" for none
    const char* text = ""; // a caption, a label's text or a box's placeholder
    int maxLength = 0; // a box's limit in characters; 0 for none
    int width = 0; // a box's width in digits; 0 as wide as the line allows
    int share = 0; // a box's or widget's share of the line's spare room

    static constexpr Cell line(const char* caption) { return {Kind::Line, "", caption}; }
    static constexpr Cell label(const char* name, const char* text, int share = 0)
    {
        return {Kind::Label, name, text, 0, 0, share};
    }
    static constexpr Cell box(const char* name, int maxLength, int width,
                              const char* placeholder = "")
    {
        return {Kind::Box, name, placeholder, maxLength, width};
    }
    // A box that takes its `share` of the spare room of its line.
    static constexpr Cell wideBox(const char* name, const char* placeholder = "", int share = 1)
    {
        return {Kind::Box, name, placeholder, 0, 0, share};
    }
    static constexpr Cell button(const char* name, const char* caption)
    {
        return {Kind::Button, name, caption};
    }
    // A control the window made itself, a child of the table's parent found by its name.
    static constexpr Cell widget(const char* name, int share = 0)
    {
        return {Kind::Widget, name, "", 0, 0, share};
    }
    static constexpr Cell stretch() { return {}; }
};

// A button of a table and the handler of `Window` its click runs.
template <typename Window> struct Wiring {
    const char* name;
    void (Window::*clicked)();
};

// Names a main window of the program and gives it the common place and size.
void setupWindow(QWidget* window, const char* name, const QString& caption);

// The program's sans-serif window font; `points` as the layouts give it (8.25 or 9.75).
QFont windowFont(double points, bool bold = true);

// A push button that, as everywhere in the program, is pressed by Enter when it has the focus.
QPushButton* button(QWidget* parent, const char* name, const QString& caption, int left, int top,
                    int width, int height);
// The same button, placed by a layout.
QPushButton* button(QWidget* parent, const char* name, const QString& caption);
// Labels show their text as it stands, never as rich text.
QLabel* label(QWidget* parent, const char* name, const QString& text, int left, int top, int width,
              int height);
// A label placed by its window or a layout.
QLabel* label(QWidget* parent, const char* name);
QLineEdit* inputBox(QWidget* parent, const char* name, int maxLength, int left, int top, int width,
                    int height);
// The same box, placed by a layout.
QLineEdit* inputBox(QWidget* parent, const char* name, int maxLength);

// The control of one row of a table.
QPushButton* create(QWidget* parent, const ButtonRow& row);
QLabel* create(QWidget* parent, const LabelRow& row);
QLineEdit* create(QWidget* parent, const BoxRow& row);

// One control per row of a table, in its order.
template <typename Row, std::size_t N> auto create(QWidget* parent, const Row (&rows)[N])
{
    std::array<decltype(create(parent, rows[0])), N> controls {};
    for (std::size_t i = 0; i < N; ++i)
        controls[i] = create(parent, rows[i]);
    return controls;
}

// The buttons of a table, each connected to its handler.
template <typename Window, std::size_t N>
std::array<QPushButton*, N> create(Window* window, const WiredButtonRow<Window> (&rows)[N])
{
    std::array<QPushButton*, N> buttons {};
    for (std::size_t i = 0; i < N; ++i) {
        buttons[i] = create(window, rows[i].button);
        if (rows[i].clicked)
            QObject::connect(buttons[i], &QPushButton::clicked, window, rows[i].clicked);
    }
    return buttons;
}

// The cells of a table side by side, made as children of `parent`.
QHBoxLayout* row(QWidget* parent, std::span<const Cell> cells);
// A captioned frame holding the cells of a table as a form.
QGroupBox* form(QWidget* parent, const char* name, const QString& caption,
                std::span<const Cell> cells);

// The control of that name below `root`; a table that names it makes it.
template <typename T> T* find(const QWidget* root, const char* name)
{
    T* found = root->findChild<T*>(QString::fromLatin1(name));
    Q_ASSERT_X(found, "Controls::find", name);
    return found;
}

// Each button of a table connected to its handler.
template <typename Window, std::size_t N> void wire(Window* window, const Wiring<Window> (&rows)[N])
{
    for (const Wiring<Window>& row : rows)
        QObject::connect(find<QPushButton>(window, row.name), &QPushButton::clicked, window,
                         row.clicked);
}

// Where a window that grows and shrinks with its screen stands on a screen of that available
// area: at the other windows' place, `size` as far as the screen allows.
QRect placeOn(const QRect& screen, const QSize& size);

// The light grey band along the foot of a main window, behind its row of buttons.
QLabel* buttonStrip(QWidget* window, const char* name);

// Tab order of the controls as listed.
void tabOrder(const QList<QWidget*>& controls);

// A captioned frame with the light grey background of the setup areas.
QGroupBox* frame(QWidget* parent, const char* name, const QString& caption, int left, int top,
                 int width, int height);

// A box whose content only ever comes from the keyboard, through its key handler or a paste
// key: no context menu to paste from and no dropping of dragged text.
void keyboardOnly(QLineEdit* box);

// Whatever reaches the box (typed, pasted, dropped, undone) must match `pattern` as a whole; any
// other change is refused. Texts the program sets itself are not checked.
void acceptOnly(QLineEdit* box, const QString& pattern);

// A box whose text the program keeps between double quotes in a file: control characters and
// double quotes are stripped from whatever reaches it, however it arrives.
void fileTextBox(QLineEdit* box);

} // namespace Controls
