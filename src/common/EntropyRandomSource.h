#pragma once

#include "common/RandomSource.h"

#include <random>

// A standard engine seeded from the operating system's entropy.
class EntropyRandomSource : public RandomSource {
public:
    EntropyRandomSource();

    void reseedFromClock() override;
    float nextUniform() override;

private:
    std::mt19937 m_engine;
};
