// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/tickets/TicketBook.h"

#include <QByteArray>

class QIODevice;

// The ticket book file (.ltk), text of comma-separated fields like the draw and tracker files:
//   "Numerion tickets",<form>,<numbers per draw>,<highest>,<extra>,<L>,<M>,"draw title",
//       <tickets>,<prize rows>,<published amounts>,<posted draws>
// then a line per ticket:   #first draw#,<draws>,<price>,<main numbers>,<extra numbers>
//      a line per prize:    <main matched>,<extra matched>,"tier",<amount or nothing>
//      a line per amount:   #draw#,"tier",<amount>
//      a line per posting:  #draw#
// <L>,<M> is the extra numbers' own pool, or 0,0 when they come from the main pool. Amounts are
// plain decimals, every digit kept. A form number above this program's is refused: that file
// holds more than this program could keep, and saving it would lose it.
namespace TicketBookFile {

constexpr int Form = 1;
inline constexpr char Mark[] = "Numerion tickets";
constexpr qint64 MaxFileBytes = qint64(16) << 20;

enum class ReadError {
    None,
    Unreadable, // the device failed or holds more than MaxFileBytes
    NotATicketBook, // no mark, or a header field missing or out of range
    NewerForm, // written by a newer program
    BadLine, // a line that is not what the header announced, or one too many
};

struct ReadResult {
    ReadError error = ReadError::None;
    TicketBook book; // complete only without an error
};

// Why a file could not be read, as the user is told (a sentence).
QString ReasonText(ReadError error);

ReadResult Read(QIODevice& device);
QByteArray Bytes(const TicketBook& book);
// False when the device did not take every byte.
bool Write(const TicketBook& book, QIODevice& device);

} // namespace TicketBookFile
