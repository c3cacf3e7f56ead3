// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "Sheet.h"

#include "core/tracker/Money.h"

#include <algorithm>

namespace {

Cell subtotalCell(long long tenThousandths)
{
    return Cell(double(tenThousandths) / Money::TenThousandths);
}

} // namespace

Sheet::Sheet() : m_rows(Rows), m_subtotals(Rows)
{
}

void Sheet::Clear()
{
    m_rows.assign(Rows, Row {});
    m_subtotals.assign(Rows, std::nullopt);
    SheetRowCount = 0;
    SheetTotal = 0;
}

bool Sheet::isSubtotalRow(const Cell& description)
{
    // Exactly the two words, in any case; no blanks are trimmed.
    return description.isText()
        && description.text().compare(QLatin1String("Sub Total"), Qt::CaseInsensitive) == 0;
}

bool Sheet::isEmptyDescription(const Cell& description)
{
    return description.isEmpty() || (description.isText() && description.text().isEmpty());
}

bool Sheet::isEmptyRow(int row) const
{
    // An emptied cell may hold an empty text; it is as empty as one never typed into.
    return isEmptyDescription(cell(row, 0)) && isEmptyDescription(cell(row, 1));
}

std::optional<long long> Sheet::subtotal(int row) const
{
    const std::optional<long long>& sum = m_subtotals[std::size_t(row)];
    if (sum && isSubtotalRow(cell(row, 0)) && cell(row, 1) == subtotalCell(*sum))
        return sum;
    return std::nullopt;
}

void Sheet::restoreSubtotal(int row, long long tenThousandths)
{
    m_rows[std::size_t(row)][1] = subtotalCell(tenThousandths);
    m_subtotals[std::size_t(row)] = tenThousandths;
}

long long Sheet::amountUnits(const Cell& amount)
{
    return Money::ToTenThousandths(std::clamp(amount.numericValue(), -MaxAmount, MaxAmount));
}

bool Sheet::setDescription(int row, const Cell& description)
{
    const bool wasSubtotal = subtotal(row).has_value();
    cell(row, 0) = description;
    if (!wasSubtotal || isSubtotalRow(description))
        return false;
    setAmount(row, Cell());
    return true;
}

void Sheet::setAmount(int row, const Cell& amount)
{
    cell(row, 1) = amount;
    m_subtotals[std::size_t(row)].reset();
}

Sheet::RowMoves Sheet::CalculateSheet()
{
    return calculate(false);
}

Sheet::RowMoves Sheet::calculate(bool keepAmounts)
{
    std::vector<Row> compact(Rows);
    std::vector<std::optional<long long>> subtotals(Rows);
    RowMoves moves {};
    // Every sum is a count of ten-thousandths: a double would lose cents on the largest sheets.
    long long total = 0;
    long long running = 0;
    int n = 0;
    for (int r = 1; r <= DataRows; ++r) {
        const Row& row = m_rows[std::size_t(r)];
        if (keepAmounts ? isEmptyRow(r) : isEmptyDescription(row[0]))
            continue;
        ++n;
        moves[std::size_t(r)] = n;
        Row& kept = compact[std::size_t(n)];
        kept = row;
        // Whatever amount stands on a subtotal row gives way to the subtotal.
        if (isSubtotalRow(row[0])) {
            kept[1] = subtotalCell(running);
            subtotals[std::size_t(n)] = running;
            running = 0;
            continue;
        }
        const long long amount = amountUnits(kept[1]);
        total += amount;
        running += amount;
    }
    SheetRowCount = n;
    SheetTotal = total;
    m_rows = std::move(compact);
    m_subtotals = std::move(subtotals);
    return moves;
}

std::optional<Sheet::RowMoves> Sheet::InsertBlankRow(int row)
{
    if (row < 1 || row >= DataRows || SheetRowCount >= DataRows)
        return std::nullopt;
    const int target = row;
    // Rows typed since the last calculation may stand anywhere, so the shift runs down to the
    // first empty row rather than to the row count: it never overwrites a typed cell. With no
    // empty row left below the target there is no room.
    int free = target;
    while (free <= DataRows && !isEmptyRow(free))
        ++free;
    if (free > DataRows)
        return std::nullopt;
    for (int i = free; i > target; --i) {
        m_rows[std::size_t(i)] = m_rows[std::size_t(i - 1)];
        m_subtotals[std::size_t(i)] = m_subtotals[std::size_t(i - 1)];
    }
    m_rows[std::size_t(target)] = {Cell(QStringLiteral("BlankLine")), Cell()};
    m_subtotals[std::size_t(target)].reset();
    const RowMoves calculated = calculate(true);
    RowMoves moves {};
    for (int r = 1; r <= DataRows; ++r)
        if (r != free) // the empty row that took the shift is gone
            moves[std::size_t(r)] = calculated[std::size_t(r >= target && r < free ? r + 1 : r)];
    return moves;
}
