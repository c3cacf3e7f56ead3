// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "EntropyRandomSource.h"

#include <chrono>
#include <random>

namespace {

std::uint64_t rotateLeft(std::uint64_t x, int k)
{
    return (x << k) | (x >> (64 - k));
}

// SplitMix64: spreads one word over the whole state.
std::uint64_t splitMix(std::uint64_t& x)
{
    std::uint64_t z = (x += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

} // namespace

EntropyRandomSource::EntropyRandomSource()
{
    std::random_device entropy;
    for (std::uint64_t& word : m_state)
        word = (std::uint64_t(entropy()) << 32) | entropy();
    // The all-zero state would repeat zeros for ever.
    if (m_state == std::array<std::uint64_t, 4> {})
        m_state[0] = 1;
}

std::uint64_t EntropyRandomSource::next()
{
    const std::uint64_t result = rotateLeft(m_state[1] * 5, 7) * 9;
    const std::uint64_t t = m_state[1] << 17;
    m_state[2] ^= m_state[0];
    m_state[3] ^= m_state[1];
    m_state[1] ^= m_state[2];
    m_state[0] ^= m_state[3];
    m_state[2] ^= t;
    m_state[3] = rotateLeft(m_state[3], 45);
    return result;
}

void EntropyRandomSource::reseedFromClock()
{
    // The clock is mixed into the state rather than replacing it, so reseeding never restarts a
    // sequence that was already used, even within one clock tick.
    std::uint64_t ticks
        = std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count()) ^ next();
    m_state[0] ^= splitMix(ticks);
    m_state[1] ^= splitMix(ticks);
    if (m_state == std::array<std::uint64_t, 4> {})
        m_state[0] = 1;
}

float EntropyRandomSource::nextUniform()
{
    // 24 random bits fill a float's mantissa exactly, so the value can never round up to 1.
    return float(next() >> 40) * (1.0f / 16777216.0f);
}
