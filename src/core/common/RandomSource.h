// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

// Uniform random numbers for picking. Tests script the values.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    // Stirs the clock into the generator; draws made within one clock tick still differ.
    virtual void reseedFromClock() = 0;
    // A uniform single-precision value in [0, 1).
    virtual float nextUniform() = 0;
};
