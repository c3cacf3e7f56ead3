// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/common/RandomSource.h"

#include <array>
#include <cstdint>

// xoshiro256** seeded from the operating system's entropy. Its state is four words, so stirring
// in the clock before every draw, as picking does, costs next to nothing.
class EntropyRandomSource : public RandomSource {
public:
    EntropyRandomSource();

    void reseedFromClock() override;
    float nextUniform() override;

private:
    std::uint64_t next();

    std::array<std::uint64_t, 4> m_state {};
};
