// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/tracker/Sheet.h"

#include <QString>

#include <optional>

// Typing into the tracker sheet, key by key: the grid itself never edits, every key goes through
// here and lands in both the sheet and the cell's text. The cursor is the grid's highlight: keys
// go to the cell it is on, and the calculations carry it along with its line.
class SheetEditor {
public:
    explicit SheetEditor(Sheet& sheet) : m_sheet(sheet), m_totalRow(sheet.SheetRowCount + 2) { }

    // What the window does after a key.
    struct Result {
        enum Outcome {
            Ignored, // nothing happens
            Refused, // a beep
            RowLimit, // "105 Row limit."
            MoveDown, // the current cell (row, column) moves one row down
            Edited, // the cell shows `cellText`; the changes-pending notice appears
        } outcome
            = Ignored;
        int row = 0;
        int column = 0;
        QString cellText;
        // The edited description ended a "Sub Total" row: its amount cell is empty now.
        bool amountCleared = false;
    };

    struct Cursor {
        int row = 0;
        int column = 0;
    };

    // The user made (row, column) the current cell; the next key starts it afresh. A row below 1
    // chooses no cell.
    void cellChosen(int row, int column);
    // A typed character as its Unicode code point (KeyEnter, KeyBackspace for those keys).
    Result keyPress(int character);
    // The Delete key: empties the current cell.
    Result deleteKey();

    // "&Calculate": the cursor stays on its line wherever the line moves to; on a line that is
    // dropped it goes to the empty line below the counted rows.
    void calculate();
    // Puts a blank row at `row` (see Sheet::InsertBlankRow); the cursor follows its line.
    // Returns whether the sheet changed.
    bool insertBlankRow(int row);
    // The sheet was opened or emptied: no cell is chosen and nothing is typed.
    void sheetReplaced();

    // The line that shows the total: one empty line below the counted rows after a calculation.
    // Typing may go on from a line onto the total's line below it, which then moves down out of
    // the way, so that lines can be typed one after the other.
    int totalRow() const { return m_totalRow; }
    // The cell under the cursor: the one chosen, or the total's amount before any choice.
    Cursor cursor() const;

    std::optional<int> CurrentRow;
    int CurrentCol = 0;
    QString TypingBuffer;
    // A cell was edited since the sheet was last calculated, opened or saved.
    bool TypedChanges = false;

    static constexpr int MaxDescription = 46;
    static constexpr int MaxWholeDigits = 12;

private:
    bool onTotalLine() const { return !CurrentRow || *CurrentRow == totalRow(); }
    Result storeBuffer();
    bool amountKeyIgnored(QChar c) const;
    void follow(const Sheet::RowMoves& moves, int oldTotalRow);

    Sheet& m_sheet;
    int m_totalRow;
};
