// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/draws/DrawStore.h"

enum class RankOrder { ByCount, Natural };

// Ranks the numbers 1..highNum by their count, highest first: row r of the result holds the
// number at rank r and its count. With RankOrder::Natural the numbers stay in order 1..highNum.
// The order among equal counts is the one the documented sort gives, not a sort key: a Shell
// sort followed by exactly five neighbour passes that move smaller numbers forward, so a small
// number can end up behind a larger one with the same count. A pool that starts elsewhere (the
// extra numbers' 0..9) ranks numbers `lowest`..highNum into rows 1..highNum - lowest + 1.
NumberTable RankByCount(const NumberTable& counts, int highNum, RankOrder order, int lowest = 1);

// First and last rank (inclusive) of a third of the ranking of `highest` numbers.
struct RankRange {
    int first = 0;
    int last = 0;
};
enum class Third { Top, Middle, Bottom };
RankRange ThirdRanks(Third third, int highest);
