// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "PrizeTable.h"

#include "core/common/TextFormat.h"
#include "core/tracker/Description.h"

#include <algorithm>

namespace {

// Below the tracker's limit of one amount.
constexpr long long MaxAmountUnits = 1'000'000'000'000LL * 10000;

} // namespace

std::optional<int> PrizeTable::find(int main, int extra) const
{
    for (qsizetype i = 0; i < rows.size(); ++i)
        if (rows[i].main == main && rows[i].extra == extra)
            return int(i);
    return std::nullopt;
}

std::optional<int> PrizeTable::winningRow(int main, int extra) const
{
    std::optional<int> best;
    for (qsizetype i = 0; i < rows.size(); ++i)
        if (rows[i].main == main && rows[i].extra <= extra
            && (!best || rows[i].extra > rows[*best].extra))
            best = int(i);
    return best;
}

QString PrizeTable::check(const PrizeRow& row, const LotteryShape& shape, int index,
                          Names names) const
{
    if (row.main < 0 || row.main > shape.numbersPerDraw)
        return QStringLiteral("The main numbers matched must be from 0 to %1.")
            .arg(shape.numbersPerDraw);
    const int extras = shape.extraNumbers;
    if (row.extra < 0 || row.extra > extras)
        return extras == 0
            ? QStringLiteral("This game has no extra numbers to match.")
            : QStringLiteral("The extra numbers matched must be from 0 to %1.").arg(extras);
    if (!row.amount && row.tier.trimmed().isEmpty())
        return QStringLiteral("A prize needs an amount or the name of its tier.");
    if (row.amount && (*row.amount < 0 || *row.amount >= MaxAmountUnits))
        return QStringLiteral("A prize amount must be from 0 to 999,999,999,999.99.");
    if (const std::optional<int> other = find(row.main, row.extra); other && *other != index)
        return QStringLiteral("%1 matched has a prize already.")
            .arg(MatchText(row.main, row.extra, shape));
    // A published amount is kept by its tier's name: two tiers of one name would share it.
    for (qsizetype i = 0; names == Names::Apart && i < rows.size(); ++i)
        if (i != index && !row.tier.isEmpty() && rows[i].tier == row.tier)
            return QStringLiteral("Another prize is called %1 already.").arg(row.tier);
    return {};
}

QString CleanTierName(const QString& name)
{
    // Trimmed after the cut as well: a cut that ends on a blank would leave a name that cleaning
    // again changes, and the file would then hold another name than the table.
    return Description::left(FileSafeText(name).trimmed(), PrizeTable::MaxTierLength).trimmed();
}

QString MatchText(int main, int extra, const LotteryShape& shape)
{
    if (shape.extraNumbers == 0 || extra == 0)
        return QString::number(main);
    if (!shape.hasOwnPool())
        return QStringLiteral("%1 + bonus").arg(main);
    return QStringLiteral("%1 + %2").arg(main).arg(extra);
}

namespace {

constexpr long long Units = 10000;

PrizeRow fixed(int main, int extra, long long whole)
{
    return {main, extra, QString(), whole * Units};
}

// The matches that win in most games of `shape`, best first, each a tier of its own named
// "Jackpot", "Tier 2", "Tier 3"...: every main count from all down to about half the numbers,
// with each count of extra numbers; with extra numbers of their own pool, the lower main counts
// win with every extra number matched.
PrizeTable generic(const LotteryShape& shape)
{
    const int k = shape.numbersPerDraw;
    const int lowest = k <= 2 ? 1 : k <= 5 ? 2 : k <= 7 ? 3 : (k + 1) / 2;
    QList<std::pair<int, int>> matches;
    for (int m = k; m >= lowest; --m) {
        if (shape.extraNumbers == 0) {
            matches.append({m, 0});
        } else if (!shape.hasOwnPool()) {
            // The bonus ball counts beside all but one of the main numbers.
            if (m == k - 1)
                matches.append({m, 1});
            matches.append({m, 0});
        } else {
            for (int e = shape.extraNumbers; e >= 0; --e)
                if (m > 2 || e > 0)
                    matches.append({m, e});
        }
    }
    if (shape.hasOwnPool())
        for (int m = lowest - 1; m >= 0; --m)
            matches.append({m, shape.extraNumbers});
    PrizeTable table;
    for (qsizetype i = 0; i < matches.size(); ++i)
        table.rows.append(
            {matches[i].first, matches[i].second,
             i == 0 ? QStringLiteral("Jackpot") : QStringLiteral("Tier %1").arg(i + 1),
             std::nullopt});
    return table;
}

} // namespace

PrizeTable PresetPrizeTable(const LotteryShape& shape)
{
    const auto is = [&shape](const char* name) { return ShapeName(shape) == QLatin1String(name); };
    if (is("5 of 69 + 1 of 26")) {
        // Every prize but the jackpot is fixed by the game's rules (without a multiplier).
        return {{{5, 1, QStringLiteral("Jackpot"), std::nullopt},
                 fixed(5, 0, 1'000'000),
                 fixed(4, 1, 50'000),
                 fixed(4, 0, 100),
                 fixed(3, 1, 100),
                 fixed(3, 0, 7),
                 fixed(2, 1, 7),
                 fixed(1, 1, 4),
                 fixed(0, 1, 4)}};
    }
    PrizeTable table = generic(shape);
    if (is("6 of 59 + bonus")) {
        // Three matched numbers win a fixed amount there.
        if (const std::optional<int> three = table.find(3, 0))
            table.rows[*three] = fixed(3, 0, 30);
    }
    return table;
}
