// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/draws/DrawStore.h"

#include <QString>

#include <optional>

class QIODevice;

// The draw file: a header line (record count, numbers per draw + 2, highest number, quoted
// title) and one line of twelve fields per record, comma-separated and ended by CR LF. Blank lines
// and an end-of-file mark may follow the records; anything else would be lost by the next save,
// so it makes the file unreadable.
//
// Shapes beyond the classic ones (more than ten numbers, numbers above 60, extra numbers) are
// written in the extended form of the same text: its header begins with the quoted mark
// "Numerion draws" and the form's number, where the classic header has its record count, so that
// a reader of the classic form refuses the file at its first field instead of misreading it:
//   "Numerion draws",2,<records>,<fields>,<numbers per draw>,<highest>,<extra>,<L>,<M>,"title"
// <fields> is how many numbers each record line holds (the main numbers, then the extra ones,
// then spare fields); <L>,<M> is the extra numbers' own pool, or 0,0 when they are drawn from the
// main pool. A record line is its number, its date and <fields> numbers.
namespace DrawFile {

// More than this is no draw file: the longest record line the program writes has 92 bytes, so the
// most records fit with room to spare.
constexpr qint64 MaxFileBytes = qint64(96) << 20;
constexpr int MaxRecordLines = DrawStore::MaxLoadedRecords;
// Far beyond any title typed in the program, and short enough that whatever is read can be
// written back within MaxFileBytes, whichever encoding it was read in.
constexpr qsizetype MaxTitleLength = 1024;
constexpr int ExtendedForm = 2;
inline constexpr char ExtendedMark[] = "Numerion draws";

struct Content {
    // As the header announces it: numbers per draw (its field less the record number and the
    // date, at most the ten a classic line holds) and the highest number (at most 99); the extra
    // numbers in the extended form.
    LotteryShape shape;
    QString title; // without control characters, double quotes and byte-order marks
    DrawRecords records;

    bool operator==(const Content&) const = default;
};

enum class ReadError {
    None,
    Unreadable, // the device failed or holds more than MaxFileBytes
    BadHeader, // a header field is missing, of the wrong kind or out of range
    MissingField, // fewer fields than the header announced
    BadRecordNumber, // a record number that differs from its line's position
    BadDate, // a date field that is not a #date# of a year 1000..9999
    BadNumber, // a number field that is not a whole number
    ContentAfterRecords, // a field after the last record the header announced
    NewerForm, // the extended form's number is one this program does not know
};

struct ReadResult {
    ReadError error = ReadError::None;
    Content content; // complete only without an error
};

// Why a file could not be read, as the windows and the commands tell the user (a sentence).
QString ReasonText(ReadError error);

// How record lines are read. The lines the program writes are read the quick way and any other
// line by the full reader, from where the quick way gave up; reading every line with the full
// reader gives the same result, only slower.
enum class LineReading { QuickWhereWritten, FullReaderOnly };

// Which forms a reader knows: the program reads both; ClassicOnly reads as the classic readers
// do, which refuse every file of the extended form.
enum class Forms { ClassicAndExtended, ClassicOnly };

ReadResult Read(QIODevice& device, LineReading lines = LineReading::QuickWhereWritten,
                Forms forms = Forms::ClassicAndExtended);
// Whether the store's draws need the extended form: a shape beyond the classic ones, or numbers
// in fields beyond the classic ten.
bool NeedsExtendedForm(const LotteryShape& shape, const DrawRecords& records);

enum class WriteError {
    None,
    BadDate, // a record's date cell holds no date of a year 1000..9999
    DeviceFailed,
};

// The whole file as bytes, or nothing when a record's date is no date of a year 1000..9999.
std::optional<QByteArray> Bytes(const Content& content);
std::optional<QByteArray> Bytes(const DrawStore& store);
WriteError Write(const DrawStore& store, QIODevice& device);

} // namespace DrawFile
