// Feeds arbitrary bytes to the draw history import. The first three bytes choose the shape and
// the date order (numbers per draw 1 + b0 % 11, highest number b1 % 64, order b2 % 3, so that the
// refused shapes come up too); the rest is the file. Whatever it accepts must be well formed, must
// survive a save as a draw file and a second read unchanged, and must merge into itself unchanged.
#include "core/draws/DrawFile.h"
#include "core/draws/DrawHistoryImport.h"

#include <QBuffer>

#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    const DrawHistoryImport::Shape shape {1 + data[0] % 11, data[1] % 64};
    const auto order = DrawHistoryImport::DateOrder(data[2] % 3);
    const QByteArray bytes
        = QByteArray::fromRawData(reinterpret_cast<const char*>(data + 3), qsizetype(size - 3));
    const DrawHistoryImport import(bytes, shape, QDate::currentDate(), order);
    const std::vector<DrawHistoryImport::Draw>& draws = import.draws();
    if (!import.refusal().isEmpty()) {
        check(draws.empty() && import.skippedLines().empty());
        return 0;
    }

    for (std::size_t i = 0; i < draws.size(); ++i) {
        const DrawHistoryImport::Draw& draw = draws[i];
        check(draw.date.isValid() && draw.date.year() >= 1000 && draw.date.year() <= 9999);
        check(i == 0 || draws[i - 1].date <= draw.date);
        bool seen[DrawHistoryImport::MaxHighestNumber + 1] = {};
        for (int j = 0; j < DrawHistoryImport::MaxNumbersPerDraw; ++j) {
            const int n = draw.numbers[std::size_t(j)];
            if (j >= shape.numbersPerDraw) {
                check(n == 0);
                continue;
            }
            check(n >= 1 && n <= shape.highestNumber && !seen[n]);
            seen[n] = true;
        }
    }
    const auto& skipped = import.skippedLines();
    for (std::size_t i = 1; i < skipped.size(); ++i)
        check(skipped[i - 1].line < skipped[i].line);

    const DrawRecords records = import.records();
    // Whether so many fit the store is the caller's question.
    if (records.size() > DrawStore::MaxLoadedRecords)
        return 0;
    DrawStore store;
    check(store.Load(shape, {}, records));
    QByteArray saved = DrawFile::Bytes(store).value();
    QBuffer again(&saved);
    again.open(QIODevice::ReadOnly);
    const DrawFile::ReadResult reread = DrawFile::Read(again);
    check(reread.error == DrawFile::ReadError::None && reread.content.records == records
          && reread.content.shape == store.shape());

    const DrawHistoryImport::Merged merged = import.mergedWith(records);
    check(merged.records == records && merged.leftOut == 0 && merged.added == 0
          && merged.conflicts.empty() && merged.duplicates == records.size() + import.duplicates());
    return 0;
}
