// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "LeadingNumber.h"

#include <QString>

#include <cmath>

double LeadingNumber(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;

    QString accepted;
    if (i < n && (text[i] == u'-' || text[i] == u'+'))
        accepted += text[i++];

    bool digits = false;
    bool period = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c.isDigit() && c.unicode() < 128) {
            accepted += c;
            digits = true;
        } else if (c == u'.' && !period) {
            accepted += c;
            period = true;
        } else {
            break;
        }
    }
    if (!digits)
        return 0.0;
    if (accepted.endsWith(u'.'))
        accepted.chop(1);
    return accepted.toDouble();
}

long long LeadingWholeNumber(QStringView text)
{
    // nearbyint uses the default rounding mode, which rounds halves to even. A typed run of
    // digits can be longer than any integer; clamp it so callers see "too big", not garbage.
    constexpr double limit = 1e15;
    const double value = std::nearbyint(LeadingNumber(text));
    if (!std::isfinite(value) || std::abs(value) > limit)
        return value < 0 ? -static_cast<long long>(limit) : static_cast<long long>(limit);
    return static_cast<long long>(value);
}
