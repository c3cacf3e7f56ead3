// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
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
    CurrentRow = row >= 1 ? std::optional<int>(row) : std::nullopt;
    CurrentCol = column;
    TypingBuffer.clear();
}

SheetEditor::Cursor SheetEditor::cursor() const
{
    if (!CurrentRow)
        return {totalRow(), 1};
    return {*CurrentRow, CurrentCol};
}

SheetEditor::Result SheetEditor::storeBuffer()
{
    const int row = *CurrentRow;
    Result result {Result::Edited, row, CurrentCol, TypingBuffer};
    if (CurrentCol == 1) {
        if (TypingBuffer.isEmpty()) {
            m_sheet.setAmount(row, Cell());
        } else {
            const double value = LeadingNumber(TypingBuffer);
            m_sheet.setAmount(row, Cell(value));
            result.cellText = Money::Format(value);
        }
    } else {
        result.amountCleared = m_sheet.setDescription(row, Cell(TypingBuffer));
    }
    TypedChanges = true;
    if (row == m_totalRow && !m_sheet.isEmptyRow(row)) {
        // The total makes way for the new line: below it, past any line typed there already.
        m_totalRow = row + 2;
        while (m_totalRow <= Sheet::DataRows && !m_sheet.isEmptyRow(m_totalRow))
            ++m_totalRow;
    }
    return result;
}

SheetEditor::Result SheetEditor::deleteKey()
{
    // The total is the calculation's, not a cell to empty.
    if (onTotalLine())
        return only(Result::Refused);
    if (*CurrentRow > Sheet::DataRows)
        return only(Result::Ignored);
    TypingBuffer.clear();
    const int row = *CurrentRow;
    Result result {Result::Edited, row, CurrentCol, QString()};
    if (CurrentCol == 1)
        m_sheet.setAmount(row, Cell());
    else
        result.amountCleared = m_sheet.setDescription(row, Cell());
    TypedChanges = true;
    return result;
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
    if (onTotalLine()) {
        const Cursor at = cursor();
        if (character == KeyEnter)
            return {Result::MoveDown, at.row, at.column, QString()};
        // Typing goes where the highlight is, and the total is not typed over; only a line typed
        // right above it goes on onto its line.
        const bool goesOn = CurrentRow && at.row >= 2 && at.row <= Sheet::DataRows
            && !m_sheet.isEmptyRow(at.row - 1);
        if (character == KeyBackspace || !goesOn)
            return only(Result::Refused);
    }
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

void SheetEditor::follow(const Sheet::RowMoves& moves, int oldTotalRow)
{
    // Before any choice the cursor is on the total, wherever it goes.
    if (!CurrentRow)
        return;
    int row = *CurrentRow;
    if (row == oldTotalRow)
        row = totalRow();
    else if (row >= 1 && row <= Sheet::DataRows)
        row = moves[std::size_t(row)] != 0 ? moves[std::size_t(row)] : m_sheet.SheetRowCount + 1;
    // The cell under the cursor was redrawn, or is another: typing starts it afresh.
    cellChosen(row, CurrentCol);
}

void SheetEditor::calculate()
{
    const int oldTotalRow = m_totalRow;
    const Sheet::RowMoves moves = m_sheet.CalculateSheet();
    m_totalRow = m_sheet.SheetRowCount + 2;
    follow(moves, oldTotalRow);
    TypedChanges = false;
}

bool SheetEditor::insertBlankRow(int row)
{
    const int oldTotalRow = m_totalRow;
    const std::optional<Sheet::RowMoves> moves = m_sheet.InsertBlankRow(row);
    if (!moves)
        return false;
    m_totalRow = m_sheet.SheetRowCount + 2;
    follow(*moves, oldTotalRow);
    return true;
}

void SheetEditor::sheetReplaced()
{
    CurrentRow.reset();
    CurrentCol = 0;
    TypingBuffer.clear();
    TypedChanges = false;
    m_totalRow = m_sheet.SheetRowCount + 2;
}
