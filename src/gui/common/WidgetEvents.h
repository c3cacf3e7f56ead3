// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Hooks for the events the input boxes react to, in the terms the windows think in: a typed
// character, a paste, a click, and leaving the box.
namespace WidgetEvents {

// `handler` receives the character typed by each key (KeyEnter, KeyBackspace, otherwise the
// Unicode code point of the key's text) and returns the code to let through, or KeyDropped to
// drop the key; a key let through types its whole character. Keys that type nothing (arrows,
// Delete, Escape, function keys) and the editing shortcuts with Ctrl (select all, copy, cut, paste,
// undo) do not reach it.
void onKeyPress(QWidget* widget, std::function<int(int)> handler);
// As onKeyPress, but Enter types nothing and moves the focus on to the control `next` names, as
// Tab would; every other key goes to `handler`, or passes when there is none.
void enterMovesTo(QWidget* widget, std::function<QWidget*()> next,
                  std::function<int(int)> handler = {});
void enterMovesTo(QWidget* widget, QWidget* next, std::function<int(int)> handler = {});
// `handler` receives the Qt key code of each key that goes down and returns true to swallow it.
// Hooked after onKeyPress, it sees the key first.
void onKeyDown(QWidget* widget, std::function<bool(int)> handler);
// `handler` runs just before the widget pastes by a key (Ctrl+V, Shift+Insert); the widget
// pastes afterwards, through its own content rules.
void onPasteKey(QWidget* widget, std::function<void()> handler);
// `handler` runs instead of the widget's own paste by a key; hooks added after this one still
// see the key first.
void onPasteKeyInstead(QWidget* widget, std::function<void()> handler);
// `handler` runs when a mouse button goes down on the widget, before the widget reacts.
void onClick(QWidget* widget, std::function<void()> handler);
// `handler` runs when the focus moves to another control of the program. Losing the focus to
// another application or to a message box is not leaving the box.
void onFocusOut(QWidget* widget, std::function<void()> handler);
// `handler` runs when the widget receives the focus from another control of the program.
void onFocusIn(QWidget* widget, std::function<void()> handler);

// Removes every hook of `root` and its children. A window calls it when its destruction begins:
// the focus leaves a box that is being destroyed, and its hook must not call into a window
// that is half gone.
void removeAll(QWidget* root);

} // namespace WidgetEvents
