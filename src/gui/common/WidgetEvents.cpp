// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "WidgetEvents.h"

#include "core/common/KeyCodes.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>

namespace {

const QString HookName = QStringLiteral("WidgetEventHook");

int characterCode(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return KeyEnter;
    case Qt::Key_Backspace:
        return KeyBackspace;
    default:
        break;
    }
    // Alt combinations are access keys; Ctrl and Meta combinations are editing shortcuts that
    // the box carries out itself (a paste goes through the box's content rules).
    if (event->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier))
        return KeyDropped;
    const QList<uint> text = event->text().toUcs4();
    if (text.isEmpty())
        return KeyDropped;
    // Tab, Escape, Delete and the other control characters type nothing.
    const char32_t code = text.first();
    if (code < 0x20 || (code >= 0x7f && code < 0xa0))
        return KeyDropped;
    return int(code);
}

bool isPasteKey(const QKeyEvent* event)
{
    return event->matches(QKeySequence::Paste)
        || (event->key() == Qt::Key_Insert && event->modifiers() == Qt::ShiftModifier);
}

class EventHook : public QObject {
public:
    EventHook(QWidget* widget, QEvent::Type type, std::function<bool(QEvent*)> handler)
        : QObject(widget), m_type(type), m_handler(std::move(handler))
    {
        setObjectName(HookName);
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != m_type)
            return false;
        return m_handler(event);
    }

private:
    QEvent::Type m_type;
    std::function<bool(QEvent*)> m_handler;
};

bool focusMovedWithinProgram(const QEvent* event)
{
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

void WidgetEvents::onKeyPress(QWidget* widget, std::function<int(int)> handler)
{
    new EventHook(widget, QEvent::KeyPress, [handler = std::move(handler)](QEvent* event) {
        const int code = characterCode(static_cast<QKeyEvent*>(event));
        if (code == KeyDropped)
            return false;
        return handler(code) == KeyDropped;
    });
}

void WidgetEvents::enterMovesTo(QWidget* widget, std::function<QWidget*()> next,
                                std::function<int(int)> handler)
{
    onKeyPress(widget, [next = std::move(next), handler = std::move(handler)](int key) {
        if (key == KeyEnter) {
            next()->setFocus(Qt::TabFocusReason);
            return KeyDropped;
        }
        return handler ? handler(key) : key;
    });
}

void WidgetEvents::enterMovesTo(QWidget* widget, QWidget* next, std::function<int(int)> handler)
{
    enterMovesTo(
        widget, [next] { return next; }, std::move(handler));
}

void WidgetEvents::onKeyDown(QWidget* widget, std::function<bool(int)> handler)
{
    new EventHook(widget, QEvent::KeyPress, [handler = std::move(handler)](QEvent* event) {
        return handler(static_cast<QKeyEvent*>(event)->key());
    });
}

void WidgetEvents::onPasteKey(QWidget* widget, std::function<void()> handler)
{
    new EventHook(widget, QEvent::KeyPress, [handler = std::move(handler)](QEvent* event) {
        if (isPasteKey(static_cast<QKeyEvent*>(event)))
            handler();
        return false;
    });
}

void WidgetEvents::onPasteKeyInstead(QWidget* widget, std::function<void()> handler)
{
    new EventHook(widget, QEvent::KeyPress, [handler = std::move(handler)](QEvent* event) {
        if (!isPasteKey(static_cast<QKeyEvent*>(event)))
            return false;
        handler();
        return true;
    });
}

void WidgetEvents::onClick(QWidget* widget, std::function<void()> handler)
{
    new EventHook(widget, QEvent::MouseButtonPress, [handler = std::move(handler)](QEvent*) {
        handler();
        return false;
    });
}

void WidgetEvents::onFocusOut(QWidget* widget, std::function<void()> handler)
{
    new EventHook(widget, QEvent::FocusOut, [handler = std::move(handler)](QEvent* event) {
        if (focusMovedWithinProgram(event))
            handler();
        return false;
    });
}

void WidgetEvents::onFocusIn(QWidget* widget, std::function<void()> handler)
{
    new EventHook(widget, QEvent::FocusIn, [handler = std::move(handler)](QEvent* event) {
        if (focusMovedWithinProgram(event))
            handler();
        return false;
    });
}

void WidgetEvents::removeAll(QWidget* root)
{
    const QList<QObject*> hooks = root->findChildren<QObject*>(HookName);
    qDeleteAll(hooks);
}
