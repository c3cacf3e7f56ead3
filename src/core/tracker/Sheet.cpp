#include "Sheet.h"

#include <algorithm>
#include <cmath>

namespace {

// An amount as a count of ten-thousandths, halves to even. A half that binary fractions cannot
// hold exactly (0.00015 is stored a hair below) still counts as a half.
long long toTenThousandths(double amount)
{
    const double scaled = amount * Sheet::TenThousandths;
    const double whole = std::floor(scaled);
    if (std::fabs(scaled - whole - 0.5) < 1e-6)
        return static_cast<long long>(std::fmod(whole, 2.0) == 0 ? whole : whole + 1);
    return static_cast<long long>(std::nearbyint(scaled));
}

} // namespace

Sheet::Sheet() : m_rows(Rows)
{
}

void Sheet::Clear()
{
    m_rows.assign(Rows, Row {});
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

void Sheet::CalculateSheet()
{
    std::vector<Row> compact(Rows);
    long long total = 0;
    double runningSubtotal = 0;
    int n = 0;
    for (int r = 1; r <= DataRows; ++r) {
        const Row& row = m_rows[std::size_t(r)];
        if (isEmptyDescription(row[0]))
            continue;
        ++n;
        Row& kept = compact[std::size_t(n)];
        kept = row;
        const bool subtotal = isSubtotalRow(row[0]);
        if (subtotal)
            kept[1] = Cell();
        const double amount = std::clamp(kept[1].numericValue(), -MaxAmount, MaxAmount);
        total += toTenThousandths(amount);
        runningSubtotal += amount;
        if (subtotal) {
            kept[1] = Cell(runningSubtotal);
            runningSubtotal = 0;
        }
    }
    SheetRowCount = n;
    SheetTotal = total;
    m_rows = std::move(compact);
}

bool Sheet::InsertBlankRow(int row)
{
    if (row < 1 || row >= DataRows || SheetRowCount >= DataRows)
        return false;
    const int target = row;
    // Rows typed since the last calculation may stand anywhere, so the shift runs down to the
    // first empty row rather than to the row count: it never overwrites a typed cell. With no
    // empty row left below the target there is no room.
    int free = target;
    while (free <= DataRows && !isEmptyRow(free))
        ++free;
    if (free > DataRows)
        return false;
    for (int i = free; i > target; --i)
        m_rows[std::size_t(i)] = m_rows[std::size_t(i - 1)];
    m_rows[std::size_t(target)] = {Cell(QStringLiteral("BlankLine")), Cell()};
    CalculateSheet();
    return true;
}
