#pragma once

#include "core/tracker/Sheet.h"

#include <QString>

#include <optional>

// Typing into the tracker sheet, key by key: the grid itself never edits, every key goes through
// here and lands in both the sheet and the cell's text.
class SheetEditor {
public:
    explicit SheetEditor(Sheet& sheet) : m_sheet(sheet) { }

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
    };

    // The user made (row, column) the current cell; the next key starts it afresh.
    void cellChosen(int row, int column);
    // A typed character as its Unicode code point (KeyEnter, KeyBackspace for those keys).
    Result keyPress(int character);
    // The Delete key: empties the current cell.
    Result deleteKey();

    std::optional<int> CurrentRow;
    int CurrentCol = 0;
    QString TypingBuffer;

    static constexpr int MaxDescription = 46;
    static constexpr int MaxWholeDigits = 12;

private:
    // Keys typed before any cell was chosen go to the first description.
    void ensureCell();
    Result storeBuffer();
    bool amountKeyIgnored(QChar c) const;

    Sheet& m_sheet;
};
