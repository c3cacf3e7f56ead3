#include "NumericBox.h"

#include "gui/common/Controls.h"
#include "core/common/DigitKeyFilter.h"
#include "core/common/MessageBoxes.h"
#include "gui/common/WidgetEvents.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRegularExpression>

void MakeDigitBox(QLineEdit* box, MessageBoxes& messages)
{
    Controls::keyboardOnly(box);
    Controls::acceptOnly(box, QStringLiteral(" *[0-9]*"));
    WidgetEvents::onPasteKey(box, [&messages] {
        static const QRegularExpression digits(QStringLiteral("^[0-9]*$"));
        if (!digits.match(QGuiApplication::clipboard()->text()).hasMatch())
            messages.beep();
    });
}

void MakeNumericBox(QLineEdit* box, bool& editingFlag, QWidget* next, MessageBoxes& messages,
                    std::function<void()> leave)
{
    MakeDigitBox(box, messages);
    const auto startEditing = [box, &editingFlag] {
        if (!editingFlag) {
            box->clear();
            editingFlag = true;
        }
    };
    WidgetEvents::onClick(box, [box, &editingFlag] {
        editingFlag = true;
        box->clear();
    });
    WidgetEvents::onKeyPress(box, [startEditing, next, &messages](int key) {
        if (key == KeyEnter) {
            next->setFocus(Qt::TabFocusReason);
            return KeyDropped;
        }
        const int passed = DigitKeyFilter(key, messages);
        // The first key typed replaces the old content, even a refused one.
        startEditing();
        return passed;
    });
    WidgetEvents::onPasteKey(box, startEditing);
    // Any other change the user makes (an undo, say) is checked when the box is left, too.
    QObject::connect(box, &QLineEdit::textEdited, box, [&editingFlag] { editingFlag = true; });
    WidgetEvents::onFocusOut(box, std::move(leave));
}
