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

    DrawStore store;
    if (!store.LoadRecords(read.content.records))
        std::abort();
    store.SetColCount(read.content.colCount);
    store.SetHighNum(read.content.highNum);
    store.SetTitle(read.content.title);
    store.CountNumbers();

    QByteArray saved = DrawFile::Bytes(store, QDate::currentDate()).value();
    QBuffer again(&saved);
    again.open(QIODevice::ReadOnly);
    const DrawFile::ReadResult reread = DrawFile::Read(again);
    if (reread.error != DrawFile::ReadError::None || reread.content.title != read.content.title
        || reread.content.colCount != read.content.colCount
        || reread.content.highNum != read.content.highNum
        || reread.content.records != read.content.records)
        std::abort();
    return 0;
}
