#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Hooks for the three events the input boxes react to, in the terms the windows think in:
// a typed character, a click, and leaving the box.
namespace WidgetEvents {

// `handler` receives the character code of each typed key (13 Enter, 8 Backspace, otherwise the
// character) and returns the code to let through, or 0 to drop the key. Keys that type nothing
// (arrows, Delete, function keys) do not reach it.
void onKeyPress(QWidget* widget, std::function<int(int)> handler);
// `handler` receives the Qt key code of each key that goes down and returns true to swallow it.
// Hooked after onKeyPress, it sees the key first.
void onKeyDown(QWidget* widget, std::function<bool(int)> handler);
// `handler` runs when the mouse button goes down on the widget, before the widget reacts.
void onClick(QWidget* widget, std::function<void()> handler);
// `handler` runs when the focus moves to another control of the program. Losing the focus to
// another application or to a message box is not leaving the box.
void onFocusOut(QWidget* widget, std::function<void()> handler);
// `handler` runs when the widget receives the focus from another control of the program.
void onFocusIn(QWidget* widget, std::function<void()> handler);

} // namespace WidgetEvents
