// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "Wheel.h"

#include "core/wheels/Binomial.h"

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cmath>
#include <random>
#include <stop_token>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

quint64 poolMask(int poolSize)
{
    return poolSize >= 64 ? ~quint64(0) : (quint64(1) << poolSize) - 1;
}

// The combinadic rank of a subset: its place among the subsets of its size in colexicographic
// order, which is also the order Gosper's step walks them in.
quint64 rankOf(quint64 subset)
{
    const auto& c = Binomials();
    quint64 rank = 0;
    int place = 1;
    while (subset) {
        rank += c[std::countr_zero(subset)][place++];
        subset &= subset - 1;
    }
    return rank;
}

// The next larger mask with as many bits (Gosper).
quint64 nextSubset(quint64 subset)
{
    const quint64 lowest = subset & (~subset + 1);
    const quint64 ripple = subset + lowest;
    return ripple | (((subset ^ ripple) >> 2) / lowest);
}

// Calls `visit(base | s)` for every `size`-subset s of `mask`.
template <class Visit> void forEachSubset(quint64 mask, int size, quint64 base, Visit&& visit)
{
    if (size == 0) {
        visit(base);
        return;
    }
    std::array<quint64, 64> bits {};
    int count = 0;
    for (quint64 rest = mask; rest; rest &= rest - 1)
        bits[count++] = rest & (~rest + 1);
    if (size > count)
        return;
    std::array<int, 64> at {};
    for (int i = 0; i < size; ++i)
        at[i] = i;
    for (;;) {
        quint64 subset = base;
        for (int i = 0; i < size; ++i)
            subset |= bits[at[i]];
        visit(subset);
        int i = size - 1;
        while (i >= 0 && at[i] == count - size + i)
            --i;
        if (i < 0)
            return;
        ++at[i];
        for (int j = i + 1; j < size; ++j)
            at[j] = at[j - 1] + 1;
    }
}

// The number of bits set, written out: without a popcount instruction in the target (the common
// x86-64 baseline has none) std::popcount is a library call, and the search counts bits in its
// innermost loops. This form inlines, and vectorises over a list of tickets.
constexpr int bitCount(quint64 x)
{
    x = x - ((x >> 1) & 0x5555555555555555ULL);
    x = (x & 0x3333333333333333ULL) + ((x >> 2) & 0x3333333333333333ULL);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return int((x * 0x0101010101010101ULL) >> 56);
}

// The Schönheim bound, a lower bound on any covering; reaching it ends the search.
quint64 schoenheim(int v, int k, int t)
{
    if (t == 0)
        return 1;
    const quint64 inner = schoenheim(v - 1, k - 1, t - 1);
    return (quint64(v) * inner + k - 1) / k;
}

quint64 keyMask(const QList<int>& keys)
{
    quint64 mask = 0;
    for (int key : keys)
        mask |= quint64(1) << (key - 1);
    return mask;
}

// xoshiro256** (Blackman and Vigna): the search draws several numbers a step, and this one costs
// a fraction of a Mersenne twister's.
class FastRandom {
public:
    using result_type = quint64;
    explicit FastRandom(quint64 seed)
    {
        for (quint64& word : m_state) { // splitmix64 spreads the seed over the state
            seed += 0x9E3779B97F4A7C15ULL;
            quint64 z = seed;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
            word = z ^ (z >> 31);
        }
    }
    static constexpr result_type min() { return 0; }
    static constexpr result_type max() { return ~quint64(0); }
    result_type operator()()
    {
        const quint64 result = std::rotl(m_state[1] * 5, 7) * 9;
        const quint64 shifted = m_state[1] << 17;
        m_state[2] ^= m_state[0];
        m_state[3] ^= m_state[1];
        m_state[1] ^= m_state[2];
        m_state[0] ^= m_state[3];
        m_state[2] ^= shifted;
        m_state[3] = std::rotl(m_state[3], 45);
        return result;
    }
    // A number in 0..n-1 for n below 2^32, by a multiplication rather than a division (Lemire).
    quint64 below(quint64 n) { return (((*this)() >> 32) * n) >> 32; }

private:
    std::array<quint64, 4> m_state {};
};

// How each thread's search sets its temperature. Wheels are found in a narrow band of
// temperatures: hotter, too much stays uncovered; colder, the wheel freezes short of complete.
// Where the band lies depends on the case. A share holds the temperature where that share of the
// bad moves is accepted: the small pools find their wheels fastest so. 0 holds ShareBeforeCycles
// for the first CycleAfter steps, then cycles, cooling from a fifth of the mean cost of the bad
// moves to a twelfth and heating again: slower for the small pools, but the larger ones reach sizes
// no fixed share does.
constexpr std::array AcceptedShares {0.015, 0.0, 0.012, 0.018, 0.0, 0.022, 0.010, 0.0};
constexpr double ShareBeforeCycles = 0.012;
constexpr qint64 CycleAfter = 3'000'000; // about a second

struct ThreadResult {
    std::vector<quint64> tickets;
    double seconds = 0;
    bool done = false;
};

// One search thread: the state of a wheel of fixed size, with a count of covering tickets per
// subset of the pool and the uncovered subsets in a list that is picked from at random.
class Search {
public:
    Search(const WheelRequest& request, quint64 seed, std::stop_token stop, Clock::time_point start,
           std::atomic<int>& shared, int thread)
        : m_k(request.ticketSize)
        , m_t(request.guarantee)
        , m_m(request.ifDrawn)
        , m_pool(poolMask(request.poolSize))
        , m_keys(keyMask(request.keys))
        , m_maxTickets(request.maxTickets)
        , m_maxSteps(request.maxSteps)
        , m_stopAll(request.maxSteps == 0)
        , m_rng(seed)
        , m_stop(stop)
        , m_start(start)
        , m_shared(shared)
        , m_acceptedShare(AcceptedShares[std::size_t(thread) % AcceptedShares.size()])
    {
        clear(request.poolSize);
        if (request.keys.isEmpty() && m_m == m_t)
            m_bound = int(schoenheim(request.poolSize, m_k, m_t));
        // Enough candidates per greedy ticket to choose well, few where each is costly.
        quint64 cover = 0;
        for (int j = m_t; j <= std::min(m_k, m_m); ++j)
            cover += Choose(m_k, j) * Choose(request.poolSize - m_k, m_m - j);
        m_candidates = int(std::clamp<quint64>(400'000 / std::max<quint64>(cover, 1), 1, 24));
        if (m_m == m_t && Choose(m_k, m_t) + Choose(m_k, m_t - 1) <= 2'000) {
            const quint64 places = poolMask(m_k);
            forEachSubset(places, m_t, 0, [this](quint64 c) { m_combos.push_back(c); });
            forEachSubset(places, m_t - 1, 0, [this](quint64 c) { m_shortCombos.push_back(c); });
            m_comboRank.resize(m_combos.size());
            m_shortRank.resize(m_shortCombos.size());
            for (quint64 places : m_combos)
                for (; places; places &= places - 1)
                    m_comboPlaces.push_back(quint8(std::countr_zero(places)));
            for (quint64 places : m_shortCombos)
                for (; places; places &= places - 1)
                    m_shortPlaces.push_back(quint8(std::countr_zero(places)));
        }
    }

    void run(ThreadResult& result, std::stop_source& all)
    {
        greedy();
        record(result);
        while (!finished(result) && m_tickets.size() > 1) {
            dropWeakestTicket();
            // On a time budget the threads share the frontier: a size another thread has
            // reached is not searched again. On a step budget each goes its own way, so that
            // the seed alone decides the tickets.
            while (m_stopAll && m_tickets.size() > 1 && overtaken())
                dropWeakestTicket();
            const Outcome outcome = anneal();
            if (outcome == Outcome::Stopped)
                break;
            if (outcome == Outcome::Solved)
                record(result);
        }
        if (m_stopAll && finished(result))
            all.request_stop();
        result.done = true;
    }

private:
    bool finished(const ThreadResult& result) const
    {
        const int size = int(result.tickets.size());
        return size <= m_bound || (m_maxTickets > 0 && size <= m_maxTickets);
    }

    enum class Outcome { Solved, Stopped, Overtaken };

    // No ticket: every subset uncovered.
    void clear(int poolSize)
    {
        const quint64 subsets = Choose(poolSize, m_m);
        m_tickets.clear();
        m_count.assign(subsets, 0);
        m_position.resize(subsets);
        m_uncovered.resize(subsets);
        quint64 subset = (quint64(1) << m_m) - 1;
        for (quint64 r = 0; r < subsets; ++r, subset = nextSubset(subset)) {
            m_uncovered[r] = subset;
            m_position[r] = quint32(r);
        }
    }

    // Another thread holds a wheel no larger than this one.
    bool overtaken() const
    {
        const int best = m_shared.load(std::memory_order_relaxed);
        return best > 0 && int(m_tickets.size()) >= best;
    }

    bool stopped() const
    {
        return m_stop.stop_requested() || (m_maxSteps > 0 && m_steps >= m_maxSteps);
    }

    void record(ThreadResult& result)
    {
        result.tickets = m_tickets;
        result.seconds = std::chrono::duration<double>(Clock::now() - m_start).count();
        const int size = int(m_tickets.size());
        int known = m_shared.load();
        while ((known == 0 || size < known) && !m_shared.compare_exchange_weak(known, size)) { }
    }

    quint64 randomBit(quint64 mask)
    {
        for (int skip = int(m_rng.below(quint64(bitCount(mask)))); skip > 0; --skip)
            mask &= mask - 1;
        return mask & (~mask + 1);
    }

    quint64 randomSubset(quint64 mask, int size)
    {
        quint64 subset = 0;
        for (int i = 0; i < size && mask; ++i) {
            const quint64 bit = randomBit(mask);
            subset |= bit;
            mask &= ~bit;
        }
        return subset;
    }

    template <class Visit> void forEachCovered(quint64 ticket, Visit&& visit) const
    {
        for (int j = m_t; j <= std::min(m_k, m_m); ++j)
            forEachSubset(ticket, j, 0, [&](quint64 inside) {
                forEachSubset(m_pool & ~ticket, m_m - j, inside, visit);
            });
    }

    void coverOne(quint64 subset) { coverRanked(rankOf(subset)); }

    void coverRanked(quint64 rank)
    {
        if (m_count[rank]++ == 0) {
            const quint32 at = m_position[rank];
            const quint64 last = m_uncovered.back();
            m_uncovered[at] = last;
            m_position[rankOf(last)] = at;
            m_uncovered.pop_back();
        }
    }

    void uncoverOne(quint64 subset) { uncoverRanked(rankOf(subset), subset); }

    void uncoverRanked(quint64 rank, quint64 subset)
    {
        if (--m_count[rank] == 0) {
            m_position[rank] = quint32(m_uncovered.size());
            m_uncovered.push_back(subset);
        }
    }

    void addTicket(quint64 ticket)
    {
        m_tickets.push_back(ticket);
        forEachCovered(ticket, [this](quint64 subset) { coverOne(subset); });
    }

    // Tickets cover an uncovered subset at a time, the best of a few random ones that do.
    void greedy()
    {
        while (!m_uncovered.empty()) {
            const quint64 target = m_uncovered[m_rng.below(m_uncovered.size())];
            const int need = std::max(0, m_t - std::popcount(target & m_keys));
            quint64 best = 0;
            qint64 bestGain = -1;
            for (int c = 0; c < m_candidates; ++c) {
                quint64 ticket = m_keys | randomSubset(target & ~m_keys, need);
                ticket |= randomSubset(m_pool & ~ticket, m_k - std::popcount(ticket));
                qint64 gain = 0;
                forEachCovered(ticket,
                               [&](quint64 subset) { gain += m_count[rankOf(subset)] == 0; });
                if (gain > bestGain) {
                    bestGain = gain;
                    best = ticket;
                }
            }
            addTicket(best);
        }
    }

    // Removes the ticket that alone covers the fewest subsets.
    void dropWeakestTicket()
    {
        std::size_t weakest = 0;
        qint64 fewest = -1;
        for (std::size_t i = 0; i < m_tickets.size(); ++i) {
            qint64 alone = 0;
            forEachCovered(m_tickets[i],
                           [&](quint64 subset) { alone += m_count[rankOf(subset)] == 1; });
            if (fewest < 0 || alone < fewest) {
                fewest = alone;
                weakest = i;
            }
        }
        const quint64 ticket = m_tickets[weakest];
        m_tickets[weakest] = m_tickets.back();
        m_tickets.pop_back();
        forEachCovered(ticket, [this](quint64 subset) { uncoverOne(subset); });
    }

    // How many more subsets are uncovered once `out` leaves `ticket` and `in` comes. Only subsets
    // that meet the ticket in exactly `guarantee` numbers, one of them the number that goes or
    // comes, change.
    qint64 moveCost(quint64 ticket, quint64 out, quint64 in) const
    {
        qint64 delta = 0;
        forEachSubset(ticket & ~out, m_t - 1, 0, [&](quint64 inside) {
            forEachSubset(m_pool & ~ticket & ~in, m_m - m_t, inside, [&](quint64 rest) {
                delta += m_count[rankOf(rest | out)] == 1;
                delta -= m_count[rankOf(rest | in)] == 0;
            });
        });
        return delta;
    }

    // Simulated annealing on the number of uncovered subsets: a move swaps one number of a
    // ticket for one of an uncovered subset, so that the ticket then covers it. The temperature is
    // set as AcceptedShares says for the thread, and goes on from one size to the next.
    Outcome anneal()
    {
        const double lowest = 0.4;
        const double hottest = 0.2;
        const qint64 cycle = 10'000 + 1'000 * qint64(m_tickets.size());
        const double cooling = std::pow(lowest, 1.0 / double(cycle));
        if (m_hottest == 0) {
            m_hottest = hottest * m_meanRise;
            m_temperature = m_hottest;
        }
        double temperature = m_temperature;
        std::uniform_real_distribution<double> unit(0, 1);
        while (!m_uncovered.empty()) {
            if ((++m_steps & 255) == 0) {
                m_temperature = temperature;
                if (stopped())
                    return Outcome::Stopped;
                if (m_stopAll && (m_steps & 4095) == 0 && overtaken())
                    return Outcome::Overtaken;
            }
            if (m_acceptedShare == 0 && m_steps >= CycleAfter) {
                temperature *= cooling;
                if (temperature < lowest * m_hottest) {
                    m_hottest = hottest * m_meanRise;
                    temperature = m_hottest;
                }
            } else if (m_badMoves >= 1024) {
                const double share = double(m_badAccepted) / double(m_badMoves);
                const double wanted = m_acceptedShare > 0 ? m_acceptedShare : ShareBeforeCycles;
                temperature *= share < wanted ? 1.03 : 1 / 1.03;
                m_badMoves = 0;
                m_badAccepted = 0;
            }
            const quint64 target = m_uncovered[m_rng.below(m_uncovered.size())];
            // A ticket one number short of meeting the subset, so that the move meets it; any
            // ticket when none is found. Drawing tickets until one fits picks evenly among
            // those that do, without counting through them all.
            const std::size_t count = m_tickets.size();
            std::size_t index = m_rng.below(count);
            for (std::size_t tries = 3 * count; tries > 0; --tries) {
                const std::size_t at = m_rng.below(count);
                if (bitCount(m_tickets[at] & target) == m_t - 1) {
                    index = at;
                    break;
                }
            }
            const quint64 ticket = m_tickets[index];
            const quint64 ins = target & ~ticket;
            const quint64 outs = ticket & ~target & ~m_keys;
            if (!ins || !outs)
                continue;
            const quint64 in = randomBit(ins);
            if (!m_combos.empty()) {
                tryPlainMove(index, in, outs, temperature, unit);
                continue;
            }
            // Of the numbers that could go, the one whose leaving uncovers least.
            quint64 out = 0;
            qint64 delta = 0;
            int ties = 0;
            for (quint64 rest = outs; rest; rest &= rest - 1) {
                const quint64 candidate = rest & (~rest + 1);
                const qint64 change = moveCost(ticket, candidate, in);
                if (out == 0 || change < delta) {
                    out = candidate;
                    delta = change;
                    ties = 1;
                } else if (change == delta && m_rng.below(quint64(++ties)) == 0) {
                    out = candidate;
                }
            }
            if (!accepted(delta, temperature, unit))
                continue;
            forEachSubset(ticket & ~out, m_t - 1, 0, [&](quint64 inside) {
                forEachSubset(m_pool & ~ticket & ~in, m_m - m_t, inside, [&](quint64 rest) {
                    uncoverOne(rest | out);
                    coverOne(rest | in);
                });
            });
            m_tickets[index] = (ticket & ~out) | in;
        }
        m_temperature = temperature;
        return Outcome::Solved;
    }

    bool accepted(qint64 delta, double temperature, std::uniform_real_distribution<double>& unit)
    {
        if (delta <= 0)
            return true;
        m_meanRise = 0.99 * m_meanRise + 0.01 * double(delta);
        ++m_badMoves;
        const bool accept = unit(m_rng) < std::exp(-double(delta) / temperature);
        m_badAccepted += accept;
        return accept;
    }

    // The move when a subset counts as met only inside a ticket ("t if t"): the cost of every
    // number that could go comes from one pass over the ticket's t-subsets, which also keeps
    // their ranks for making the move. A subset's rank is the sum of C(n, i) over its numbers n
    // in ascending order, i counting from 1: it comes from the ticket's numbers directly.
    void tryPlainMove(std::size_t index, quint64 in, quint64 outs, double temperature,
                      std::uniform_real_distribution<double>& unit)
    {
        const auto& c = Binomials();
        const quint64 ticket = m_tickets[index];
        std::array<int, 64> number;
        int size = 0;
        for (quint64 rest = ticket; rest; rest &= rest - 1)
            number[size++] = std::countr_zero(rest);
        const int added = std::countr_zero(in);
        int below = 0;
        while (below < size && number[below] < added)
            ++below;
        // Per place of the ticket: what leaving uncovers, and what staying keeps from being met.
        std::array<int, 64> loss;
        std::array<int, 64> blocked;
        std::fill_n(loss.begin(), size, 0);
        std::fill_n(blocked.begin(), size, 0);
        int gained = 0;
        const int t = m_t;
        for (std::size_t k = 0; k < m_combos.size(); ++k) {
            const quint8* places = &m_comboPlaces[k * t];
            quint64 rank = 0;
            for (int i = 0; i < t; ++i)
                rank += c[number[places[i]]][i + 1];
            m_comboRank[k] = rank;
            if (m_count[rank] == 1)
                for (int i = 0; i < t; ++i)
                    ++loss[places[i]];
        }
        for (std::size_t k = 0; k < m_shortCombos.size(); ++k) {
            const quint8* places = &m_shortPlaces[k * (t - 1)];
            quint64 rank = 0;
            int i = 0;
            for (; i < t - 1 && places[i] < below; ++i)
                rank += c[number[places[i]]][i + 1];
            rank += c[added][i + 1];
            for (; i < t - 1; ++i)
                rank += c[number[places[i]]][i + 2];
            m_shortRank[k] = rank;
            if (m_count[rank] == 0) {
                ++gained;
                for (int j = 0; j < t - 1; ++j)
                    ++blocked[places[j]];
            }
        }
        // Of the numbers that could go, the one whose leaving costs least.
        int out = -1;
        qint64 delta = 0;
        int ties = 0;
        for (int place = 0; place < size; ++place) {
            if (!((quint64(1) << number[place]) & outs))
                continue;
            const qint64 change = loss[place] - (gained - blocked[place]);
            if (out < 0 || change < delta) {
                out = place;
                delta = change;
                ties = 1;
            } else if (change == delta && m_rng.below(quint64(++ties)) == 0) {
                out = place;
            }
        }
        if (out < 0 || !accepted(delta, temperature, unit))
            return;
        const quint64 place = quint64(1) << out;
        for (std::size_t k = 0; k < m_combos.size(); ++k)
            if (m_combos[k] & place) {
                quint64 subset = 0;
                for (int i = 0; i < t; ++i)
                    subset |= quint64(1) << number[m_comboPlaces[k * t + i]];
                uncoverRanked(m_comboRank[k], subset);
            }
        for (std::size_t k = 0; k < m_shortCombos.size(); ++k)
            if (!(m_shortCombos[k] & place))
                coverRanked(m_shortRank[k]);
        m_tickets[index] = (ticket & ~(quint64(1) << number[out])) | in;
    }

    const int m_k;
    const int m_t;
    const int m_m;
    const quint64 m_pool;
    const quint64 m_keys;
    const int m_maxTickets;
    const qint64 m_maxSteps;
    const bool m_stopAll;
    FastRandom m_rng;
    std::stop_token m_stop;
    Clock::time_point m_start;
    std::atomic<int>& m_shared;
    int m_bound = 0;
    int m_candidates = 1;
    qint64 m_steps = 0;
    double m_temperature = 0.5;
    double m_hottest = 0; // where the present cycle started
    double m_meanRise = 1; // the mean cost of the bad moves proposed lately
    const double m_acceptedShare;
    qint64 m_badMoves = 0; // proposed since the temperature was last set
    qint64 m_badAccepted = 0;
    std::vector<quint16> m_count;
    std::vector<quint32> m_position; // where an uncovered subset stands in m_uncovered
    std::vector<quint64> m_uncovered;
    std::vector<quint64> m_tickets;
    // For "t if t": the t- and (t-1)-subsets of a ticket's places, with room for their ranks.
    std::vector<quint64> m_combos;
    std::vector<quint64> m_shortCombos;
    std::vector<quint64> m_comboRank;
    std::vector<quint64> m_shortRank;
    std::vector<quint8> m_comboPlaces; // the places of each, ascending
    std::vector<quint8> m_shortPlaces;
};

} // namespace

QList<int> WheelNumbers(quint64 ticket)
{
    QList<int> numbers;
    for (; ticket; ticket &= ticket - 1)
        numbers.append(std::countr_zero(ticket) + 1);
    return numbers;
}

QList<QList<int>> Wheel::numbers() const
{
    QList<QList<int>> all;
    all.reserve(tickets.size());
    for (quint64 ticket : tickets)
        all.append(WheelNumbers(ticket));
    return all;
}

QString CheckWheelRequest(const WheelRequest& request)
{
    const int v = request.poolSize;
    const int k = request.ticketSize;
    const int t = request.guarantee;
    const int m = request.ifDrawn;
    if (k < 2 || k >= WheelRequest::MaxPool)
        return QStringLiteral("A ticket holds from 2 to %1 numbers.")
            .arg(WheelRequest::MaxPool - 1);
    if (v < k + 1 || v > WheelRequest::MaxPool)
        return QStringLiteral("The pool holds from %1 to %2 numbers.")
            .arg(k + 1)
            .arg(WheelRequest::MaxPool);
    if (t < 2 || t > m || m > k)
        return QStringLiteral("The guarantee \"%1 if %2\" needs 2 <= %1 <= %2 <= %3.")
            .arg(t)
            .arg(m)
            .arg(k);
    quint64 keys = 0;
    for (int key : request.keys) {
        if (key < 1 || key > v)
            return QStringLiteral("The key number %1 is not in the pool 1 to %2.").arg(key).arg(v);
        if (keys & (quint64(1) << (key - 1)))
            return QStringLiteral("The key number %1 is given twice.").arg(key);
        keys |= quint64(1) << (key - 1);
    }
    const int keyCount = int(request.keys.size());
    if (keyCount >= k)
        return QStringLiteral("Fewer key numbers than a ticket holds are needed.");
    // A drawn set with j key numbers finds at most min(k - keys, m - j) more on a ticket.
    for (int j = std::max(0, m - (v - keyCount)); j <= std::min(keyCount, m); ++j)
        if (j + std::min(k - keyCount, m - j) < t)
            return QStringLiteral("With %1 key numbers, %2 matches cannot be guaranteed.")
                .arg(keyCount)
                .arg(t);
    if (qint64(Choose(v, m)) > WheelRequest::MaxSubsets)
        return QStringLiteral("The pool is too large for \"if %1\": use fewer numbers.").arg(m);
    if (request.maxTickets < 0 || request.maxSteps < 0 || request.seconds < 0
        || (request.seconds == 0 && request.maxSteps == 0))
        return QStringLiteral("The search needs some time.");
    return {};
}

Wheel GenerateWheel(const WheelRequest& request)
{
    Wheel wheel;
    wheel.error = CheckWheelRequest(request);
    if (!wheel.error.isEmpty())
        return wheel;

    int threads = request.threads > 0 ? request.threads
                                      : int(std::max(1u, std::thread::hardware_concurrency()));
    // Each thread keeps its own counts: big pools get fewer threads.
    const qint64 subsets = qint64(Choose(request.poolSize, request.ifDrawn));
    threads
        = int(std::clamp<qint64>(qint64(threads), 1, std::max<qint64>(1, 20'000'000 / subsets)));
    threads = std::min(threads, 16);

    const Clock::time_point start = Clock::now();
    std::stop_source all;
    std::atomic<int> best {0};
    std::atomic<int> running {threads};
    std::vector<ThreadResult> results(threads);
    {
        std::vector<std::jthread> workers;
        for (int i = 0; i < threads; ++i)
            workers.emplace_back([&, i] {
                // Seeds of their own, from the request's: the same seed, the same searches.
                std::seed_seq seeds {quint32(request.seed), quint32(request.seed >> 32),
                                     quint32(i)};
                std::mt19937_64 seeder(seeds);
                Search search(request, seeder(), all.get_token(), start, best, i);
                search.run(results[i], all);
                --running;
            });
        Clock::time_point reported = start;
        while (running.load() > 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            const Clock::time_point now = Clock::now();
            const double seconds = std::chrono::duration<double>(now - start).count();
            if (request.cancel && request.cancel->load()) {
                wheel.cancelled = true;
                all.request_stop();
            }
            if (request.maxSteps == 0 && seconds >= request.seconds)
                all.request_stop();
            if (request.progress && now - reported >= std::chrono::milliseconds(100)) {
                reported = now;
                request.progress(WheelProgress {best.load(), seconds});
            }
        }
    }

    // The smallest wheel; of equal ones, the first thread's.
    const ThreadResult* chosen = nullptr;
    for (const ThreadResult& result : results)
        if (!result.tickets.empty() && (!chosen || result.tickets.size() < chosen->tickets.size()))
            chosen = &result;
    if (!chosen) {
        wheel.error = QStringLiteral("No wheel was found.");
        return wheel;
    }
    wheel.tickets = QList<quint64>(chosen->tickets.begin(), chosen->tickets.end());
    std::sort(wheel.tickets.begin(), wheel.tickets.end(),
              [](quint64 a, quint64 b) { return WheelNumbers(a) < WheelNumbers(b); });
    wheel.secondsToBest = chosen->seconds;
    wheel.proven = CheckWheel(wheel.tickets, request.poolSize, request.guarantee, request.ifDrawn);
    if (!wheel.proven) {
        wheel.tickets.clear();
        wheel.error = QStringLiteral("The wheel found failed its check; nothing is returned.");
    }
    return wheel;
}

bool CheckWheel(const QList<quint64>& tickets, int poolSize, int guarantee, int ifDrawn,
                quint64* missed)
{
    if (poolSize < 1 || poolSize > 64 || ifDrawn < 1 || ifDrawn > poolSize || guarantee < 1
        || guarantee > ifDrawn)
        return false;
    const quint64 pool = poolMask(poolSize);
    for (quint64 ticket : tickets)
        if (ticket & ~pool)
            return false;
    const qsizetype count = tickets.size();
    // Marking what each ticket covers costs its covered subsets; looking for a ticket that covers
    // each subset costs up to every ticket per subset. Both leave no subset out.
    const quint64 subsets = Choose(poolSize, ifDrawn);
    quint64 cover = 0;
    const int ticketSize = count > 0 ? std::popcount(tickets.first()) : 0;
    for (int j = guarantee; j <= std::min(ticketSize, ifDrawn); ++j)
        cover += Choose(ticketSize, j) * Choose(poolSize - ticketSize, ifDrawn - j);
    bool sameSize = true;
    for (quint64 ticket : tickets)
        sameSize = sameSize && std::popcount(ticket) == ticketSize;
    if (sameSize && count > 0 && subsets <= (quint64(1) << 26)
        && quint64(count) * cover < subsets * quint64(std::min<qsizetype>(count, 64))) {
        std::vector<bool> covered(subsets, false);
        for (quint64 ticket : tickets)
            for (int j = guarantee; j <= std::min(ticketSize, ifDrawn); ++j)
                forEachSubset(ticket, j, 0, [&](quint64 inside) {
                    forEachSubset(pool & ~ticket, ifDrawn - j, inside,
                                  [&](quint64 subset) { covered[rankOf(subset)] = true; });
                });
        quint64 subset = (quint64(1) << ifDrawn) - 1;
        for (quint64 rank = 0; rank < subsets; ++rank, subset = nextSubset(subset))
            if (!covered[rank]) {
                if (missed)
                    *missed = subset;
                return false;
            }
        return true;
    }
    qsizetype hit = 0; // neighbouring subsets are mostly met by the same ticket
    const quint64 last = pool & ~(pool >> ifDrawn);
    for (quint64 subset = (quint64(1) << ifDrawn) - 1;; subset = nextSubset(subset)) {
        bool met = false;
        for (qsizetype i = 0; i < count && !met; ++i) {
            const qsizetype at = (hit + i) % count;
            if (bitCount(subset & tickets[at]) >= guarantee) {
                met = true;
                hit = at;
            }
        }
        if (!met) {
            if (missed)
                *missed = subset;
            return false;
        }
        if (subset == last)
            return true;
    }
}

quint64 FullWheelSize(int poolSize, int ticketSize, int keyCount)
{
    return Choose(poolSize - keyCount, ticketSize - keyCount);
}

QList<quint64> FullWheel(int poolSize, int ticketSize, quint64 limit)
{
    return KeyWheel(poolSize, ticketSize, {}, limit);
}

QList<quint64> KeyWheel(int poolSize, int ticketSize, const QList<int>& keys, quint64 limit)
{
    QList<quint64> tickets;
    if (poolSize < 1 || poolSize > 64 || ticketSize < 1 || ticketSize > poolSize)
        return tickets;
    quint64 keyBits = 0;
    for (int key : keys) {
        if (key < 1 || key > poolSize)
            return tickets;
        keyBits |= quint64(1) << (key - 1);
    }
    const int keyCount = std::popcount(keyBits);
    if (keyCount > ticketSize)
        return tickets;
    const quint64 size = FullWheelSize(poolSize, ticketSize, keyCount);
    if (size > limit)
        return tickets;
    tickets.reserve(qsizetype(size));
    forEachSubset(poolMask(poolSize) & ~keyBits, ticketSize - keyCount, keyBits,
                  [&tickets](quint64 ticket) { tickets.append(ticket); });
    return tickets;
}
