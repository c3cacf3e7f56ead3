// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QString>

#include <algorithm>
#include <optional>
#include <vector>

// The shape of a lottery: how many numbers each draw has, out of 1 to the highest number, and
// the extra numbers drawn beside them, if any: a bonus ball drawn from the same pool after the
// main numbers, or numbers from a pool of their own (1 of 26, 2 of 12, a digit 0..9). Its limits,
// those of the entry forms played, and the shape the program starts with are defined here and
// nowhere else.
struct LotteryShape {
    static constexpr int MinNumbersPerDraw = 1;
    static constexpr int MaxNumbersPerDraw = 20;
    static constexpr int MinHighestNumber = 1;
    static constexpr int MaxHighestNumber = 99;
    static constexpr int DefaultNumbersPerDraw = 6;
    static constexpr int DefaultHighestNumber = 49;
    static constexpr int MaxExtraNumbers = 2;
    // An own pool runs from 0 or 1 up to at most this.
    static constexpr int MaxExtraHighest = 50;
    // The most numbers a draw holds, main and extra together.
    static constexpr int MaxDrawnNumbers = MaxNumbersPerDraw + MaxExtraNumbers;

    // The shapes the classic draw file, windows and printouts were made for: up to ten numbers
    // of up to 60, no extra numbers. Their files and texts stay exactly as they were.
    static constexpr int ClassicMaxNumbersPerDraw = 10;
    static constexpr int ClassicMaxHighestNumber = 60;

    // Entry forms (tickets) played at once, each a set of picked numbers.
    static constexpr int MinEntryForms = 1;
    static constexpr int MaxEntryForms = 10;
    static constexpr int DefaultEntryForms = 1;

    // Where the extra numbers come from.
    enum class ExtraPool {
        Main, // drawn from 1..highestNumber after the main numbers, each differing from them
        Own, // from extraLowest..extraHighest, whatever the main numbers
    };

    int numbersPerDraw = DefaultNumbersPerDraw;
    int highestNumber = DefaultHighestNumber;
    int extraNumbers = 0;
    ExtraPool extraPool = ExtraPool::Main;
    // The own pool's range; unused for extra numbers from the main pool.
    int extraLowest = 1;
    int extraHighest = 1;

    static constexpr bool isNumbersPerDraw(int value)
    {
        return value >= MinNumbersPerDraw && value <= MaxNumbersPerDraw;
    }
    static constexpr bool isHighestNumber(int value)
    {
        return value >= MinHighestNumber && value <= MaxHighestNumber;
    }
    static constexpr bool isEntryForms(int value)
    {
        return value >= MinEntryForms && value <= MaxEntryForms;
    }

    constexpr bool isClassic() const
    {
        return numbersPerDraw <= ClassicMaxNumbersPerDraw
            && highestNumber <= ClassicMaxHighestNumber && extraNumbers == 0;
    }
    constexpr bool hasOwnPool() const { return extraNumbers > 0 && extraPool == ExtraPool::Own; }
    // Main and extra numbers: the fields of a draw that hold something.
    constexpr int drawnNumbers() const { return numbersPerDraw + extraNumbers; }
    // The extra numbers drawn from a pool of their own: a player chooses them and a ticket plays
    // them after its main numbers; a bonus ball from the main pool is no one's to choose.
    constexpr int ownPoolNumbers() const { return hasOwnPool() ? extraNumbers : 0; }
    // The numbers a ticket plays: the main ones, then those of an own pool.
    constexpr int playedNumbers() const { return numbersPerDraw + ownPoolNumbers(); }
    // The numbers drawn from 1..highestNumber: the main ones and a bonus ball.
    constexpr int mainPoolNumbers() const { return drawnNumbers() - ownPoolNumbers(); }

    // A record as the grids and the classic file show it: its number and date, then its numbers.
    static constexpr int RecordLeadColumns = 2;
    static constexpr int recordColumnsFor(int numbers) { return numbers + RecordLeadColumns; }
    // The grid columns of a record of this shape, and the first that holds an extra number.
    constexpr int recordColumns() const { return recordColumnsFor(drawnNumbers()); }
    constexpr int firstExtraColumn() const { return recordColumnsFor(numbersPerDraw); }

    // The range an extra number is drawn from.
    constexpr int extraMin() const { return hasOwnPool() ? extraLowest : 1; }
    constexpr int extraMax() const { return hasOwnPool() ? extraHighest : highestNumber; }
    // The numbers the counts are shown for: 1..60 as ever, or up to a larger pool's highest.
    constexpr int countedNumbers() const
    {
        return std::max(ClassicMaxHighestNumber, highestNumber);
    }

    // The shape cut to the limits: a draw file may announce any shape, the program keeps one it
    // can show. An own pool starts at 0 or 1 and holds at least as many numbers as are drawn
    // from it; without extra numbers the pool's fields are the defaults.
    constexpr LotteryShape clamped() const
    {
        LotteryShape shape;
        shape.numbersPerDraw = std::clamp(numbersPerDraw, MinNumbersPerDraw, MaxNumbersPerDraw);
        shape.highestNumber = std::clamp(highestNumber, MinHighestNumber, MaxHighestNumber);
        shape.extraNumbers = std::clamp(extraNumbers, 0, MaxExtraNumbers);
        if (shape.extraNumbers > 0 && extraPool == ExtraPool::Own) {
            shape.extraPool = ExtraPool::Own;
            shape.extraLowest = std::clamp(extraLowest, 0, 1);
            // At least 1: the draw file writes 0,0 for extra numbers from the main pool.
            shape.extraHighest
                = std::clamp(extraHighest, std::max(1, shape.extraLowest + shape.extraNumbers - 1),
                             MaxExtraHighest);
        }
        return shape;
    }

    bool operator==(const LotteryShape&) const = default;
};

class FileFieldReader;
class FileFieldWriter;

// A lottery's shape as the program's files write it, in five fields: numbers per draw, highest
// number, extra numbers, and the extra numbers' own pool (lowest, highest) or 0,0 when they are
// drawn from the main pool. The extended draw file and the ticket book both write it so.
namespace ShapeFields {

void Write(FileFieldWriter& writer, const LotteryShape& shape);
// The five fields, or nothing unless they are a shape the program keeps exactly as written.
std::optional<LotteryShape> Read(FileFieldReader& reader);

} // namespace ShapeFields

// The shape as the common-shapes list names it: "6 of 49", "6 of 49 + bonus",
// "5 of 69 + 1 of 26", "6 of 49 + 1 of 0-9".
QString ShapeName(const LotteryShape& shape);

// A shape players know, by its name.
struct CommonShape {
    QString name;
    LotteryShape shape;
};
// The shapes of widely played games, most classic first.
const std::vector<CommonShape>& CommonShapes();
