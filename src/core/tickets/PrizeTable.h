// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/draws/LotteryShape.h"

#include <QList>
#include <QString>

#include <optional>

// What a ticket wins by the numbers it matched: rows of "main matched, extra matched -> prize".
// A prize is a fixed amount, or a tier of a pari-mutuel pool whose amount is published after
// each draw and typed in then (TicketBook keeps those per draw).
struct PrizeRow {
    int main = 0;
    int extra = 0; // for a bonus from the main pool: 1 when the ticket holds the bonus ball
    QString tier; // the tier's name, such as "Jackpot"; needed without an amount
    std::optional<long long> amount; // ten-thousandths; empty: pari-mutuel

    bool operator==(const PrizeRow&) const = default;
};

struct PrizeTable {
    static constexpr int MaxRows = 64;
    static constexpr int MaxTierLength = 40;

    QList<PrizeRow> rows;

    // The row of exactly `main` and `extra` matched numbers, or nothing.
    std::optional<int> find(int main, int extra) const;
    // The row a ticket that matched `main` and `extra` numbers wins, or nothing: of the rows of
    // its main count, the one of the most extra numbers it matched (3 + bonus wins the 3 row
    // where the table has no 3 + bonus row; an extra number never stands in for a main one).
    std::optional<int> winningRow(int main, int extra) const;
    // What is wrong with `row` in a table of `shape`, or nothing: matches beyond the ticket's
    // numbers, a pari-mutuel row without a name, a match or a tier's name already in the table
    // at another row. Files written before names were kept apart are read with `names` Any.
    enum class Names { Apart, Any };
    QString check(const PrizeRow& row, const LotteryShape& shape, int index = -1,
                  Names names = Names::Apart) const;

    bool operator==(const PrizeTable&) const = default;
};

// A starting table for `shape`, for the user to check against the game's own rules and edit:
// the winning matches of the common games, the top tiers pari-mutuel, fixed amounts only where a
// game's rules fix them.
PrizeTable PresetPrizeTable(const LotteryShape& shape);

// A tier name as the table keeps it: one line, no double quotes, at most MaxTierLength
// characters.
QString CleanTierName(const QString& name);

// "5 + 1", "5", "4 + bonus": what a row or a ticket matched.
QString MatchText(int main, int extra, const LotteryShape& shape);
