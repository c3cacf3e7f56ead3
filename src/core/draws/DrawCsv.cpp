// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "DrawCsv.h"

#include "core/common/CsvWriter.h"
#include "core/draws/DrawRecords.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace DrawCsv {

QByteArray Bytes(const LotteryShape& shape, const DrawRecords& records)
{
    const bool bonus = shape.extraNumbers > 0 && !shape.hasOwnPool();
    CsvWriter csv;
    csv.text(QStringLiteral("Date"));
    for (int k = 1; k <= shape.numbersPerDraw; ++k)
        csv.text(QStringLiteral("Number %1").arg(k));
    for (int e = 1; e <= shape.extraNumbers; ++e)
        csv.text((bonus ? QStringLiteral("Bonus %1") : QStringLiteral("Extra %1")).arg(e));
    csv.endLine();

    // Records are kept in the order they were typed or imported; a file for other programs is
    // read oldest first.
    std::vector<int> order(std::size_t(records.size()));
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(),
                     [&records](int a, int b) { return records.date(a) < records.date(b); });
    const int fields = std::min(shape.drawnNumbers(), records.fields());
    csv.reserve(csv.bytes().size() + qsizetype(records.size()) * (11 + 3 * fields + 2));
    for (const int record : order) {
        csv.plain(records.date(record).toString(Qt::ISODate).toLatin1());
        for (const std::int16_t number : records.numbers(record).first(std::size_t(fields)))
            csv.number(number);
        csv.endLine();
    }
    return csv.bytes();
}

} // namespace DrawCsv
