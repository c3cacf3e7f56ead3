// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

#include <atomic>
#include <cstdint>
#include <functional>

// A wheel: tickets over a player's pool of numbers 1..v that guarantee at least `guarantee`
// matches on some ticket whenever `ifDrawn` of the drawn numbers are in the pool ("3 if 6").
// A ticket is a mask: bit n-1 stands for number n.

// How the search stands, reported while it runs.
struct WheelProgress {
    int tickets = 0; // the smallest complete wheel found so far; 0 before the first
    double seconds = 0;
};

struct WheelRequest {
    static constexpr int MaxPool = 60;
    // The search keeps a count per `ifDrawn`-subset of the pool; beyond this it would need
    // hundreds of megabytes.
    static constexpr qint64 MaxSubsets = 5'000'000;
    static constexpr int MaxTickets = 60'000;

    int poolSize = 0; // v
    int ticketSize = 6; // k
    int guarantee = 3; // t
    int ifDrawn = 3; // m
    QList<int> keys; // numbers on every ticket
    int maxTickets = 0; // the search ends once a wheel of at most this many is found; 0: none
    double seconds = 10; // the search budget
    // A budget of search steps per thread instead of time: the same seed then gives the same
    // tickets on any machine. 0: the time budget alone.
    qint64 maxSteps = 0;
    quint64 seed = 0;
    int threads = 0; // 0: one per core
    // Called from the calling thread about ten times a second.
    std::function<void(const WheelProgress&)> progress;
    const std::atomic<bool>* cancel = nullptr; // set to end the search early; the best so far stays
};

struct Wheel {
    QList<quint64> tickets;
    QString error; // why there is no wheel; empty when there is one
    bool proven = false; // the exhaustive check passed
    bool cancelled = false;
    double secondsToBest = 0; // when the returned size was first reached

    // The tickets' numbers, ascending, for showing and writing.
    QList<QList<int>> numbers() const;
};

// What is wrong with `request`; empty when it can be searched.
QString CheckWheelRequest(const WheelRequest& request);

// Searches a small wheel: a greedy start, then simulated annealing that drops a ticket while the
// guarantee can be kept, one chain per thread. Every wheel returned has passed CheckWheel.
Wheel GenerateWheel(const WheelRequest& request);

// The exhaustive check: every `ifDrawn`-subset of 1..poolSize meets some ticket in at least
// `guarantee` numbers. `missed`, when given, receives one subset that does not.
bool CheckWheel(const QList<quint64>& tickets, int poolSize, int guarantee, int ifDrawn,
                quint64* missed = nullptr);

// How many tickets the full wheel (every `ticketSize`-subset of the pool holding the keys) has.
quint64 FullWheelSize(int poolSize, int ticketSize, int keyCount = 0);

// Every `ticketSize`-subset of 1..poolSize; empty when there would be more than `limit`.
QList<quint64> FullWheel(int poolSize, int ticketSize, quint64 limit = 1'000'000);

// Every `ticketSize`-subset of 1..poolSize that holds all `keys`; empty when there would be
// more than `limit`, or the keys do not fit.
QList<quint64> KeyWheel(int poolSize, int ticketSize, const QList<int>& keys,
                        quint64 limit = 1'000'000);

// The numbers of a mask, ascending.
QList<int> WheelNumbers(quint64 ticket);
