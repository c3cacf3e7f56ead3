// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/common/RandomSource.h"

#include <QRandomGenerator>

// Qt's generator, seeded from the operating system's entropy.
class EntropyRandomSource : public RandomSource {
public:
    EntropyRandomSource();

    void reseedFromClock() override;
    float nextUniform() override;

private:
    QRandomGenerator m_generator;
    quint64 m_stir = 0;
};
