// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/draws/LotteryShape.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QIODevice;

// Tickets as the user types, pastes or imports them: one a line, the numbers separated by commas
// (or blanks, semicolons, tabs), the extra numbers after a plus sign: "1,2,3,4,5,6",
// "5 12 33 41 60 + 26". A line of blanks and separators alone is passed over as empty; any other
// line without a digit (a heading) is refused like a line of wrong numbers, so that nothing typed
// or read is dropped without a word.
namespace TicketLines {

// A list of tickets to add to the book: far more than its most tickets take, so a longer file is
// no list of tickets.
constexpr qint64 MaxFileBytes = qint64(16) << 20;
// The longest line Reader takes: far beyond any ticket, short enough that a file without line
// ends is refused rather than held whole.
constexpr qsizetype MaxLineBytes = 64 * 1024;

struct Numbers {
    QList<int> main; // ascending
    QList<int> extra; // ascending
    int line = 0; // counted from 1 in the text read

    bool operator==(const Numbers&) const = default;
};

// The numbers of one line as a ticket of `shape` holds them, or what is wrong with them in
// `error` (nothing is returned then). `shape` asks for its numbers per draw, each once, within
// its range; the extra numbers of an own pool are needed, those of the main pool refused. A
// control character refuses the line: a NUL would otherwise end a number early.
std::optional<Numbers> ParseLine(const QString& line, const LotteryShape& shape,
                                 QString* error = nullptr);

struct Result {
    QList<Numbers> tickets;
    // One per refused line: "line 3: 50 is not within 1 to 49."
    QStringList errors;
};
// Every line of `text`.
Result Parse(const QString& text, const LotteryShape& shape);

// The tickets of a device of any size, read a line at a time (a line ends with CR LF, LF or CR,
// as in Parse) so that only the line being read is held.
class Reader {
public:
    Reader(QIODevice& device, const LotteryShape& shape);

    // The next ticket; nothing at the end of the data or at a line that is no ticket, which
    // error() then names.
    std::optional<Numbers> next();
    // "line 3: 50 is not within 1 to 49.", or empty when the data ended well.
    const QString& error() const { return m_error; }

private:
    bool nextLine(QByteArrayView& line);
    QString tooLong() const;

    QIODevice& m_device;
    LotteryShape m_shape;
    QByteArray m_buffer;
    qsizetype m_pos = 0; // where the next line starts in m_buffer
    bool m_ended = false; // the device has nothing more to read
    qint64 m_number = 0; // of the last line read, from 1
    QString m_error;
};

// A ticket's numbers as a line that parses back to them: "1,2,3,4,5 + 26".
QString Text(const QList<int>& main, const QList<int>& extra);

// A line of the lowest numbers a ticket of `shape` may hold, as an example that parses:
// "1,2,3,4,5,6" for 6 of 49 + bonus, "1,2,3,4,5 + 1" for 5 of 69 + 1 of 26.
QString Example(const LotteryShape& shape);

} // namespace TicketLines
