// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/common/Cell.h"

#include <array>
#include <optional>
#include <vector>

// The investment tracker's two-column sheet: a description and an amount per row. Rows 1..105
// hold data; rows 106..111 only pass through the tracker file; row 0 is never used.
class Sheet {
public:
    static constexpr int Rows = 112; // 0..111
    static constexpr int DataRows = 105;
    // Amounts stay below this in magnitude (twelve digits before the decimal point), so the total
    // of 105 of them can never overflow its count of ten-thousandths.
    static constexpr double MaxAmount = 1e12;
    // A subtotal adds up to 104 amounts; this stays above their sum even when the fifteen digits
    // of a file round it up.
    static constexpr double MaxSubtotal = DataRows * MaxAmount;

    using Row = std::array<Cell, 2>;
    // Where each row went in a calculation: its new row, or 0 when it was dropped.
    using RowMoves = std::array<int, Rows>;

    Sheet();

    // Writing a cell here bypasses the bookkeeping of the setters below; a calculated subtotal is
    // kept only while its row still holds what the calculation put there.
    Cell& cell(int row, int column) { return m_rows[std::size_t(row)][std::size_t(column)]; }
    const Cell& cell(int row, int column) const
    {
        return m_rows[std::size_t(row)][std::size_t(column)];
    }

    // A description as the user edits it. A row that stops being a "Sub Total" row loses the
    // subtotal the calculation put there: nobody typed it, and as an ordinary amount it would
    // count its rows a second time. Returns whether the amount went.
    bool setDescription(int row, const Cell& description);
    // An amount as the user types or deletes it.
    void setAmount(int row, const Cell& amount);

    // Every row empty, nothing counted.
    void Clear();

    // Drops rows without a description, fills every "Sub Total" row with the sum of the amounts
    // since the previous one, and counts the rows and the total.
    RowMoves CalculateSheet();

    // Moves rows `row`.. one down (as far as the first empty row) and puts a "BlankLine" row at
    // `row`, then calculates, closing up empty rows only: a row that holds an amount waiting for
    // its description keeps it. Nothing happens for a row below 1 or from 105 on, or with a full
    // sheet; returns where the rows went when the sheet changed.
    std::optional<RowMoves> InsertBlankRow(int row);

    // The subtotal the last calculation put on a "Sub Total" row, in ten-thousandths, exactly:
    // a double cannot hold every cent of fourteen-digit sums.
    std::optional<long long> subtotal(int row) const;
    // A subtotal read back from a file, every cent as it was written: the row counts as
    // calculated again.
    void restoreSubtotal(int row, long long tenThousandths);
    // An amount cell as the calculation counts it, in ten-thousandths.
    static long long amountUnits(const Cell& amount);

    int SheetRowCount = 0;
    long long SheetTotal = 0; // ten-thousandths

    static bool isSubtotalRow(const Cell& description);
    static bool isEmptyDescription(const Cell& description);
    bool isEmptyRow(int row) const;

private:
    // `keepAmounts`: a row with an amount but no description stays.
    RowMoves calculate(bool keepAmounts);

    std::vector<Row> m_rows;
    std::vector<std::optional<long long>> m_subtotals;
};
