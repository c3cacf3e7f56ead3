// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "ChiSquare.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double Epsilon = 1e-15;
constexpr int MaxIterations = 1000;

// x^a e^-x / Γ(a), the factor both expansions share, taken through logarithms so that large a
// and x neither overflow nor lose the small result.
double prefactor(double a, double x)
{
    return std::exp(a * std::log(x) - x - std::lgamma(a));
}

// P(a, x) by its power series; converges fast for x < a + 1.
double lowerBySeries(double a, double x)
{
    double term = 1.0 / a;
    double sum = term;
    for (int n = 1; n < MaxIterations; ++n) {
        term *= x / (a + n);
        sum += term;
        if (std::abs(term) < std::abs(sum) * Epsilon)
            break;
    }
    return sum * prefactor(a, x);
}

// Q(a, x) by its continued fraction, evaluated with the modified Lentz method; converges fast
// for x >= a + 1.
double upperByContinuedFraction(double a, double x)
{
    constexpr double tiny = std::numeric_limits<double>::min() / Epsilon;
    double b = x + 1.0 - a;
    double c = 1.0 / tiny;
    double d = 1.0 / b;
    double h = d;
    for (int i = 1; i < MaxIterations; ++i) {
        const double an = -i * (i - a);
        b += 2.0;
        d = an * d + b;
        if (std::abs(d) < tiny)
            d = tiny;
        c = b + an / c;
        if (std::abs(c) < tiny)
            c = tiny;
        d = 1.0 / d;
        const double delta = d * c;
        h *= delta;
        if (std::abs(delta - 1.0) < Epsilon)
            break;
    }
    return h * prefactor(a, x);
}

} // namespace

double RegularizedUpperGamma(double a, double x)
{
    if (!(a > 0.0) || !(x >= 0.0))
        return std::numeric_limits<double>::quiet_NaN();
    if (x == 0.0)
        return 1.0;
    if (std::isinf(x))
        return 0.0;
    if (x < a + 1.0)
        return 1.0 - lowerBySeries(a, x);
    return upperByContinuedFraction(a, x);
}

double ChiSquarePValue(double chiSquare, int degreesOfFreedom)
{
    if (degreesOfFreedom < 1)
        return std::numeric_limits<double>::quiet_NaN();
    return RegularizedUpperGamma(degreesOfFreedom / 2.0, std::max(chiSquare, 0.0) / 2.0);
}
