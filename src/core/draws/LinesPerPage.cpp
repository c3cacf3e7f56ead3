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
