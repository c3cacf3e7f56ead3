// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QDate>
#include <QList>

// One ticket the user played: its numbers, the draws it plays and what it cost.
struct Ticket {
    // Far more consecutive draws than any subscription runs.
    static constexpr int MaxDraws = 1000;

    QList<int> main; // ascending
    // Ascending; only a game whose extra numbers come from a pool of their own has them on a
    // ticket: a bonus ball drawn from the main pool is nobody's to choose.
    QList<int> extra;
    QDate firstDraw; // the first draw it plays: the first one on or after this date
    int draws = 1; // how many consecutive draws it plays from there
    long long price = 0; // what one draw of it costs, in ten-thousandths

    bool operator==(const Ticket&) const = default;
};
