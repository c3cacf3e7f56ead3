// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

// The regularized upper incomplete gamma function Q(a, x) = Γ(a, x) / Γ(a) for a > 0, x >= 0:
// 1 at x = 0, falling to 0 as x grows. Accurate to about 1e-12 relative; NaN for a <= 0 or a
// negative or NaN x.
double RegularizedUpperGamma(double a, double x);

// The chance that a chi-square variable with `degreesOfFreedom` (at least 1) is at least
// `chiSquare`: the p-value of a chi-square test. NaN for fewer than one degree of freedom.
double ChiSquarePValue(double chiSquare, int degreesOfFreedom);
