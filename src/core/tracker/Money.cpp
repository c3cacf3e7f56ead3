// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "Money.h"

#include "core/common/LeadingNumber.h"
#include "core/tracker/Sheet.h"

#include <QByteArray>
#include <QLocale>

#include <algorithm>
#include <limits>
#include <cmath>

namespace Money {

namespace {

QString formatCents(long long cents, bool leadingZero)
{
    const QLocale locale;
    const bool negative = cents < 0;
    const unsigned long long magnitude
        = negative ? 0ULL - static_cast<unsigned long long>(cents) : cents;
    const unsigned long long whole = magnitude / 100;
    const unsigned long long fraction = magnitude % 100;

    QString digits = whole == 0 && !leadingZero ? QString() : QString::number(whole);
    // Group the whole part by thousands from the right.
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, locale.groupSeparator());
    const QString cents2 = QStringLiteral("%1").arg(fraction, 2, 10, QLatin1Char('0'));
    return (negative ? QStringLiteral("-") : QString()) + digits + locale.decimalPoint() + cents2;
}

// Cents for the pictures, halves away from zero.
long long toCents(long long tenThousandths)
{
    const long long cents = (std::abs(tenThousandths) + 50) / 100;
    return tenThousandths < 0 ? -cents : cents;
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

long long ToTenThousandths(double value)
{
    // Far beyond any amount or sum of the sheet; keeps the count within 64 bits.
    constexpr double limit = 9e14;
    if (std::isnan(value))
        return 0;
    value = std::clamp(value, -limit, limit);
    // "d.dddddddddddddde+x": the fifteen significant digits the value was typed or read with.
    const QByteArray text = QByteArray::number(value, 'e', 14);
    const bool negative = text.startsWith('-');
    const qsizetype exponentAt = text.indexOf('e');
    long long digits = 0;
    for (qsizetype i = negative ? 1 : 0; i < exponentAt; ++i)
        if (text[i] != '.')
            digits = digits * 10 + (text[i] - '0');
    // value = digits * 10^(exponent - 14), so its count of ten-thousandths is
    // digits * 10^(exponent - 10).
    const int shift = text.mid(exponentAt + 1).toInt() - 10;
    long long count = digits;
    if (shift >= 0) {
        for (int i = 0; i < shift; ++i)
            count *= 10;
    } else if (shift < -16) {
        count = 0; // less than a hundredth of a ten-thousandth
    } else {
        long long divisor = 1;
        for (int i = 0; i > shift; --i)
            divisor *= 10;
        count = digits / divisor;
        const long long rest = digits % divisor;
        if (2 * rest > divisor || (2 * rest == divisor && count % 2 != 0))
            ++count;
    }
    return negative ? -count : count;
}

QString FormatUnits(long long tenThousandths)
{
    return formatCents(toCents(tenThousandths), false);
}

QString FormatTotalUnits(long long tenThousandths)
{
    return formatCents(toCents(tenThousandths), true);
}

QString Format(double value)
{
    return FormatUnits(ToTenThousandths(value));
}

QString FormatTotal(double value)
{
    return FormatTotalUnits(ToTenThousandths(value));
}

std::optional<double> ReadsAsNumber(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    if (i < n && (text[i] == u'-' || text[i] == u'+'))
        ++i;
    bool digits = false;
    bool period = false;
    for (; i < n; ++i) {
        if (isAsciiDigit(text[i]))
            digits = true;
        else if (text[i] == u'.' && !period)
            period = true;
        else
            break;
    }
    while (i < n && text[i] == u' ')
        ++i;
    if (!digits || i < n)
        return std::nullopt;
    return LeadingNumber(text);
}

bool ShowsWhatItCounts(const QString& text)
{
    if (ReadsAsNumber(text))
        return true;
    // Any digit, in any script, would look like a value the leading-number rule does not count.
    const QList<uint> characters = text.toUcs4();
    return std::none_of(characters.begin(), characters.end(),
                        [](uint c) { return QChar::isNumber(char32_t(c)); });
}

QString FormatAmountCell(const Cell& cell)
{
    if (cell.isNumber())
        return Format(cell.number());
    if (cell.isText()) {
        if (const std::optional<double> value = ReadsAsNumber(cell.text()))
            return Format(*value);
        return cell.text();
    }
    return QString();
}

QString FormatRowAmount(const Sheet& sheet, int row)
{
    if (const std::optional<long long> subtotal = sheet.subtotal(row))
        return FormatUnits(*subtotal);
    return FormatAmountCell(sheet.cell(row, 1));
}

QString CellText(const Cell& cell)
{
    if (cell.isNumber())
        return QString::number(cell.number(), 'g', 15);
    return cell.text();
}

std::optional<long long> ExactUnits(QByteArrayView text, int wholeDigits)
{
    const bool negative = text.startsWith('-');
    long long whole = 0;
    long long fraction = 0;
    int digits = 0;
    int decimals = -1;
    for (const char c : text.sliced(negative ? 1 : 0)) {
        if (c == '.' && decimals < 0) {
            decimals = 0;
        } else if (c >= '0' && c <= '9' && decimals < 0 && digits < wholeDigits) {
            whole = whole * 10 + (c - '0');
            ++digits;
        } else if (c >= '0' && c <= '9' && decimals >= 0 && decimals < 4) {
            fraction = fraction * 10 + (c - '0');
            ++decimals;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 && decimals <= 0)
        return std::nullopt;
    for (int d = std::max(decimals, 0); d < 4; ++d)
        fraction *= 10;
    // Fifteen nines do not fit a 64-bit count of ten-thousandths: no value, not an overflow.
    if (whole > (std::numeric_limits<long long>::max() - fraction) / TenThousandths)
        return std::nullopt;
    const long long units = whole * TenThousandths + fraction;
    return negative ? -units : units;
}

} // namespace Money
