// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "InputBoxes.h"

#include "core/common/KeyCodes.h"
#include "core/common/MessageBoxes.h"
#include "gui/common/Controls.h"
#include "gui/common/WidgetEvents.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRegularExpression>
#include <QValidator>

namespace {

// Pastes the clipboard's digits into a digit box, without the blanks around them that come
// along when a right-aligned number is copied. Anything else, or digits the box cannot take
// where the cursor is, is refused with a beep and leaves the box as it was.
void pasteDigits(QLineEdit* box, MessageBoxes& messages)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]*$"));
    const QString pasted = QGuiApplication::clipboard()->text().trimmed();
    const int start = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
    QString result = box->text();
    result.replace(start, box->selectedText().size(), pasted);
    int cursor = start + int(pasted.size());
    if (!digits.match(pasted).hasMatch() || result.size() > box->maxLength()
        || box->validator()->validate(result, cursor) != QValidator::Acceptable) {
        messages.beep();
        return;
    }
    box->insert(pasted);
}

} // namespace

void MakeDigitBox(QLineEdit* box, MessageBoxes& messages)
{
    Controls::keyboardOnly(box);
    Controls::acceptOnly(box, QStringLiteral(" *[0-9]*"));
    WidgetEvents::onPasteKeyInstead(box, [box, &messages] { pasteDigits(box, messages); });
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
