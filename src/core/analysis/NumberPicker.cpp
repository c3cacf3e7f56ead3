#include "NumberPicker.h"

#include "core/analysis/Ranking.h"
#include "core/common/RandomSource.h"

#include <algorithm>
#include <cmath>
#include <exception>

namespace {

int setCount(const PickSettings& settings)
{
    return std::clamp(settings.entryForms, 0, LotteryShape::MaxEntryForms);
}

int picksPerSet(const PickSettings& settings)
{
    return std::clamp(settings.shape.numbersPerDraw, 0, LotteryShape::MaxNumbersPerDraw);
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
        PickResult result;
        result.pool = std::move(std::get<std::vector<int>>(pool));
        drawSets(settings, result);
        if (result.shortage.isEmpty()) {
            for (int s = 1; s <= setCount(settings); ++s)
                std::sort(result.sets[s].begin() + 1,
                          result.sets[s].begin() + 1 + picksPerSet(settings));
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

    Third third = Third::Top;
    QString shortage = QStringLiteral(" Not enough top data");
    if (settings.mode == PickMode::MiddleThird) {
        third = Third::Middle;
        shortage = QStringLiteral(" Not enough middle data");
    } else if (settings.mode == PickMode::BottomThird) {
        third = Third::Bottom;
        shortage = QStringLiteral(" Not enough bottom data");
    }
    const RankRange range = ThirdRanks(third, settings.shape.highestNumber);
    for (int rank = std::max(range.first, 1);
         rank <= std::min(range.last, DrawStore::HighestNumber); ++rank) {
        pool.push_back(ranked[rank].number);
        if (ranked[rank].count == 0)
            return PickAbort {shortage};
    }
    return pool;
}

void NumberPicker::drawSets(const PickSettings& settings, PickResult& result)
{
    const int poolSize = int(result.pool.size());
    for (int s = 1; s <= setCount(settings); ++s) {
        for (int k = 1; k <= picksPerSet(settings);) {
            m_random.reseedFromClock();
            const float u = m_random.nextUniform();
            // The index is computed in single precision; keep it inside the pool even when
            // the product rounds up to the pool size. An empty pool yields no number (0).
            const int index = int(std::floor(float(poolSize) * u + 1.0f));
            const int candidate
                = poolSize > 0 ? result.pool[std::size_t(std::clamp(index, 1, poolSize) - 1)] : 0;

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
    }
}
