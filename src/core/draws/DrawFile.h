#pragma once

#include "core/draws/DrawStore.h"

#include <QString>

#include <optional>

class QIODevice;

// The draw file: a header line (record count, numbers per draw + 2, highest number, quoted
// title) and one line of twelve fields per record, comma-separated and ended by CR LF. Blank lines
// and an end-of-file mark may follow the records; anything else would be lost by the next save,
// so it makes the file unreadable.
namespace DrawFile {

// More than this is no draw file: the longest record line the program writes has 92 bytes, so the
// most records fit with room to spare.
constexpr qint64 MaxFileBytes = qint64(96) << 20;
constexpr int MaxRecordLines = DrawStore::MaxLoadedRecords;
// Far beyond any title typed in the program, and short enough that whatever is read can be
// written back within MaxFileBytes, whichever encoding it was read in.
constexpr qsizetype MaxTitleLength = 1024;

struct Content {
    // As the header announces it: numbers per draw (its field less the record number and the
    // date) and the highest number, whatever their size.
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
};

struct ReadResult {
    ReadError error = ReadError::None;
    Content content; // complete only without an error
};

// How record lines are read. The lines the program writes are read the quick way and any other
// line by the full reader, from where the quick way gave up; reading every line with the full
// reader gives the same result, only slower.
enum class LineReading { QuickWhereWritten, FullReaderOnly };

ReadResult Read(QIODevice& device, LineReading lines = LineReading::QuickWhereWritten);

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
