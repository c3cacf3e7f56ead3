// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "Statement.h"

#include "core/common/PrintColumns.h"
#include "core/tracker/Money.h"
#include "core/tracker/Sheet.h"

namespace {

constexpr int TextColumn = 8;
constexpr int DescriptionWidth = 46;
constexpr int AmountColumn = 56;
constexpr int LastColumn = 67;

// A line with `label` from column 8 and `amount` ending in column 67, whole. The amount field
// begins in `fieldColumn`; a wider amount begins further left and the label gives way to it,
// keeping a blank between them. Widths are printed cells: an emoji or a Chinese character in a
// description takes two.
void printRow(PrintoutWriter& writer, const QString& label, int fieldColumn, const QString& amount)
{
    const int fieldWidth = LastColumn - fieldColumn + 1;
    const int start = std::max(TextColumn, LastColumn + 1 - PrintColumns::width(amount));
    const int room = std::min(DescriptionWidth, start - 1 - TextColumn);
    if (room > 0)
        writer.printAt(TextColumn, PrintColumns::left(label, room));
    if (start >= fieldColumn)
        writer.printAt(fieldColumn, PrintColumns::rightAlign(fieldWidth, amount));
    else
        writer.printAt(start, amount);
    writer.endLine();
}

} // namespace

Printout InvestmentStatement(const Sheet& sheet, const QString& currencySymbol)
{
    PrintoutWriter writer;
    writer.endLine();
    // The second line is left empty: a row number typed for an insertion says nothing here.
    writer.endLine();
    writer.endLine();
    writer.endLine();
    writer.printLine(30, QStringLiteral("INVESTMENT STATEMENT"));
    writer.endLine();
    writer.endLine();
    writer.printLine(
        8, QStringLiteral("DESCRIPTION                                           AMOUNT"));
    writer.printLine(
        8, QStringLiteral("___________                                           ______"));
    writer.endLine();
    for (int i = 1; i <= sheet.SheetRowCount; ++i)
        printRow(writer, Money::CellText(sheet.cell(i, 0)), AmountColumn,
                 Money::FormatRowAmount(sheet, i));
    writer.endLine();
    writer.endLine();
    writer.endLine();
    printRow(writer, QStringLiteral("Total"), AmountColumn - 1,
             currencySymbol + Money::FormatUnits(sheet.SheetTotal));
    return writer.FinishPrintout();
}
