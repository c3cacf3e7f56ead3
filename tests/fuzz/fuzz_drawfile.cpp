// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
// Feeds arbitrary bytes to the draw file reader. Whatever it accepts must survive a save and a
// second read unchanged.
#include "core/draws/DrawFile.h"

#include <QBuffer>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes
        = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer input(&bytes);
    input.open(QIODevice::ReadOnly);
    const DrawFile::ReadResult read = DrawFile::Read(input);
    if (read.error != DrawFile::ReadError::None)
        return 0;

    // The file as read is written back unchanged; the store, which cuts the shape to its limits,
    // keeps every record and the title.
    QByteArray saved = DrawFile::Bytes(read.content).value();
    QBuffer again(&saved);
    again.open(QIODevice::ReadOnly);
    if (DrawFile::Read(again).content != read.content)
        std::abort();

    DrawStore store;
    if (!store.Load(read.content.shape, read.content.title, read.content.records))
        std::abort();
    QByteArray stored = DrawFile::Bytes(store).value();
    QBuffer storedAgain(&stored);
    storedAgain.open(QIODevice::ReadOnly);
    const DrawFile::ReadResult reread = DrawFile::Read(storedAgain);
    if (reread.error != DrawFile::ReadError::None || reread.content.title != read.content.title
        || reread.content.records != read.content.records)
        std::abort();
    return 0;
}
