#pragma once

// The shape of a lottery: how many numbers each draw has, out of 1 to the highest number. Its
// limits, those of the entry forms played, and the shape the program starts with are defined
// here and nowhere else.
struct LotteryShape {
    static constexpr int MinNumbersPerDraw = 1;
    static constexpr int MaxNumbersPerDraw = 10;
    static constexpr int MinHighestNumber = 1;
    static constexpr int MaxHighestNumber = 60;
    static constexpr int DefaultNumbersPerDraw = 6;
    static constexpr int DefaultHighestNumber = 49;

    // Entry forms (tickets) played at once, each a set of picked numbers.
    static constexpr int MinEntryForms = 1;
    static constexpr int MaxEntryForms = 10;
    static constexpr int DefaultEntryForms = 1;

    int numbersPerDraw = DefaultNumbersPerDraw;
    int highestNumber = DefaultHighestNumber;

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

    // The shape cut to the limits: a draw file may announce any shape, the program keeps one it
    // can show.
    constexpr LotteryShape clamped() const
    {
        return {numbersPerDraw < MinNumbersPerDraw       ? MinNumbersPerDraw
                    : numbersPerDraw > MaxNumbersPerDraw ? MaxNumbersPerDraw
                                                         : numbersPerDraw,
                highestNumber < MinHighestNumber       ? MinHighestNumber
                    : highestNumber > MaxHighestNumber ? MaxHighestNumber
                                                       : highestNumber};
    }

    bool operator==(const LotteryShape&) const = default;
};
