#include "InRecNum.h"

#include "common/Controls.h"
#include "common/DigitKeyFilter.h"
#include "common/LeadingNumber.h"
#include "common/Twips.h"
#include "common/WidgetEvents.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

InRecNum::InRecNum(MessageBoxes& messages, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("InRecNum"));
    setWindowTitle(QStringLiteral("Input "));
    setFixedSize(Px(2430), Px(2010));
    setFont(Controls::windowFont(9.75));
    Controls::setBackground(this, QColor(192, 192, 192));

    auto* prompt = Controls::label(this, "Label1",
                                   QStringLiteral(" Type in Record           Number to Correct"),
                                   225, 135, 1950, 510);
    prompt->setFont(Controls::windowFont(8.25));
    prompt->setWordWrap(true);
    m_value = Controls::inputBox(this, "CurVal", 0, 585, 855, 1095, 375);
    Controls::label(this, "Label2", QString(), 0, 1590, 2400, 420);
    auto* cancel
        = Controls::button(this, "NoAccept", QStringLiteral("&Cancel"), 135, 1650, 1050, 325);
    auto* accept = Controls::button(this, "Accept", QStringLiteral("&OK"), 1305, 1650, 1005, 325);
    // Enter in the box only moves to "&OK"; it never closes the dialog by itself.
    accept->setDefault(false);
    setTabOrder(m_value, cancel);
    setTabOrder(cancel, accept);
    m_value->setFocus();

    Controls::keyboardOnly(m_value);
    WidgetEvents::onKeyPress(m_value, [accept, &messages](int key) {
        if (key == KeyEnter) {
            accept->setFocus(Qt::TabFocusReason);
            return KeyDropped;
        }
        return DigitKeyFilter(key, messages);
    });
    connect(accept, &QPushButton::clicked, this, [this] {
        // A record number never exceeds 2000; anything past 16 bits is just "does not exist".
        m_answer = int(std::min<long long>(LeadingWholeNumber(m_value->text()), 32768));
        QDialog::accept();
    });
    connect(cancel, &QPushButton::clicked, this, [this] {
        m_answer = 0;
        reject();
    });
}

int InRecNum::ask(MessageBoxes& messages, QWidget* parent)
{
    InRecNum dialog(messages, parent);
    dialog.exec();
    return dialog.CorrectRecNo();
}
