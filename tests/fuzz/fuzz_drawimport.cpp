// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
// Feeds arbitrary bytes to the draw history import. The first three bytes choose the shape and
// the date order (numbers per draw 1 + b0 % 21, highest number b1 % 101, order b2 % 3, extra
// numbers b2 / 3 % 4, from an own pool when b2 / 12 is odd, from b2 / 24 % 2 up to b1 / 101 * 25,
// so that the refused shapes come up too); the rest is the file. Whatever it accepts must be well
// formed, must survive a save as a draw file and a second read unchanged, and must merge into
// itself unchanged.
#include "core/draws/DrawFile.h"
#include "core/draws/DrawHistoryImport.h"

#include <QBuffer>

#include <algorithm>
#include <cstdlib>
#include <iterator>

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
    DrawHistoryImport::Shape shape {1 + data[0] % 21, data[1] % 101};
    shape.extraNumbers = data[2] / 3 % 4;
    if (data[2] / 12 % 2 == 1) {
        shape.extraPool = LotteryShape::ExtraPool::Own;
        shape.extraLowest = data[2] / 24 % 2;
        shape.extraHighest = data[1] / 101 * 25;
    }
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
        check(draw.date().isValid() && draw.date().year() >= 1000 && draw.date().year() <= 9999);
        check(i == 0 || draws[i - 1].day <= draw.day);
        const LotteryShape& taken = import.shape();
        bool seen[DrawHistoryImport::MaxHighestNumber + 1] = {};
        for (int j = 0; j < DrawHistoryImport::MaxDrawnNumbers; ++j) {
            const int n = draw.numbers[std::size_t(j)];
            if (j >= taken.drawnNumbers()) {
                check(n == 0);
                continue;
            }
            // An own pool is drawn apart from the main numbers.
            if (j == taken.numbersPerDraw && taken.hasOwnPool())
                std::fill(std::begin(seen), std::end(seen), false);
            const bool main = j < taken.numbersPerDraw;
            check(n >= (main ? 1 : taken.extraMin())
                  && n <= (main ? taken.highestNumber : taken.extraMax()) && !seen[n]);
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
    check(store.Load(import.shape(), {}, records));
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
