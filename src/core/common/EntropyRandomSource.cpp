// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "EntropyRandomSource.h"

#include <chrono>
#include <random>

EntropyRandomSource::EntropyRandomSource()
    : m_generator(QRandomGenerator::securelySeeded())
{
}

void EntropyRandomSource::reseedFromClock()
{
    // The clock is mixed with the generator's own output rather than replacing the seed, so
    // reseeding never restarts a sequence that was already used, even within one clock tick.
    const auto ticks = quint64(std::chrono::steady_clock::now().time_since_epoch().count());
    std::seed_seq seeds {quint32(ticks), quint32(ticks >> 32), m_generator.generate(),
                         m_generator.generate(), m_generator.generate(), m_generator.generate()};
    m_generator.seed(seeds);
}

float EntropyRandomSource::nextUniform()
{
    // 24 random bits fill a float's mantissa exactly, so the value can never round up to 1.
    return float(m_generator.generate() >> 8) * (1.0f / 16777216.0f);
}
