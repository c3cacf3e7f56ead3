// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/draws/DrawStore.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// Reads a lottery's published draw history (a CSV or tab file as downloaded, or text pasted from
// a web page) into draws for the draw store.
//
// Each line is searched for its first date and the whole numbers after it (before it when none
// follow it); whatever else the line holds (a draw number before the date, words, amounts,
// decimals, times) is passed over. The reader works out by itself:
// - the text encoding: a byte order mark (UTF-8 or UTF-16), else UTF-8 when the bytes are valid
//   UTF-8, else Windows-1252; line ends CR LF, LF or CR. Lines are decoded one at a time;
// - the separator: tab, semicolon or comma, whichever most lines hold outside double quotes, or
//   blanks when none does. A comma between digits separates numbers only in a comma-separated
//   file or in pasted text, and not in "1,234,567"; elsewhere it is a decimal comma. Values that
//   are not whole numbers (decimals, times, amounts) are passed over;
// - the date: day-month-year or month-day-year with "/", "." or "-" ("19.11.2025"), year first
//   ("2025-11-19", "2025.02.08", also with a time: "2025-01-04T00:00:00.000"), eight digits
//   ("20251119"), or with the month spelled out or abbreviated in English, German, French,
//   Spanish, Italian, Dutch or Portuguese ("June 12, 1982", "Sat 12 Jun 1982", "19-Nov-2025").
//   Whether "03/04/2025" is the 3rd of April or the 4th of March is decided once for the whole
//   file: a date such as "26/09/2020" or "09/26/2020" tells; when none does, the caller's order is
//   used (DateOrder), or else the one of the system's short date format, and
//   dateOrderUndecided() says so, so that a window can ask. A two-digit year falls in the hundred
//   years that end with next year ("82" is 1982, "25" 2025): a history holds past draws. Years
//   outside 1000..9999 are bad dates;
// - the numbers: digits, leading zeros allowed ("06"), one per field or several in one field
//   separated by blanks, dashes or (in pasted text) commas ("11 21 27 36 59", "3-11-12").
//
// The shape's drawn numbers are its main numbers then its extra numbers, in the file's order
// (the extra numbers last, as histories publish them).//
// Columns are counted from 1: the fields of a file with a separator, the pieces between blanks
// of other text. When more dated rows hold more numbers than the shape asks for (a bonus ball, a
// draw number after the date, prize columns, a lottery of more numbers) than hold just as many,
// nothing is imported and columnsNeeded() says so, until the caller names the columns of the
// drawn numbers (Columns): then the date is read from its column (found as usual when none is
// given), and the numbers from the given columns only, in their order, the first drawn numbers
// of them (the main numbers, then the extra ones); in the date's own column only what follows the
// date counts. Unless one field of the typical row holds just as many numbers as a draw, blank
// separated ("Draw Date,Winning Numbers,Multiplier" with "09/26/2020,11 21 27 36 62 24,3"): that
// field is the draw's, as if its column had been named.
//
// Lines are used or reported as follows:
// - a blank line, or a line without a date that does not look like a draw (a header such as
//   "Draw Date,Winning Numbers", a heading in pasted text), is passed over and only counted;
// - a line without a readable date that does look like a draw (at least as many whole
//   numbers as a draw holds, and a digit where the dates stand, as with a misspelt month) is
//   skipped and reported as BadDate, as is a date that does not exist ("31/02/2020") or lies
//   outside the years 1000..9999; one whose date cell is empty is reported as NoDate; a draw is
//   never guessed onto another date;
// - a dated line is skipped and reported when its date is after `today` (a typo), or when it
//   holds fewer than the shape's drawn numbers, a number outside its range, or a number twice.
//   A draw is its `numbersPerDraw` main numbers, from 1..highestNumber and all different, then
//   its `extraNumbers` extra numbers: from the main pool, each differing from the main numbers
//   and the other extra one; or from their own pool extraLowest..extraHighest, differing from
//   each other only (the same number may be drawn in both pools).
//
// The draws are then sorted by date, oldest first; draws of one date keep the order of the file
// (read backwards when the file runs newest first). A draw with the same date, the same main
// numbers and the same extra numbers as an earlier one, each in whatever order, is a duplicate
// and dropped. Every other draw is kept: whether they all fit in the store is the caller's
// question.
//
// Every accepted draw is a record the draw file writes and reads back unchanged: a year of four
// digits, numbers within the shape. The work is linear in the size of the input, apart from the
// sort; the memory is the draws' (a few dozen bytes each) beside the input.
class DrawHistoryImport {
public:
    static constexpr int MaxNumbersPerDraw = LotteryShape::MaxNumbersPerDraw;
    static constexpr int MaxHighestNumber = LotteryShape::MaxHighestNumber;
    static constexpr int MaxDrawnNumbers = LotteryShape::MaxDrawnNumbers;
    // A million draws with all their columns fit.
    static constexpr qsizetype MaxBytes = 64 * 1024 * 1024;

    using Shape = LotteryShape;

    enum class DateOrder {
        FromFile, // decided by the file's dates; the short date format's order when they cannot
                  // tell
        DayMonth,
        MonthDay,
    };

    enum class Separator { Blanks, Comma, Semicolon, Tab };

    enum class SkipReason {
        BadDate,
        TooFewNumbers, // `value` holds how many numbers were found
        NumberOutOfRange, // `value` holds the number (clipped to 9999999)
        ExtraOutOfRange, // an extra number outside its own pool; `value` holds it
        RepeatedNumber, // `value` holds the number
        NoDate, // the date cell is empty
        FutureDate, // after the day of the import: a typo
    };

    struct SkippedLine {
        int line = 0; // counted from 1
        SkipReason reason = SkipReason::BadDate;
        int value = 0;
        QString text; // the line, trimmed, cut to 200 characters, control characters as "\x1b"
    };

    // Small, 32 bytes: a history may hold a million draws.
    struct Draw {
        std::int32_t day = 0; // the date as a Julian day
        // The main numbers then the extra numbers, in the file's order; 0 beyond the shape.
        std::array<std::uint8_t, MaxDrawnNumbers> numbers {};
        int line = 0; // where it stood in the file

        QDate date() const { return QDate::fromJulianDay(day); }
    };
    static_assert(sizeof(Draw) <= 32);

    // A draw of the history on a date the store holds with other numbers: it is not added.
    struct Conflict {
        QDate date;
        // Main then extra numbers, as in Draw.
        std::array<int, MaxDrawnNumbers> stored {}; // the first stored draw of that date
        std::array<int, MaxDrawnNumbers> imported {};
        int line = 0; // the history's line
    };

    struct Merged {
        DrawRecords records; // sorted by date, numbered from 1
        int added = 0; // draws of the history that are new
        // Draws of the history already stored (same date, same main and extra numbers in any
        // order) or twice in the history itself.
        int duplicates = 0;
        std::vector<Conflict> conflicts;
        int leftOut = 0; // older draws of the history not taken: only the newest were asked for
    };

    // Where the date and the drawn numbers stand, as columns counted from 1 (for a file with a
    // separator: its fields; for text separated by blanks: the pieces between blanks).
    struct Columns {
        int date = 0; // 0: found by the reader
        std::vector<int> numbers; // empty: the numbers after the date, as found
        bool operator==(const Columns&) const = default;
    };

    // `today` places the two-digit years, refuses later dates and is the day the store keeps as
    // typed.
    DrawHistoryImport(const QByteArray& bytes, Shape shape, const QDate& today,
                      DateOrder dateOrder = DateOrder::FromFile);
    // `columns` says where the date and the drawn numbers stand.
    DrawHistoryImport(const QByteArray& bytes, Shape shape, const QDate& today, DateOrder dateOrder,
                      Columns columns);

    // Why nothing was read: the shape is beyond what the draw store holds (more numbers or a
    // larger pool than it takes, an extra numbers' pool that cannot be), the input is larger
    // than MaxBytes, or the rows hold more numbers than the shape and no columns were given.
    // Empty otherwise.
    QString refusal() const { return m_refusal; }
    // True when no columns were given and the rows carry more numbers than the shape asks for:
    // nothing is imported and refusal() says so, naming the columns seen.
    bool columnsNeeded() const { return m_columnsNeeded; }
    // What was taken for the typical row (the first draw read; the row refusal() names).
    const Columns& columnsUsed() const { return m_columnsUsed; }
    // The most columns any dated row has.
    int columnCount() const { return m_columnCount; }
    // The text of the header line above the draws for that column, or empty.
    QString columnHeading(int column) const;

    // "3-8", "5,7,9-12" (blanks allowed) as columns with the date in column `date`; nothing when
    // the text names no columns, a column twice, or one beyond MaxColumn.
    static std::optional<Columns> ParseColumns(const QString& text, int date = 0);
    // The columns as ParseColumns reads them, runs of two or more joined: "5-11", "5,7,9-12".
    static QString ColumnsText(const std::vector<int>& numbers);
    static constexpr int MaxColumn = 9999;

    Shape shape() const { return m_shape; }
    // The day the import was read on.
    QDate today() const { return m_today; }
    // The draws kept, oldest first.
    const std::vector<Draw>& draws() const { return m_draws; }
    // The lines that could not be used, in file order.
    const std::vector<SkippedLine>& skippedLines() const { return m_skipped; }
    // What a skipped line's reason says to the user, such as "number 62 is not from 1 to 49".
    QString reasonText(const SkippedLine& skipped) const;
    int duplicates() const { return m_duplicates; }
    // Blank lines, headers and headings passed over.
    int ignoredLines() const { return m_ignoredLines; }
    Separator separator() const { return m_separator; }
    // The order used for dates such as "03/04/2025".
    DateOrder dateOrder() const { return m_dateOrder; }
    // True when the file holds such dates, none of them tells the order and the caller passed
    // none: the draws are read in dateOrder(), which the user may want to choose.
    bool dateOrderUndecided() const { return m_dateOrderUndecided; }

    // The draws as the store's records, numbered from 1.
    DrawRecords records() const;
    // The store's records with these draws added, sorted by date (the store's records first
    // among those of one date), renumbered. A draw already stored is a duplicate; one on a date
    // the store holds only with other numbers is a conflict; neither is added, and the store's
    // records all stay. `newest` > 0 takes only that many of the newest draws. Records are
    // never dropped to fit the store: the caller checks DrawStore::MaxRecords. A record whose
    // date cannot be read counts as the oldest.
    Merged mergedWith(const DrawRecords& existing, int newest = 0) const;
    // Why these draws cannot be added to `store`: it holds records of another shape (extra
    // numbers and their pool included). Empty when they can.
    QString mergeRefusal(const DrawStore& store) const;

private:
    QString shapeRefusal() const;
    // The number fields of a record of this shape: ten at least, as the draw file has.
    int recordFields() const;
    void read(const QByteArray& bytes, const Columns& columns);
    void keepDraws(bool newestFirst);

    Shape m_shape;
    QDate m_today;
    QString m_refusal;
    std::vector<Draw> m_draws;
    std::vector<SkippedLine> m_skipped;
    int m_duplicates = 0;
    int m_ignoredLines = 0;
    Separator m_separator = Separator::Blanks;
    DateOrder m_dateOrder = DateOrder::DayMonth;
    bool m_dateOrderUndecided = false;
    bool m_columnsNeeded = false;
    Columns m_columnsUsed;
    int m_columnCount = 0;
    QStringList m_headings;
};
