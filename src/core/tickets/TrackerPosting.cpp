// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "TrackerPosting.h"

#include "core/common/TextFormat.h"
#include "core/tickets/TicketLines.h"
#include "core/tracker/Description.h"
#include "core/tracker/Sheet.h"
#include "core/tracker/SheetEditor.h"

namespace {

struct Line {
    QString description;
    long long amount = 0;
};

QString dateText(const QDate& date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

} // namespace

PostResult PostToTracker(TicketBook& book, const BookCheck& check, Sheet& sheet)
{
    PostResult result;
    QList<Line> lines;
    QList<QDate> dates;
    QList<QDate> waiting; // dates with a win whose amount is not typed in yet
    // Draws of one date are posted together: the book keeps what was posted by date.
    for (const DrawTotal& draw : check.draws) {
        if (book.isPosted(draw.date) || dates.contains(draw.date))
            continue;
        DrawTotal day;
        for (const DrawTotal& other : check.draws) {
            if (other.date != draw.date)
                continue;
            day.tickets += other.tickets;
            day.spent += other.spent;
            day.awaiting += other.awaiting;
        }
        dates.append(draw.date);
        if (day.awaiting > 0) {
            waiting.append(draw.date);
            ++result.awaiting;
            continue;
        }
        lines.append({QStringLiteral("Tickets %1: %2")
                          .arg(dateText(draw.date), CountText(day.tickets, "ticket", "tickets")),
                      -day.spent});
        for (const TicketCheck& ticket : check.tickets) {
            for (const DrawCheck& played : ticket.draws) {
                if (played.date != draw.date || !played.won())
                    continue;
                const PrizeRow& row = book.prizes.rows[*played.prizeRow];
                QString description
                    = QStringLiteral("Won %1: %2 matched")
                          .arg(dateText(draw.date),
                               MatchText(int(played.mainMatched.size()),
                                         int(played.extraMatched.size()), book.shape));
                if (!row.tier.isEmpty())
                    description += QStringLiteral(", ") + row.tier;
                lines.append({Description::left(description, SheetEditor::MaxDescription),
                              played.amount.value_or(0)});
            }
        }
    }
    const auto awaitingText = [&result] {
        return result.awaiting == 0
            ? QString()
            : QStringLiteral(" %1 for a prize amount to be typed in.")
                  .arg(CountText(result.awaiting, "draw waits", "draws wait"));
    };
    if (lines.isEmpty()) {
        result.message = QStringLiteral("Nothing new to post.") + awaitingText();
        return result;
    }
    // Typed lines may stand below empty ones until the sheet is calculated: the new lines go
    // after the last line that holds anything.
    int last = Sheet::DataRows;
    while (last > 0 && sheet.isEmptyRow(last))
        --last;
    const int free = Sheet::DataRows - last;
    if (lines.size() > free) {
        result.outcome = PostResult::Outcome::NoRoom;
        result.message
            = QStringLiteral(
                  "The tracker holds 105 lines: posting needs %1 and only %2 are free. Nothing was posted; make room in the tracker first.")
                  .arg(lines.size())
                  .arg(free);
        return result;
    }
    int row = last;
    for (const Line& line : lines) {
        ++row;
        sheet.setDescription(row, Cell(line.description));
        sheet.setAmount(row, Cell(double(line.amount) / 10000));
    }
    sheet.CalculateSheet();
    for (const QDate& date : dates)
        if (!waiting.contains(date))
            book.markPosted(date);
    result.outcome = PostResult::Outcome::Posted;
    result.lines = int(lines.size());
    result.draws = int(dates.size() - waiting.size());
    result.message = QStringLiteral("%1 posted for %2.")
                         .arg(CountText(result.lines, "line", "lines"),
                              CountText(result.draws, "draw", "draws"))
        + awaitingText();
    return result;
}
