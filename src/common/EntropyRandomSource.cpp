#include "EntropyRandomSource.h"

#include <chrono>
#include <cstdint>

EntropyRandomSource::EntropyRandomSource()
{
    std::random_device entropy;
    std::seed_seq seed {entropy(), entropy(), entropy(), entropy()};
    m_engine.seed(seed);
}

void EntropyRandomSource::reseedFromClock()
{
    // The new seed takes the engine's own output as well as the clock, so reseeding never
    // restarts a sequence that was already used.
    const auto ticks = std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count());
    std::seed_seq seed {std::uint32_t(m_engine()), std::uint32_t(m_engine()), std::uint32_t(ticks),
                        std::uint32_t(ticks >> 32)};
    m_engine.seed(seed);
}

float EntropyRandomSource::nextUniform()
{
    // 24 random bits fill a float's mantissa exactly, so the value can never round up to 1.
    return float(m_engine() >> 8) * (1.0f / 16777216.0f);
}
