// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QtGlobal>

#include <array>

// Binomial coefficients C(n, r), the counts of r-subsets of n numbers.

// Pascal's triangle up to n = 64, exact: C(64, 32) still fits 64 bits. Indexed [n][r]; what
// ranks subsets in a tight loop reads it directly.
using BinomialTable = std::array<std::array<quint64, 65>, 65>;
BinomialTable MakeBinomials();
// Inline: the wheel search asks for it in its innermost loops.
inline const BinomialTable& Binomials()
{
    static const BinomialTable table = MakeBinomials();
    return table;
}

// C(n, r) exactly for n up to 64; 0 when r is not in 0..n or n is larger.
inline quint64 Choose(int n, int r)
{
    if (n < 0 || r < 0 || r > n || n > 64)
        return 0;
    return Binomials()[std::size_t(n)][std::size_t(r)];
}

// C(n, r) for a whole game's numbers (n up to 99), which can pass 64 bits: exact from the table
// up to n = 64, from the logarithm of the gamma function beyond; 0 when r is not in 0..n.
double Binomial(int n, int r);
