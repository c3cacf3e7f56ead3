#pragma once

#include "tracker/Sheet.h"

#include <QByteArray>

class QIODevice;

// The tracker file: a line with the row count, then rows 1..111 of the sheet, one line each with
// the description and the amount; texts quoted, numbers plain (25, -10, 12.5, .5), empty cells
// empty, lines ended by CR LF.
namespace TrackerFile {

constexpr int RowLines = Sheet::Rows - 1;
// Far more than 112 lines of a sheet can take.
constexpr qint64 MaxFileBytes = 1 << 20;

enum class ReadError {
    None,
    Unreadable, // the device failed or holds more than MaxFileBytes
    BadRowCount, // the first field is not a number
    MissingRows, // fewer than 111 row lines
    BadField, // a field that is neither a quoted text, a number nor empty
    AmountTooLarge, // an amount of twelve digits or more before the decimal point
};

struct ReadResult {
    ReadError error = ReadError::None;
    Sheet sheet; // filled only without an error; its row count as the file gave it
};

ReadResult Read(QIODevice& device);

// A number in the file's form: plain decimal, no zero before the point, no trailing zeros.
QString NumberText(double value);

QByteArray Bytes(const Sheet& sheet);
// False when the device did not take every byte.
bool Write(const Sheet& sheet, QIODevice& device);

} // namespace TrackerFile
