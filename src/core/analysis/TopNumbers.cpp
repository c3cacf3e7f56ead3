#include "TopNumbers.h"

#include "core/analysis/Ranking.h"
#include "core/draws/DatabaseView.h"

std::optional<QString> TopNumbersOf(const DrawStore& store)
{
    return DatabaseView::TopNumbersLine(
        RankByCount(store.NumberCounts(), store.HighNum(), RankOrder::ByCount),
        store.ColCount() - 2);
}
