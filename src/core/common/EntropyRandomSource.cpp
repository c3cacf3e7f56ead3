// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "EntropyRandomSource.h"

#include <chrono>

EntropyRandomSource::EntropyRandomSource() : m_generator(QRandomGenerator::securelySeeded())
{
}

void EntropyRandomSource::reseedFromClock()
{
    // A pick reseeds before each number. Seeding the generator's state anew (624 words) would
    // cost ten times the pick itself, so the clock is stirred into one word that every number is
    // mixed with instead; with the generator's own output in it, no sequence restarts even within
    // one clock tick.
    quint64 z = m_stir ^ quint64(std::chrono::steady_clock::now().time_since_epoch().count())
        ^ m_generator.generate64();
    // splitmix64's finaliser: every bit of the clock reaches every bit of the word.
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    m_stir = z ^ (z >> 31);
}

float EntropyRandomSource::nextUniform()
{
    // Mixing a uniform word with a fixed one keeps it uniform. 24 random bits fill a float's
    // mantissa exactly, so the value can never round up to 1.
    return float((m_generator.generate() ^ quint32(m_stir)) >> 8) * (1.0f / 16777216.0f);
}
