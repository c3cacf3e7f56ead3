#include "InputBoxes.h"

#include "core/common/KeyCodes.h"
#include "core/common/MessageBoxes.h"
#include "gui/common/Controls.h"
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

void MakeFileTextBox(QLineEdit* box, MessageBoxes& messages)
{
    Controls::fileTextBox(box);
    WidgetEvents::onKeyPress(box, [&messages](int key) {
        if (key == KeyQuote) {
            messages.beep();
            return KeyDropped;
        }
        return key;
    });
}
