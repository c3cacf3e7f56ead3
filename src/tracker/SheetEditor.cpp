#include "SheetEditor.h"

#include "common/LeadingNumber.h"
#include "tracker/Money.h"

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
    if (character == 13)
        return only(Result::MoveDown);
    if (character == 8) {
        // Backspace edits a description in place but clears a whole amount.
        if (CurrentCol == 0) {
            TypingBuffer = Money::CellText(m_sheet.cell(*CurrentRow, 0));
            TypingBuffer.chop(1);
        } else {
            TypingBuffer.clear();
        }
        return storeBuffer();
    }

    const QChar c {char16_t(character)};
    if (CurrentCol == 1) {
        if (c != u'.' && c != u'-' && !(c >= u'0' && c <= u'9'))
            return only(Result::Refused);
        if (amountKeyIgnored(c))
            return only(Result::Ignored);
    } else {
        // A tracker file keeps a description between double quotes: one inside cannot be stored.
        if (c == u'"')
            return only(Result::Refused);
        // Control characters (Escape, Ctrl combinations) are no part of a description.
        if (character < 32 || character == 127)
            return only(Result::Ignored);
        if (TypingBuffer.size() >= MaxDescription)
            return only(Result::Ignored);
    }
    TypingBuffer += c;
    return storeBuffer();
}
