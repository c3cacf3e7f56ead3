// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/tracker/Sheet.h"

#include <QByteArray>

class QIODevice;

// The tracker file: a line with the row count, then rows 1..111 of the sheet, one line each with
// the description and the amount; texts quoted, numbers plain (25, -10, 12.5, .5), empty cells
// empty, lines ended by CR LF.
namespace TrackerFile {

constexpr int RowLines = Sheet::Rows - 1;
// Far more than 112 lines of a sheet can take.
constexpr qint64 MaxFileBytes = 1 << 20;
// The longest text a field may hold. Typed descriptions have 46 characters; this bound keeps
// whatever the reader takes within MaxFileBytes when it is written again, whatever the text.
constexpr qsizetype MaxTextLength = 1024;

enum class ReadError {
    None,
    Unreadable, // the device failed or holds more than MaxFileBytes
    BadRowCount, // the first line is not one number
    MissingRows, // fewer than 111 row lines
    BadLine, // a row line without exactly two fields, or more lines than 112
    BadField, // a field that is neither a quoted text, a number nor empty, or a text too long
    AmountTooLarge, // an amount of 1e12 or more, or beyond any sum of them on a "Sub Total" row
    MixedAmount, // a text amount with digits that is no plain number: "1,234.50" would count 1
};

struct ReadResult {
    ReadError error = ReadError::None;
    Sheet sheet; // filled only without an error; its row count as the file gave it
};

// Why a file could not be read, as the user is told (a sentence).
QString ReasonText(ReadError error);

// Reads the whole file. A number is taken as its written form holds it (fifteen significant
// digits), so that whatever is read is written back as it was read.
ReadResult Read(QIODevice& device);

// A number in the file's form: plain decimal, fifteen significant digits at most, no zero before
// the point, no trailing zeros.
QString NumberText(double value);
// A count of ten-thousandths in the same form, every digit kept.
QString UnitsText(long long tenThousandths);

QByteArray Bytes(const Sheet& sheet);
// False when the device did not take every byte.
bool Write(const Sheet& sheet, QIODevice& device);

} // namespace TrackerFile
