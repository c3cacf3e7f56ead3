#include "SheetEditor.h"

#include "core/common/KeyCodes.h"

#include "core/common/LeadingNumber.h"
#include "core/tracker/Description.h"
#include "core/tracker/Money.h"

#include <algorithm>

namespace {

SheetEditor::Result only(SheetEditor::Result::Outcome outcome)
{
    SheetEditor::Result result;
    result.outcome = outcome;
    return result;
}

} // namespace

void SheetEditor::cellChosen(int row, int column)
{
    CurrentRow = row;
    CurrentCol = column;
    TypingBuffer.clear();
}

void SheetEditor::ensureCell()
{
    if (!CurrentRow || *CurrentRow < 1)
        cellChosen(1, 0);
}

SheetEditor::Result SheetEditor::storeBuffer()
{
    const int row = *CurrentRow;
    Result result {Result::Edited, row, CurrentCol, TypingBuffer};
    if (CurrentCol == 1) {
        if (TypingBuffer.isEmpty()) {
            m_sheet.cell(row, 1) = Cell();
        } else {
            const double value = LeadingNumber(TypingBuffer);
            m_sheet.cell(row, 1) = Cell(value);
            result.cellText = Money::Format(value);
        }
    } else {
        m_sheet.cell(row, 0) = Cell(TypingBuffer);
    }
    return result;
}

SheetEditor::Result SheetEditor::deleteKey()
{
    ensureCell();
    if (*CurrentRow > Sheet::DataRows)
        return only(Result::Ignored);
    TypingBuffer.clear();
    m_sheet.cell(*CurrentRow, CurrentCol) = Cell();
    return {Result::Edited, *CurrentRow, CurrentCol, QString()};
}

bool SheetEditor::amountKeyIgnored(QChar c) const
{
    // At most two decimals: once they are there, nothing more is taken, not even a minus.
    const qsizetype point = (TypingBuffer + c).indexOf(u'.');
    if (point >= 0 && TypingBuffer.size() >= point + 3)
        return true;
    // At most twelve digits before the decimal point, so the total can never overflow.
    if (c.isDigit() && !TypingBuffer.contains(u'.')) {
        const auto digits = std::count_if(TypingBuffer.begin(), TypingBuffer.end(),
                                          [](QChar d) { return d.isDigit(); });
        if (digits >= MaxWholeDigits)
            return true;
    }
    return false;
}

SheetEditor::Result SheetEditor::keyPress(int character)
{
    ensureCell();
    if (*CurrentRow > Sheet::DataRows)
        return only(Result::RowLimit);
    if (character == KeyEnter)
        return {Result::MoveDown, *CurrentRow, CurrentCol, QString()};
    if (character == KeyBackspace) {
        // Backspace edits a description in place but clears a whole amount.
        if (CurrentCol == 0) {
            TypingBuffer = Money::CellText(m_sheet.cell(*CurrentRow, 0));
            Description::chopCharacter(TypingBuffer);
        } else {
            TypingBuffer.clear();
        }
        return storeBuffer();
    }

    const auto c = char32_t(character);
    if (CurrentCol == 1) {
        if (c != U'.' && c != U'-' && !(c >= U'0' && c <= U'9'))
            return only(Result::Refused);
        if (amountKeyIgnored(QChar(char16_t(c))))
            return only(Result::Ignored);
        TypingBuffer += QChar(char16_t(c));
        return storeBuffer();
    }
    // A tracker file keeps a description between double quotes: one inside cannot be stored.
    if (c == KeyQuote)
        return only(Result::Refused);
    if (!Description::isTypable(c) || Description::characterCount(TypingBuffer) >= MaxDescription)
        return only(Result::Ignored);
    TypingBuffer += QString::fromUcs4(&c, 1);
    return storeBuffer();
}
