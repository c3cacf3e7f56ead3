#pragma once

#include "core/common/Cell.h"

#include <array>
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
    // A subtotal adds up to 104 amounts.
    static constexpr double MaxSubtotal = (DataRows - 1) * MaxAmount;
    static constexpr long long TenThousandths = 10000;

    using Row = std::array<Cell, 2>;

    Sheet();

    Cell& cell(int row, int column) { return m_rows[std::size_t(row)][std::size_t(column)]; }
    const Cell& cell(int row, int column) const
    {
        return m_rows[std::size_t(row)][std::size_t(column)];
    }

    // Every row empty, nothing counted.
    void Clear();

    // Drops rows without a description, fills every "Sub Total" row with the sum of the amounts
    // since the previous one, and counts the rows and the total.
    void CalculateSheet();

    // Moves rows `row`.. one down (as far as the first empty row) and puts a "BlankLine" row at
    // `row`, then calculates. Nothing happens for a row below 1 or from 105 on, or with a full
    // sheet; returns whether the sheet changed.
    bool InsertBlankRow(int row);

    int SheetRowCount = 0;
    long long SheetTotal = 0; // ten-thousandths
    double total() const { return double(SheetTotal) / TenThousandths; }

    static bool isSubtotalRow(const Cell& description);
    static bool isEmptyDescription(const Cell& description);

private:
    bool isEmptyRow(int row) const;

    std::vector<Row> m_rows;
};
