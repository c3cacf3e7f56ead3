// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/tickets/TicketCheck.h"

#include <QString>

class Sheet;

// What posting the checked draws to the investment tracker did.
struct PostResult {
    enum class Outcome {
        Posted, // lines were added
        NothingNew, // every checked draw was posted before, or waits for an amount
        NoRoom, // the lines would not fit the 105 rows: nothing was posted
    } outcome
        = Outcome::NothingNew;
    int lines = 0; // added
    int draws = 0; // posted now
    int awaiting = 0; // draws held back until a tier's published amount is typed in
    QString message; // for the user
};

// Adds to the tracker's sheet, for every checked draw of `check` not posted yet, one line for
// the tickets bought (their price, negative) and one per win (its amount), described with the
// draw's date and what was matched, after the sheet's last line, so that its "Sub Total" lines
// stay as they are; then calculates the sheet and marks the draws posted in `book`. A draw with
// a win whose amount is not typed in yet waits. When the lines would not fit the sheet's 105
// rows, nothing is posted.
PostResult PostToTracker(TicketBook& book, const BookCheck& check, Sheet& sheet);
