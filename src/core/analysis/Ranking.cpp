// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "Ranking.h"

#include <algorithm>
#include <cmath>
#include <utility>

NumberTable RankByCount(const NumberTable& counts, int highNum, RankOrder order, int lowest)
{
    lowest = std::clamp(lowest, 0, 1);
    const int n = std::clamp(highNum, 0, DrawStore::HighestNumber) - lowest + 1;
    NumberTable rows {};
    for (int i = 1; i <= n; ++i) {
        const int number = lowest + i - 1;
        rows[i] = {number, counts[number].count};
    }
    if (order == RankOrder::Natural)
        return rows;

    const auto count = [&rows](int row) { return rows[row].count; };
    for (int gap = n / 2; gap > 0; gap /= 2) {
        for (int i = gap; i <= n - 1; ++i) {
            for (int j = i - gap + 1; j >= 1; j -= gap) {
                if (count(j) >= count(j + gap))
                    break;
                std::swap(rows[j], rows[j + gap]);
            }
        }
    }

    constexpr int tiePasses = 5;
    for (int pass = 0; pass < tiePasses; ++pass) {
        for (int i = 1; i <= n - 1; ++i) {
            if (count(i) == count(i + 1) && rows[i].number > rows[i + 1].number)
                std::swap(rows[i], rows[i + 1]);
        }
    }
    return rows;
}

RankRange ThirdRanks(Third third, int highest)
{
    // The boundaries round to the nearest integer with halves to even (nearbyint's default);
    // a third in single precision, the two-thirds mark through 0.66 in double precision.
    const auto nearest = [](double x) { return int(std::nearbyint(x)); };
    const float oneThird = float(highest) / 3.0f;
    const double twoThirds = highest * 0.66;
    switch (third) {
    case Third::Top:
        return {1, nearest(oneThird)};
    case Third::Middle:
        return {nearest(oneThird + 1.0f), nearest(twoThirds)};
    case Third::Bottom:
        break;
    }
    return {nearest(twoThirds + 1.0), highest};
}
