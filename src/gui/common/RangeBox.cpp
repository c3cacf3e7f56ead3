// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "RangeBox.h"

#include "core/common/DigitKeyFilter.h"
#include "core/common/LeadingNumber.h"
#include "core/common/MessageBoxes.h"
#include "core/common/TextFormat.h"
#include "core/draws/LotteryShape.h"
#include "gui/common/InputBoxes.h"
#include "gui/common/WidgetEvents.h"

#include <QLineEdit>

RangeBox::Range RangeBox::numbersPerDraw()
{
    return {LotteryShape::MinNumbersPerDraw, LotteryShape::MaxNumbersPerDraw,
            QStringLiteral(" Must be from 1 to %1").arg(LotteryShape::MaxNumbersPerDraw)};
}

RangeBox::Range RangeBox::highestNumber()
{
    return {LotteryShape::MinHighestNumber, LotteryShape::MaxHighestNumber,
            QStringLiteral(" Must be from 1 to %1").arg(LotteryShape::MaxHighestNumber)};
}

RangeBox::Range RangeBox::entryForms(const QString& message)
{
    return {LotteryShape::MinEntryForms, LotteryShape::MaxEntryForms, message};
}

RangeBox::RangeBox(QLineEdit* box, const Range& range, bool& editing, QWidget* next,
                   MessageBoxes& messages)
    : QObject(box), m_box(box), m_range(range), m_editing(editing), m_messages(messages)
{
    MakeDigitBox(box, messages);
    const auto startEditing = [this] {
        if (!m_editing) {
            m_box->clear();
            m_editing = true;
        }
    };
    WidgetEvents::onClick(box, [this] {
        m_editing = true;
        m_box->clear();
    });
    WidgetEvents::enterMovesTo(box, next, [this, startEditing](int key) {
        const int passed = DigitKeyFilter(key, m_messages);
        // The first key typed replaces the old content, even a refused one.
        startEditing();
        return passed;
    });
    WidgetEvents::onPasteKey(box, startEditing);
    // Any other change the user makes (an undo, say) is checked when the box is left, too.
    connect(box, &QLineEdit::textEdited, this, [this] { m_editing = true; });
    WidgetEvents::onFocusOut(box, [this] { leave(); });
}

void RangeBox::checkTypedOnly(std::function<int()> current)
{
    m_current = std::move(current);
}

void RangeBox::onTaken(std::function<void(int)> taken)
{
    m_taken = std::move(taken);
}

void RangeBox::setValue(long long value)
{
    // A range that takes 0 shows it; elsewhere an empty box stands for 0, as ever.
    if (value == 0 && !m_range.zeroText.isEmpty())
        m_box->setText(m_range.zeroText);
    else
        m_box->setText(m_range.minimum == 0 ? AlignedNumber(2, value) : AlignedWhole(2, value));
}

void RangeBox::leave()
{
    const bool typedOnly = bool(m_current);
    if (typedOnly && !m_editing)
        return;
    const long long value = LeadingWholeNumber(m_box->text());
    const bool inRange = value >= m_range.minimum && value <= m_range.maximum;
    if (typedOnly || (m_editing && inRange))
        setValue(value);
    m_editing = false;
    if (!inRange) {
        m_messages.inform(HelpTitle, m_range.message);
        setValue(typedOnly ? m_current() : m_range.maximum);
        if (typedOnly)
            return;
    }
    if (m_taken)
        m_taken(int(LeadingWholeNumber(m_box->text())));
}
