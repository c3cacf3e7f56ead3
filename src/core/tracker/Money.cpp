#include "Money.h"

#include <QLocale>

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

long long toCents(double value)
{
    // Far beyond any amount the sheet can hold; keeps the conversion defined.
    constexpr double limit = 9.0e16;
    return std::llround(std::clamp(value * 100.0, -limit, limit));
}

} // namespace

QString Format(double value)
{
    return formatCents(toCents(value), false);
}

QString FormatTotal(double value)
{
    return formatCents(toCents(value), true);
}

std::optional<double> ReadsAsNumber(const QString& text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
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

QString CellText(const Cell& cell)
{
    if (cell.isNumber())
        return QString::number(cell.number(), 'g', 15);
    return cell.text();
}

} // namespace Money
