// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "TopNumbers.h"

#include "core/analysis/Ranking.h"
#include "core/draws/DatabaseView.h"

std::optional<QString> TopNumbersOf(const DrawStore& store)
{
    return DatabaseView::TopNumbersLine(
        RankByCount(store.NumberCounts(), store.shape().highestNumber, RankOrder::ByCount),
        store.shape().numbersPerDraw);
}

std::optional<QString> TopExtraNumbersOf(const DrawStore& store)
{
    const LotteryShape shape = store.shape();
    if (shape.extraNumbers == 0)
        return std::nullopt;
    const std::optional<QString> line = DatabaseView::TopNumbersLine(
        RankByCount(store.ExtraCounts(), shape.extraMax(), RankOrder::ByCount, shape.extraMin()),
        shape.extraNumbers);
    if (!line)
        return std::nullopt;
    return QString(*line).replace(QStringLiteral("of numbers"), QStringLiteral("of extra numbers"));
}
