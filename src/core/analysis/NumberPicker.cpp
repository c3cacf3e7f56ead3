#include "NumberPicker.h"

#include "core/analysis/Ranking.h"
#include "core/common/MessageBoxes.h"
#include "core/common/RandomSource.h"

#include <algorithm>
#include <cmath>
#include <exception>

namespace {

const QString helpTitle = QStringLiteral("Help");

} // namespace

NumberPicker::NumberPicker(RandomSource& random, MessageBoxes& messages)
    : m_random(random), m_messages(messages)
{
}

void NumberPicker::ClearPool()
{
    m_pool = {};
    m_poolSize = 0;
}

void NumberPicker::abort(const QString& message)
{
    m_messages.inform(helpTitle, message);
    m_aborted = true;
}

void NumberPicker::PickNumbers(const PickSettings& settings, DrawStore& store)
{
    try {
        if (!buildPool(settings, store))
            return;
        if (!drawSets(settings))
            return;
        sortSets(settings);
    } catch (const std::exception&) {
        abort(QStringLiteral(" Unknown error in Calculation."));
    }
}

bool NumberPicker::buildPool(const PickSettings& settings, DrawStore& store)
{
    ClearPool();
    if (settings.PickMode == PickFullRange) {
        m_poolSize = std::clamp(settings.H, 0, DrawStore::HighestNumber);
        for (int i = 1; i <= DrawStore::HighestNumber; ++i)
            m_pool[i][0] = i;
        return true;
    }

    if (store.RecCount() == 0) {
        abort(QStringLiteral(" No records in database"));
        return false;
    }
    // The pick's own ranking: no mode is left behind for another window to find.
    store.SortedCounts() = RankByCount(store.NumberCounts(), store.HighNum(), RankOrder::ByCount);
    const NumberTable& ranked = store.SortedCounts();

    Third third = Third::Top;
    QString shortage = QStringLiteral(" Not enough top data");
    if (settings.PickMode == PickMiddleThird) {
        third = Third::Middle;
        shortage = QStringLiteral(" Not enough middle data");
    } else if (settings.PickMode == PickBottomThird) {
        third = Third::Bottom;
        shortage = QStringLiteral(" Not enough bottom data");
    }
    const RankRange range = ThirdRanks(third, settings.H);
    for (int rank = std::max(range.first, 1); rank <= std::min(range.last, 60); ++rank) {
        ++m_poolSize;
        m_pool[m_poolSize][0] = ranked[rank][0];
        if (ranked[rank][1] == 0) {
            abort(shortage);
            return false;
        }
    }
    return true;
}

bool NumberPicker::drawSets(const PickSettings& settings)
{
    m_duplicates = 0;
    const int sets = std::clamp(settings.S, 0, MaxSets);
    const int picks = std::clamp(settings.P, 0, MaxPicks);
    for (int s = 1; s <= sets; ++s) {
        for (int k = 1; k <= picks;) {
            m_random.reseedFromClock();
            const float u = m_random.nextUniform();
            // The index is computed in single precision; keep it inside the pool even when
            // the product rounds up to the pool size.
            const int index = int(std::floor(float(m_poolSize) * u + 1.0f));
            const int candidate = m_pool[std::clamp(index, 1, std::max(m_poolSize, 1))][0];

            const auto taken = m_results[s].begin() + 1;
            if (std::find(taken, taken + k, candidate) != taken + k)
                ++m_duplicates;
            else
                m_results[s][k++] = candidate;

            if (m_duplicates == DuplicateLimit) {
                m_messages.inform(helpTitle, QStringLiteral(" No enough Data"));
                return false;
            }
        }
    }
    return true;
}

void NumberPicker::sortSets(const PickSettings& settings)
{
    const int sets = std::clamp(settings.S, 0, MaxSets);
    const int picks = std::clamp(settings.P, 0, MaxPicks);
    for (int s = 1; s <= sets; ++s)
        std::sort(m_results[s].begin() + 1, m_results[s].begin() + 1 + picks);
}
