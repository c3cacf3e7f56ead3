// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/analysis/Ranking.h"
#include "core/common/Printout.h"
#include "core/draws/LotteryShape.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class DrawStore;

// A wheel as the player sees it: tickets in the game's own numbers, with what it promises and
// what it is likely to win. The search itself (Wheel.h) works on the numbers 1..v of the pool.

// The numbers a player typed to wheel: "3 7 12", "3,7,12" or ranges such as "1-18", ascending.
struct WheelNumbersParse {
    QList<int> numbers;
    QString error; // empty when every part was a number of the game, given once
};
WheelNumbersParse ParseWheelNumbers(const QString& text, int lowest, int highest);

// The numbers as the window's box shows them: ascending, runs of three or more as ranges.
QString WheelNumbersText(const QList<int>& numbers);

// A third of the game's main numbers ranked by how often they were drawn, ascending; numbers never
// drawn rank among the least drawn.
QList<int> ThirdOfDrawnNumbers(const DrawStore& store, Third third);

// What the tickets win when m of the drawn numbers are among the pool's: the chance of that in one
// draw of the game, and how often the best ticket then matches 0..m numbers.
struct WinChances {
    int drawnInPool = 0; // m
    double chancePerDraw = 0;
    QList<double> bestMatch; // [j]: the share of those draws whose best ticket matches j
};
struct WinReport {
    QList<WinChances> rows; // m = `from`..min(k, v)
    // The shares come from random draws when the pool has too many m-subsets to visit them all.
    qint64 samples = 0; // 0: every m-subset was visited
};
// `tickets` over the pool's numbers 1..poolSize (bit n-1 for number n), of a game drawing
// `ticketSize` numbers of `gameHighest`.
WinReport WheelWinReport(const QList<quint64>& tickets, int poolSize, int ticketSize,
                         int gameHighest, int from);

// A finished wheel in the game's numbers, for the report, the printout and the CSV.
struct WheelSheet {
    QList<int> pool; // the player's numbers, ascending
    QList<int> keys;
    int ticketSize = 6;
    // "t if m" for a searched wheel; 0 for a full or key wheel, which has every ticket there is.
    int guarantee = 0;
    int ifDrawn = 0;
    bool proven = false;
    QList<QList<int>> tickets; // each ascending
    double price = 0; // of one ticket
    WinReport report;
};

// The tickets of a wheel found over 1..v, in the pool's own numbers.
QList<QList<int>> TicketsInPool(const QList<quint64>& tickets, const QList<int>& pool);

// The report the window shows and the printout carries: size, cost, guarantee and win chances,
// laid out at columns for a monospaced font.
QStringList WheelReportLines(const WheelSheet& sheet);

// The printout: the report, then the tickets numbered, page by page.
Printout WheelPrintout(const WheelSheet& sheet);

// One ticket per line, numbers separated by commas, no header: what spreadsheets and the command
// line read.
QByteArray WheelCsv(const QList<QList<int>>& tickets);
// The same with other separators, such as tabs for the clipboard.
QString WheelText(const QList<QList<int>>& tickets, QChar separator, const QString& lineEnd);

// What the player typed to wheel, read for a game of `shape`: the pool and the key numbers, both
// in the game's numbers, or what is wrong with them.
struct WheelChoice {
    QList<int> pool;
    QList<int> keys;
    QString error;
};
WheelChoice ReadWheelChoice(const QString& numbers, const QString& keys, const LotteryShape& shape);
