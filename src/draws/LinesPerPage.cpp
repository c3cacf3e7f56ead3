#include "LinesPerPage.h"

#include <cmath>

int LinesPerPageFor(std::optional<double> lineHeightTwips)
{
    constexpr int fallback = 50;
    if (!lineHeightTwips || !(*lineHeightTwips > 0))
        return fallback;
    const double lines = std::nearbyint(15840.0 / *lineHeightTwips - 7.0);
    // A page must hold at least one record line for the page breaks to make sense.
    if (!(lines >= 1) || lines > 32767)
        return fallback;
    return int(lines);
}
