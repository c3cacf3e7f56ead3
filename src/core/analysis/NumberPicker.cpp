// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "NumberPicker.h"

#include "core/analysis/Ranking.h"
#include "core/common/RandomSource.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <utility>

namespace {

int setCount(const PickSettings& settings)
{
    return std::clamp(settings.entryForms, 0, LotteryShape::MaxEntryForms);
}

int picksPerSet(const PickSettings& settings)
{
    return std::clamp(settings.shape.numbersPerDraw, 0, LotteryShape::MaxNumbersPerDraw);
}

int extrasPerSet(const PickSettings& settings)
{
    return std::clamp(settings.shape.extraNumbers, 0, LotteryShape::MaxExtraNumbers);
}

// The third a mode picks from, and what is said when a number in it was never drawn.
std::pair<Third, QString> thirdOf(PickMode mode)
{
    if (mode == PickMode::MiddleThird)
        return {Third::Middle, QStringLiteral(" Not enough middle data")};
    if (mode == PickMode::BottomThird)
        return {Third::Bottom, QStringLiteral(" Not enough bottom data")};
    return {Third::Top, QStringLiteral(" Not enough top data")};
}

// The numbers of the chosen third of `ranked` (a pool of `poolSize` numbers ranked by count), or
// the third's shortage when one of them was never drawn.
std::variant<std::vector<int>, PickAbort> thirdOfRanked(const NumberTable& ranked, int poolSize,
                                                        PickMode mode)
{
    const auto [third, shortage] = thirdOf(mode);
    const RankRange range = ThirdRanks(third, poolSize);
    std::vector<int> pool;
    for (int rank = std::max(range.first, 1);
         rank <= std::min(range.last, DrawStore::HighestNumber); ++rank) {
        pool.push_back(ranked[rank].number);
        if (ranked[rank].count == 0)
            return PickAbort {shortage};
    }
    return pool;
}

} // namespace

NumberPicker::NumberPicker(RandomSource& random) : m_random(random)
{
}

PickOutcome NumberPicker::PickNumbers(const PickSettings& settings, const DrawStore& store)
{
    try {
        auto pool = buildPool(settings, store);
        if (const auto* abort = std::get_if<PickAbort>(&pool))
            return *abort;
        auto extraPool = buildExtraPool(settings, store);
        if (const auto* abort = std::get_if<PickAbort>(&extraPool))
            return *abort;
        PickResult result;
        result.pool = std::move(std::get<std::vector<int>>(pool));
        result.extraPool = std::move(std::get<std::vector<int>>(extraPool));
        drawSets(settings, result);
        if (result.shortage.isEmpty()) {
            for (int s = 1; s <= setCount(settings); ++s) {
                std::sort(result.sets[s].begin() + 1,
                          result.sets[s].begin() + 1 + picksPerSet(settings));
                std::sort(result.extras[s].begin(),
                          result.extras[s].begin() + extrasPerSet(settings));
            }
        }
        return result;
    } catch (const std::exception&) {
        return PickAbort {QStringLiteral(" Unknown error in Calculation.")};
    }
}

std::variant<std::vector<int>, PickAbort> NumberPicker::buildPool(const PickSettings& settings,
                                                                  const DrawStore& store) const
{
    std::vector<int> pool;
    if (settings.mode == PickMode::FullRange) {
        const int highest = std::clamp(settings.shape.highestNumber, 0, DrawStore::HighestNumber);
        for (int n = 1; n <= highest; ++n)
            pool.push_back(n);
        return pool;
    }

    if (store.RecCount() == 0)
        return PickAbort {QStringLiteral(" No records in database")};
    // The pick's own ranking, by count whatever order a chart shows.
    const NumberTable ranked
        = RankByCount(store.NumberCounts(), store.shape().highestNumber, RankOrder::ByCount);
    return thirdOfRanked(ranked, settings.shape.highestNumber, settings.mode);
}

std::variant<std::vector<int>, PickAbort> NumberPicker::buildExtraPool(const PickSettings& settings,
                                                                       const DrawStore& store) const
{
    std::vector<int> pool;
    if (extrasPerSet(settings) == 0)
        return pool;
    const int lowest = settings.shape.extraMin();
    const int highest = std::min(settings.shape.extraMax(), DrawStore::HighestNumber);
    if (settings.mode == PickMode::FullRange) {
        for (int n = lowest; n <= highest; ++n)
            pool.push_back(n);
        return pool;
    }
    // The extra numbers rank among themselves, by how often each was drawn as one.
    const NumberTable ranked
        = RankByCount(store.ExtraCounts(), highest, RankOrder::ByCount, lowest);
    return thirdOfRanked(ranked, highest - lowest + 1, settings.mode);
}

int NumberPicker::drawIndex(int poolSize)
{
    m_random.reseedFromClock();
    const float u = m_random.nextUniform();
    // The index is computed in single precision; keep it inside the pool even when the product
    // rounds up to the pool size.
    const int index = int(std::floor(float(poolSize) * u + 1.0f));
    return poolSize > 0 ? std::clamp(index, 1, poolSize) : 0;
}

void NumberPicker::drawSets(const PickSettings& settings, PickResult& result)
{
    const int poolSize = int(result.pool.size());
    const int extraPoolSize = int(result.extraPool.size());
    // A bonus from the main pool is another ball of the same draw.
    const bool bonus = !settings.shape.hasOwnPool();
    for (int s = 1; s <= setCount(settings); ++s) {
        for (int k = 1; k <= picksPerSet(settings);) {
            // An empty pool yields no number (0).
            const int index = drawIndex(poolSize);
            const int candidate = index > 0 ? result.pool[std::size_t(index - 1)] : 0;

            const auto taken = result.sets[s].begin() + 1;
            if (std::find(taken, taken + k, candidate) != taken + k)
                ++result.duplicates;
            else
                result.sets[s][k++] = candidate;

            if (result.duplicates == DuplicateLimit) {
                result.shortage = QStringLiteral(" No enough Data");
                return;
            }
        }
        auto& extras = result.extras[std::size_t(s)];
        for (int x = 0; x < extrasPerSet(settings);) {
            // An extra number may be 0, so an empty pool's draw is a repeat.
            const int index = drawIndex(extraPoolSize);
            const int candidate = index > 0 ? result.extraPool[std::size_t(index - 1)] : NoExtra;
            const auto main = result.sets[s].begin() + 1;
            const bool repeat = candidate == NoExtra
                || std::find(extras.begin(), extras.begin() + x, candidate) != extras.begin() + x
                || (bonus
                    && std::find(main, main + picksPerSet(settings), candidate)
                        != main + picksPerSet(settings));
            if (repeat)
                ++result.duplicates;
            else
                extras[std::size_t(x++)] = candidate;

            if (result.duplicates == DuplicateLimit) {
                result.shortage = QStringLiteral(" No enough Data");
                return;
            }
        }
    }
}
