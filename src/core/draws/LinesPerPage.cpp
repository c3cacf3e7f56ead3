// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "LinesPerPage.h"

#include <algorithm>

int LinesPerPageFor(std::optional<PageMetrics> page)
{
    constexpr int fallback = 50;
    if (!page)
        return fallback;
    const int lines = LinesPerSheet(*page);
    if (lines < 1)
        return fallback;
    return std::max(lines - 2, 1);
}
