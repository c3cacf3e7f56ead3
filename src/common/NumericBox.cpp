#include "NumericBox.h"

#include "common/Controls.h"
#include "common/DigitKeyFilter.h"
#include "common/WidgetEvents.h"

#include <QLineEdit>

void MakeNumericBox(QLineEdit* box, bool& editingFlag, QWidget* next, MessageBoxes& messages,
                    std::function<void()> leave)
{
    Controls::keyboardOnly(box);
    WidgetEvents::onClick(box, [box, &editingFlag] {
        editingFlag = true;
        box->clear();
    });
    WidgetEvents::onKeyPress(box, [box, &editingFlag, next, &messages](int key) {
        if (key == KeyEnter) {
            next->setFocus(Qt::TabFocusReason);
            return KeyDropped;
        }
        const int passed = DigitKeyFilter(key, messages);
        // The first key typed replaces the old content, even a refused one.
        if (!editingFlag) {
            box->clear();
            editingFlag = true;
        }
        return passed;
    });
    WidgetEvents::onFocusOut(box, std::move(leave));
}
