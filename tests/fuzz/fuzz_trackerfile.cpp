// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
// Feeds arbitrary bytes to the tracker file reader. Whatever it accepts must calculate, and once
// saved must open again to the same sheet and the same saved form.
#include "core/tracker/Sheet.h"
#include "core/tracker/TrackerFile.h"

#include <QBuffer>

#include <cstdlib>

namespace {

TrackerFile::ReadResult readAll(QByteArray& bytes)
{
    QBuffer input(&bytes);
    input.open(QIODevice::ReadOnly);
    return TrackerFile::Read(input);
}

bool sameSheet(const Sheet& a, const Sheet& b)
{
    if (a.SheetRowCount != b.SheetRowCount || a.SheetTotal != b.SheetTotal)
        return false;
    for (int r = 0; r < Sheet::Rows; ++r) {
        for (int c = 0; c < 2; ++c)
            if (!(a.cell(r, c) == b.cell(r, c)))
                return false;
        if (a.subtotal(r) != b.subtotal(r))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes
        = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    TrackerFile::ReadResult read = readAll(bytes);
    if (read.error != TrackerFile::ReadError::None)
        return 0;

    read.sheet.CalculateSheet();
    if (read.sheet.SheetRowCount < 0 || read.sheet.SheetRowCount > Sheet::DataRows)
        std::abort();

    QByteArray saved = TrackerFile::Bytes(read.sheet);
    TrackerFile::ReadResult reread = readAll(saved);
    if (reread.error != TrackerFile::ReadError::None)
        std::abort();
    reread.sheet.CalculateSheet();
    if (!sameSheet(reread.sheet, read.sheet) || TrackerFile::Bytes(reread.sheet) != saved)
        std::abort();
    return 0;
}
