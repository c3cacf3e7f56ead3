#include "Statement.h"

#include "common/TextFormat.h"
#include "tracker/Money.h"
#include "tracker/Sheet.h"

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
    for (int i = 1; i <= sheet.SheetRowCount; ++i) {
        writer.printAt(8, Money::CellText(sheet.cell(i, 0)).left(46));
        writer.printAt(56, RightAlign(12, Money::FormatAmountCell(sheet.cell(i, 1))));
        writer.endLine();
    }
    writer.endLine();
    writer.endLine();
    writer.endLine();
    writer.printAt(8, QStringLiteral("Total"));
    writer.printAt(55, RightAlign(13, currencySymbol + Money::Format(sheet.total())));
    writer.endLine();
    return writer.FinishPrintout();
}
