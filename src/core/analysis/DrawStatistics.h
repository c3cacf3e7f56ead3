// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/draws/DrawStore.h"

#include <QList>
#include <QString>

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

// What the draws say about each number, about pairs of numbers and about the fairness of the
// whole, over all draws or only the latest ones.
//
// The draws are the records in record order, the latest last; a window of the last W draws
// holds records RecCount - W + 1 .. RecCount. The main numbers and the extra numbers are two
// pools, each with statistics of its own. The main pool's numbers are read as the counts read
// them (every number field but the extra numbers'), and only numbers 1..HighNum take part, so
// over all draws `drawn` equals the store's NumberCounts. The extra pool reads only the extra
// numbers' fields, numbers within the extra range, and equals the store's ExtraCounts.
//
// The window limits the counts only (`drawn`, `expected`, `difference`, the pairs and the
// fairness check). When a number was last drawn and its gaps always come from all draws: a
// number last drawn 12 draws ago is out for 12, whatever the window, and not "never".
//
// Gaps. A gap of a number is a run of consecutive draws without it. Its length is the number
// of draws in the run, so a number drawn in two draws in a row has a gap of 0 between them.
// - `outFor` is the open run at the end: the draws after its latest draw; 0 when the latest
//   draw holds it, and every draw when it was never drawn.
// - `longestGap` is the longest run anywhere, the open runs at both ends included: a number out
//   for 40 draws has been missing for at least 40.
// - `averageGap` is the mean of the runs between two of its draws only. The open runs have not
//   ended yet and would pull the mean down, so they are left out, and a number drawn in fewer
//   than two draws has no average gap. With fair draws it tends to N / k - 1.
// A number that appears twice in one draw counts twice in `drawn` but that draw only once for
// the gaps and the pairs.
struct NumberFigures {
    int number = 0;
    int drawn = 0;
    double expected = 0; // draws x k / N (of the pool)
    double difference = 0; // drawn - expected
    int lastRecord = 0; // record number of its latest draw; 0 when never
    QDate lastDate; // that record's date; invalid when never drawn
    int outFor = 0;
    int longestGap = 0;
    std::optional<double> averageGap;

    bool neverDrawn() const { return lastRecord == 0; }
};

// Two numbers and how many draws of the window held both, first < second.
struct PairFigures {
    int first = 0;
    int second = 0;
    int count = 0;

    bool operator==(const PairFigures&) const = default;
};

// A chi-square goodness-of-fit test of the counts against equal chances for every number.
//
// A draw takes k different numbers, so the counts are not independent as the textbook test
// assumes: with N numbers, Pearson's sum of (drawn - expected)^2 / expected comes out smaller by
// the factor (N - k) / (N - 1) under fair draws. `chiSquare` is that sum times (N - 1) / (N - k),
// which follows the chi-square distribution with N - 1 degrees of freedom when the draws are
// fair; without the correction a lottery of 6 from 49 would look fairer than it is.
struct FairnessCheck {
    enum class Verdict {
        NoDraws, // nothing to test
        NothingToCheck, // every draw holds every number (k >= N): the counts cannot differ
        TooFewDraws, // under one expected draw per number: too few for the test to be trusted
        Tested,
    };
    // Below this p-value, as shown with two significant digits, the differences are called
    // larger than chance would usually produce.
    static constexpr double Significance = 0.05;

    Verdict verdict = Verdict::NoDraws;
    double chiSquare = 0;
    int degreesOfFreedom = 0;
    double pValue = 1; // 1 when there is nothing to test

    // Tested, and the p-value as shown is below Significance: the sentence and the number
    // shown never disagree.
    bool beyondChance() const;
};

// The main numbers of the draws, or the extra numbers apart from them.
enum class Pool { Main, Extra };

struct DrawStatistics {
    // The window sizes a user chooses from; 0 stands for all draws.
    static constexpr std::array<int, 6> WindowSizes {0, 10, 25, 50, 100, 250};
    static constexpr int TopPairCount = 20;

    int lastDraws = 0; // as asked; 0 = all
    int totalDraws = 0; // RecCount
    int firstRecord = 1; // the window's first record
    int draws = 0; // draws in the window
    Pool pool = Pool::Main;
    int numbersPerDraw = 0; // k, or the extra numbers e
    int lowestNumber = 1; // 1, or the extra pool's lowest (0 for a digit)
    int highNum = 0; // N, or the extra pool's highest
    double expectedCount = 0; // draws x k / pool size, the same for every number
    QList<NumberFigures> numbers; // lowestNumber..highNum, in order
    double expectedPairCount = 0; // draws x k(k - 1) / (N(N - 1)), the same for every pair
    // The most frequent pairs, at most TopPairCount, most frequent first, equal counts in order
    // of their numbers; pairs never drawn together are not listed. The main pool's only.
    QList<PairFigures> topPairs;
    // Pairs not listed that were drawn together as often as the last one listed.
    int morePairsAtLastCount = 0;
    // What the most frequent pair of a fair history of this many draws usually reaches: from
    // the 10th to the 90th percentile of the maximum. The main pool's only.
    std::pair<int, int> typicalTopPair {0, 0};
    FairnessCheck fairness;

    int poolSize() const { return std::max(highNum - lowestNumber + 1, 0); }
    // Row n is (number n, out for), the form the charts rank and draw.
    NumberTable OutForTable() const;
};

// The statistics of the last `lastDraws` draws of `store` (all draws when 0 or more than there
// are), of its main numbers or its extra ones (none when the shape has no extra numbers).
// Linear in draws x numbers per draw, the pairs in its square.
DrawStatistics ComputeDrawStatistics(const DrawStore& store, int lastDraws = 0,
                                     Pool pool = Pool::Main);

// The columns of the per-number table, as shown, printed and saved.
enum class NumberColumn {
    Number,
    Drawn,
    Expected,
    Difference,
    LastDrawn,
    OutFor,
    LongestGap,
    AverageGap
};
constexpr int NumberColumnCount = 8;

QString NumberColumnTitle(NumberColumn column);
// A cell as shown and printed: decimals in the user's locale with one place, the difference
// signed, dates in the short date form, "never" for a number never drawn, an average gap that
// does not exist empty.
QString NumberCellText(const NumberFigures& figures, NumberColumn column);
// The value a column sorts by: the shown value, rounded as shown, so equal texts sort as equals;
// the latest draw by record number (never drawn first); a missing average gap below every gap.
double NumberSortKey(const NumberFigures& figures, NumberColumn column);

// An expected count as shown: one decimal place in the user's locale.
QString FormatExpected(double value);

// "p = 0.41", "p = 0.003", "p < 0.0001", "p > 0.99": two significant digits in the user's
// locale.
QString FormatPValue(double pValue);

// The 10th and 90th percentiles of the count of the most frequent pair when `draws` fair draws
// take k of n numbers each.
std::pair<int, int> TypicalTopPair(int draws, int k, int n);

// "In a fair history of 150 draws the top pair is usually drawn 7 to 9 times".
QString TypicalTopPairText(const DrawStatistics& stats);

// The heading of the pairs, two lines: "Pairs drawn together most often (by chance 1.9 times
// each)" and what the top pair of a fair history of as many draws usually reaches.
QString PairsTitle(const DrawStatistics& stats);

// "and 26 more pairs drawn 5 times" when the list ends within a tie; empty otherwise.
QString MorePairsText(const DrawStatistics& stats);

// The one sentence a player reads, such as "The differences are within what chance produces
// (p = 0.41).".
QString FairnessSentence(const FairnessCheck& fairness);
