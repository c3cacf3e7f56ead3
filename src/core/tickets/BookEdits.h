// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/tickets/TicketBook.h"

#include <QString>

#include <optional>

// The cells of the ticket book's grids as the user types into them: what a typed text changes,
// or why it is refused. The book is changed only with what is accepted.
namespace BookEdits {

// The columns of the prize table's grid.
enum PrizeColumn { MainColumn, ExtraColumn, TierColumn, AmountColumn };

struct PrizeEdit {
    PrizeRow row; // the row with the typed cell taken
    QString refusal; // why the text is refused; empty when it is taken
};
// Prize row `row` of `book` with `text` typed into its `column`.
PrizeEdit PrizeCell(const TicketBook& book, int row, int column, const QString& text);

struct AmountEdit {
    std::optional<long long> amount; // nothing: the published amount is cleared
    QString refusal;
};
// A pari-mutuel tier's published amount as typed into the results; an empty text clears it.
AmountEdit PublishedAmount(const QString& text);

} // namespace BookEdits
