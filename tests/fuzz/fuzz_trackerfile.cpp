// Feeds arbitrary bytes to the tracker file reader. Whatever it accepts must calculate, and its
// saved form must read back to the same saved form.
#include "tracker/Sheet.h"
#include "tracker/TrackerFile.h"

#include <QBuffer>

#include <cstdlib>

namespace {

TrackerFile::ReadResult readAll(QByteArray& bytes)
{
    QBuffer input(&bytes);
    input.open(QIODevice::ReadOnly);
    return TrackerFile::Read(input);
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
    if (reread.error != TrackerFile::ReadError::None || TrackerFile::Bytes(reread.sheet) != saved)
        std::abort();
    return 0;
}
