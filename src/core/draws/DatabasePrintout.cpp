// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "DatabasePrintout.h"

#include "core/draws/DrawStore.h"

#include "core/common/TextFormat.h"

#include <algorithm>
#include <vector>

namespace {

// The distribution block lists the numbers 1..60, or those of a larger pool, (empty above the
// highest) in lines of cells four characters wide, 18 to a line; counts of four digits or more
// widen every cell by what they need and fit fewer to a line, so that no two counts run together.
constexpr int LineWidth = 72;

int distributionCellWidth(const DrawStore& store)
{
    int widest = 0;
    for (int n = 1; n <= store.shape().highestNumber; ++n)
        widest = std::max(widest, int(FormatWhole(store.NumberCounts()[n].count).size()));
    return std::max(4, widest + 1);
}

// A line of numbers and the line of their counts below it, for each range of numbers.
std::vector<std::pair<QString, QString>> distribution(const DrawStore& store)
{
    const int highNum = store.shape().highestNumber;
    const int width = distributionCellWidth(store);
    const int perLine = LineWidth / width;
    std::vector<std::pair<QString, QString>> lines;
    for (int first = 1; first <= store.shape().countedNumbers(); first += perLine) {
        auto& [numbers, counts] = lines.emplace_back();
        for (int n = first; n < first + perLine && n <= highNum; ++n) {
            numbers += AlignedWhole(width, n);
            counts += AlignedWhole(width, store.NumberCounts()[n].count);
        }
    }
    return lines;
}

// A page must hold more than its own heading, whatever the printer reported.
int usableLines(int linesPerPage)
{
    return std::max(linesPerPage, 7);
}

// The distribution block: its two leading empty lines, the top numbers and their rule, and an
// empty line, the numbers and their counts for each range.
int distributionBlockLines(const DrawStore& store)
{
    const int perLine = LineWidth / distributionCellWidth(store);
    return 2 + 2 + (store.shape().countedNumbers() + perLine - 1) / perLine * 3;
}

// The block starts a page of its own when it does not fit below the last records. A page of
// records holds two lines more than `linesPerPage`: the empty line and the page number.
bool distributionOnNewPage(int linesOnPage, int linesPerPage, int blockLines)
{
    const int sheetLines = linesPerPage + 2;
    return linesOnPage + blockLines > sheetLines && blockLines <= sheetLines;
}

} // namespace

int DatabasePrintoutPages(const DrawStore& store, int linesPerPage)
{
    const int records = store.RecCount();
    linesPerPage = usableLines(linesPerPage);
    // The first page opens with five lines and its counter one ahead; each later page opens with
    // four (see DatabasePrintout).
    const int firstPageRecords = linesPerPage - 6;
    const int laterPageRecords = linesPerPage - 4;
    const int breaks
        = records < firstPageRecords ? 0 : 1 + (records - firstPageRecords) / laterPageRecords;
    const int linesOnLastPage = breaks == 0
        ? 5 + records
        : 4 + (records - firstPageRecords - (breaks - 1) * laterPageRecords);
    const bool blockOnNewPage
        = distributionOnNewPage(linesOnLastPage, linesPerPage, distributionBlockLines(store));
    return 1 + breaks + (blockOnNewPage ? 1 : 0);
}

Printout DatabasePrintout(const DrawStore& store, const QString& topNumbersLine, int linesPerPage)
{
    linesPerPage = usableLines(linesPerPage);
    const LotteryShape shape = store.shape();
    const int numbers = shape.numbersPerDraw;
    const int extra = shape.extraNumbers;
    // Up to ten numbers stand five columns apart; more are closer, so that twenty and two extra
    // ones still fit the page. The extra numbers follow a "+".
    const bool compact = shape.drawnNumbers() > DrawRecords::ClassicFields;
    const int firstColumn = compact ? 17 : 20;
    const int step = compact ? 3 : 5;
    const int digits = compact ? 2 : 4;
    const auto columnOf
        = [&](int field) { return firstColumn + step * field + (field >= numbers ? 2 : 0); };
    const int lineEnd = columnOf(numbers + extra - 1) + digits;
    const QString underline(extra == 0 && !compact ? 5 * (numbers + 3) : lineEnd - 5, u'_');
    const QString heading
        = QStringLiteral("Winning numbers in ") + store.Title() + QStringLiteral(" Draw");

    PrintoutWriter writer;
    writer.endLine();
    writer.endLine();
    writer.printLine(5, heading);
    writer.printLine(5, underline);
    writer.endLine();

    // Ends a page after its last record's line: an empty line and the page number.
    const auto endPage = [&writer] {
        writer.endLine();
        writer.printLine(40, QStringLiteral("Page ") + QString::number(writer.pageNumber()));
        writer.newPage();
    };

    int lineCounter = 6;
    for (int i = 1; i <= store.RecCount(); ++i) {
        ++lineCounter;
        writer.printAt(5, FormatShortDate(store.date(i)));
        for (int field = 0; field < numbers + extra; ++field) {
            if (field == numbers)
                writer.printAt(columnOf(numbers) - (compact ? 2 : 1), QStringLiteral("+"));
            // A stray value too wide for the closer columns would push the line onto the next.
            const int number = store.number(i, field);
            QString text = field >= numbers && shape.extraMin() == 0 ? AlignedNumber(digits, number)
                                                                     : AlignedWhole(digits, number);
            if (compact && text.size() > digits + 1)
                text = QString(digits, u'#');
            writer.printAt(columnOf(field), text);
        }
        if (lineCounter % linesPerPage == 0) {
            writer.endLine();
            endPage();
            writer.endLine();
            writer.printLine(5, heading);
            writer.printLine(5, underline);
            lineCounter = 4;
        }
        writer.endLine();
    }

    // The distribution is read as one block: rather than being split across two sheets.
    if (distributionOnNewPage(writer.linesOnPage(), linesPerPage, distributionBlockLines(store)))
        endPage();
    writer.endLine();
    writer.endLine();

    writer.printLine(1, QStringLiteral("  ") + topNumbersLine);
    writer.printLine(
        1,
        QStringLiteral("  ______________________________________________________________________"));
    for (const auto& [numbers, counts] : distribution(store)) {
        writer.endLine();
        writer.printLine(1, numbers);
        writer.printLine(1, counts);
    }
    return writer.FinishPrintout();
}
