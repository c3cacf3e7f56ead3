#include "TopNumbers.h"

#include "core/analysis/Ranking.h"
#include "core/draws/DatabaseView.h"

std::optional<QString> TopNumbersOf(const DrawStore& store)
{
    return DatabaseView::TopNumbersLine(
        RankByCount(store.NumberCounts(), store.shape().highestNumber, RankOrder::ByCount),
        store.shape().numbersPerDraw);
}
