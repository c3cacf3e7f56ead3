// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "Binomial.h"

#include <cmath>

BinomialTable MakeBinomials()
{
    BinomialTable c {};
    for (std::size_t n = 0; n <= 64; ++n) {
        c[n][0] = 1;
        for (std::size_t r = 1; r <= n; ++r)
            c[n][r] = c[n - 1][r - 1] + (r <= n - 1 ? c[n - 1][r] : 0);
    }
    return c;
}

double Binomial(int n, int r)
{
    if (r < 0 || n < 0 || r > n)
        return 0;
    if (n <= 64)
        return double(Choose(n, r));
    return std::exp(std::lgamma(n + 1.0) - std::lgamma(r + 1.0) - std::lgamma(n - r + 1.0));
}
