#include "WidgetEvents.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QWidget>

namespace {

int characterCode(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 0; // moves the focus; never typed into a box
    default:
        break;
    }
    // Alt combinations are access keys. Ctrl combinations arrive as control characters (Ctrl+V
    // is 22), so a box that takes only certain characters refuses a paste as well.
    const QString text = event->text();
    if (text.isEmpty() || event->modifiers().testFlag(Qt::AltModifier))
        return 0;
    return int(text.toUcs4().first());
}

class EventHook : public QObject {
public:
    EventHook(QWidget* widget, QEvent::Type type, std::function<bool(QEvent*)> handler)
        : QObject(widget), m_type(type), m_handler(std::move(handler))
    {
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

} // namespace

void WidgetEvents::onKeyPress(QWidget* widget, std::function<int(int)> handler)
{
    new EventHook(widget, QEvent::KeyPress, [handler = std::move(handler)](QEvent* event) {
        const int code = characterCode(static_cast<QKeyEvent*>(event));
        if (code == 0)
            return false;
        return handler(code) == 0;
    });
}

void WidgetEvents::onKeyDown(QWidget* widget, std::function<bool(int)> handler)
{
    new EventHook(widget, QEvent::KeyPress, [handler = std::move(handler)](QEvent* event) {
        return handler(static_cast<QKeyEvent*>(event)->key());
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
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            handler();
        return false;
    });
}

void WidgetEvents::onFocusIn(QWidget* widget, std::function<void()> handler)
{
    new EventHook(widget, QEvent::FocusIn, [handler = std::move(handler)](QEvent* event) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            handler();
        return false;
    });
}
