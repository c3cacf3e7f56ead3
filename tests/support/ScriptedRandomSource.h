// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/common/RandomSource.h"

#include <QList>

// Hands out the scripted values in turn, starting again at the first when they run out.
class ScriptedRandomSource : public RandomSource {
public:
    void reseedFromClock() override { ++reseeds; }
    float nextUniform() override
    {
        if (values.isEmpty())
            return 0.0f;
        const float value = values[next % values.size()];
        ++next;
        return value;
    }

    // Values that pick the numbers of a pool of `poolSize` in the given order (1-based).
    void pickIndexes(const QList<int>& indexes, int poolSize)
    {
        values.clear();
        for (int index : indexes)
            values.append((float(index) - 0.5f) / float(poolSize));
    }

    QList<float> values;
    qsizetype next = 0;
    int reseeds = 0;
};
