// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/draws/DrawStore.h"

#include <QString>

#include <array>
#include <variant>
#include <vector>

class RandomSource;

// Where the numbers of a pick come from.
enum class PickMode {
    FullRange = 1,
    TopThird = 2,
    MiddleThird = 3,
    BottomThird = 4,
};

// What to pick: sets of `shape.numbersPerDraw` numbers out of 1..`shape.highestNumber`, one set
// per entry form, and beside each the shape's extra numbers from their own range.
struct PickSettings {
    LotteryShape shape;
    int entryForms = LotteryShape::DefaultEntryForms;
    PickMode mode = PickMode::FullRange;
};

// Row s is set s, column k its k-th number; 0 is no number. Row 0 and column 0 stay 0.
using PickedSets = std::array<std::array<int, LotteryShape::MaxNumbersPerDraw + 1>,
                              LotteryShape::MaxEntryForms + 1>;

// Row s holds the extra numbers of set s in order; an extra number may be 0 (a digit), so a
// place without one holds NoExtra.
constexpr int NoExtra = -1;
using PickedExtras
    = std::array<std::array<int, LotteryShape::MaxExtraNumbers>, LotteryShape::MaxEntryForms + 1>;
constexpr PickedExtras NoExtras()
{
    PickedExtras extras {};
    for (auto& row : extras)
        row.fill(NoExtra);
    return extras;
}

// The sets of a pick, and what it drew them from.
struct PickResult {
    PickedSets sets {};
    PickedExtras extras = NoExtras();
    std::vector<int> pool; // the numbers drawn from, in rank order for a third
    std::vector<int> extraPool; // the same for the extra numbers
    int duplicates = 0; // draws rejected because the set already held the number
    // " No enough Data" when the pick gave up after NumberPicker::DuplicateLimit rejected draws:
    // the sets then hold the numbers drawn so far, unsorted. Empty otherwise.
    QString shortage;
};

// Why a pick could not start (such as " No records in database"); nothing was drawn.
struct PickAbort {
    QString message;
};

using PickOutcome = std::variant<PickResult, PickAbort>;

// Fills up to ten sets of distinct random numbers from the full range or from a third of the
// frequency ranking of the draws. The extra numbers of each set come from the extra range, or
// from the same third of the ranking of the extra numbers drawn; they differ from each other, and
// a bonus from the main pool also from the set's main numbers.
class NumberPicker {
public:
    static constexpr int DuplicateLimit = 5000;

    explicit NumberPicker(RandomSource& random);

    // Builds the pool and draws the sets. A third is ranked by the store's counts, which must be
    // up to date; the store is only read.
    PickOutcome PickNumbers(const PickSettings& settings, const DrawStore& store);

private:
    std::variant<std::vector<int>, PickAbort> buildPool(const PickSettings& settings,
                                                        const DrawStore& store) const;
    std::variant<std::vector<int>, PickAbort> buildExtraPool(const PickSettings& settings,
                                                             const DrawStore& store) const;
    void drawSets(const PickSettings& settings, PickResult& result);
    // A place of the pool, 1..size, from the next random value; 0 for an empty pool.
    int drawIndex(int poolSize);

    RandomSource& m_random;
};
