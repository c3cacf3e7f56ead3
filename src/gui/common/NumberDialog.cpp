// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "NumberDialog.h"

#include "core/common/DigitKeyFilter.h"
#include "core/common/LeadingNumber.h"
#include "gui/common/Colours.h"
#include "gui/common/Controls.h"
#include "gui/common/InputBoxes.h"
#include "gui/common/Twips.h"
#include "gui/common/WidgetEvents.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace {

// Past 16 bits a number is just "beyond every row".
constexpr long long LargestAnswer = 32768;

} // namespace

NumberDialog::NumberDialog(const char* name, const QString& prompt, const Layout& layout,
                           MessageBoxes& messages, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(QStringLiteral("Input "));
    setFixedSize(Px(2430), Px(layout.height));
    setFont(Controls::windowFont(9.75));
    Colours::apply(this, Colours::Panel);

    auto* label = Controls::label(this, "Label1", prompt, 225, 135, 1950, 510);
    label->setFont(Controls::windowFont(8.25));
    label->setWordWrap(true);
    m_value = Controls::inputBox(this, "CurVal", 0, layout.boxLeft, 855, 1095, 375);
    Controls::label(this, "Label2", QString(), 0, layout.stripTop, layout.stripWidth, 420);
    auto* cancel = Controls::button(this, "NoAccept", QStringLiteral("&Cancel"), layout.cancelLeft,
                                    layout.buttonsTop, 1050, 325);
    auto* accept = Controls::button(this, "Accept", QStringLiteral("&OK"), 1305, layout.buttonsTop,
                                    1005, 325);
    // Enter in the box only moves to "&OK"; it never closes the dialog by itself.
    accept->setDefault(false);
    setTabOrder(m_value, cancel);
    setTabOrder(cancel, accept);
    m_value->setFocus();

    MakeDigitBox(m_value, messages);
    WidgetEvents::enterMovesTo(m_value, accept,
                               [&messages](int key) { return DigitKeyFilter(key, messages); });
    connect(accept, &QPushButton::clicked, this, [this] {
        m_answer.reset();
        if (!m_value->text().trimmed().isEmpty())
            m_answer = int(std::min(LeadingWholeNumber(m_value->text()), LargestAnswer));
        QDialog::accept();
    });
    connect(cancel, &QPushButton::clicked, this, [this] {
        m_answer.reset();
        reject();
    });
}
