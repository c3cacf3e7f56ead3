// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "BookEdits.h"

namespace BookEdits {

PrizeEdit PrizeCell(const TicketBook& book, int row, int column, const QString& text)
{
    PrizeEdit edit {book.prizes.rows.value(row), QString()};
    bool read = true;
    if (column == MainColumn)
        edit.row.main = text.trimmed().toInt(&read);
    else if (column == ExtraColumn)
        edit.row.extra = text.trimmed().toInt(&read);
    else if (column == TierColumn)
        edit.row.tier = CleanTierName(text);
    else if (text.trimmed().isEmpty())
        edit.row.amount.reset();
    else
        read = (edit.row.amount = ParseAmount(text)).has_value();
    edit.refusal = read
        ? book.prizes.check(edit.row, book.shape, row)
        : QStringLiteral("Type a whole number of matches, or an amount such as 2.50.");
    return edit;
}

AmountEdit PublishedAmount(const QString& text)
{
    if (text.trimmed().isEmpty())
        return {};
    const std::optional<long long> amount = ParseAmount(text);
    if (!amount || *amount < 0)
        return {std::nullopt, QStringLiteral("The amount must be such as 1250.00.")};
    return {amount, QString()};
}

} // namespace BookEdits
