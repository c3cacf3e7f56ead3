// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

struct SharedState;

// Adds tickets another window hands over (the sets Rado-d-Idorur shows, a wheel's tickets) to the
// shared ticket book: each of `main` with the extra numbers of `extra` at the same place (none
// for a game whose extra numbers are not played), playing the next draw (a week after the last
// in memory, or `today`) once, at `price` (in ten-thousandths) or else the price of the book's
// last ticket. An empty book takes the game of the draws in memory first. Returns what to tell
// the user: what was added, or why nothing was.
QString PlayTickets(SharedState& state, const QList<QList<int>>& main,
                    const QList<QList<int>>& extra, const QDate& today,
                    std::optional<long long> price = std::nullopt);
