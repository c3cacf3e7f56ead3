// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "LotteryShape.h"

#include "core/common/FileFields.h"

QString ShapeName(const LotteryShape& shape)
{
    QString name = QStringLiteral("%1 of %2").arg(shape.numbersPerDraw).arg(shape.highestNumber);
    if (shape.extraNumbers == 0)
        return name;
    if (!shape.hasOwnPool())
        return name
            + (shape.extraNumbers == 1 ? QStringLiteral(" + bonus")
                                       : QStringLiteral(" + %1 bonus").arg(shape.extraNumbers));
    const QString pool = shape.extraLowest == 1
        ? QString::number(shape.extraHighest)
        : QStringLiteral("%1-%2").arg(shape.extraLowest).arg(shape.extraHighest);
    return name + QStringLiteral(" + %1 of %2").arg(shape.extraNumbers).arg(pool);
}

namespace {

LotteryShape withBonus(int k, int n, int extra = 1)
{
    LotteryShape shape {k, n};
    shape.extraNumbers = extra;
    return shape;
}

LotteryShape withOwnPool(int k, int n, int extra, int lowest, int highest)
{
    LotteryShape shape {k, n};
    shape.extraNumbers = extra;
    shape.extraPool = LotteryShape::ExtraPool::Own;
    shape.extraLowest = lowest;
    shape.extraHighest = highest;
    return shape;
}

} // namespace

const std::vector<CommonShape>& CommonShapes()
{
    static const std::vector<CommonShape> shapes = [] {
        const std::vector<LotteryShape> list {
            {6, 49},
            {6, 45},
            {7, 35},
            {5, 90},
            {6, 90},
            {20, 80},
            withBonus(6, 49),
            withBonus(6, 59),
            withBonus(6, 45, 2),
            withBonus(7, 50),
            withBonus(6, 90),
            withOwnPool(6, 49, 1, 0, 9),
            withOwnPool(5, 69, 1, 1, 26),
            withOwnPool(5, 70, 1, 1, 25),
            withOwnPool(5, 50, 2, 1, 12),
            withOwnPool(5, 50, 2, 1, 10),
        };
        std::vector<CommonShape> named;
        for (const LotteryShape& shape : list)
            named.push_back({ShapeName(shape), shape});
        return named;
    }();
    return shapes;
}

namespace ShapeFields {

void Write(FileFieldWriter& writer, const LotteryShape& shape)
{
    writer.addNumber(shape.numbersPerDraw);
    writer.addNumber(shape.highestNumber);
    writer.addNumber(shape.extraNumbers);
    const bool own = shape.hasOwnPool();
    writer.addNumber(own ? shape.extraLowest : 0);
    writer.addNumber(own ? shape.extraHighest : 0);
}

std::optional<LotteryShape> Read(FileFieldReader& reader)
{
    long long values[5] {};
    for (long long& value : values)
        if (!reader.readWhole(value))
            return std::nullopt;
    const auto [k, n, extra, lowest, highest] = values;
    // Held in a range that keeps every comparison below exact; anything out of the program's
    // limits then fails the comparison with the clamped shape.
    const auto held = [](long long value) { return int(std::clamp<long long>(value, -1, 1000)); };
    LotteryShape shape {held(k), held(n)};
    shape.extraNumbers = held(extra);
    const bool mainPool = lowest == 0 && highest == 0;
    if (!mainPool) {
        shape.extraPool = LotteryShape::ExtraPool::Own;
        shape.extraLowest = held(lowest);
        shape.extraHighest = held(highest);
    }
    if (shape.clamped() != shape || shape.numbersPerDraw != k || shape.highestNumber != n
        || shape.extraNumbers != extra || (shape.extraNumbers == 0 && !mainPool)
        || (!mainPool && (shape.extraLowest != lowest || shape.extraHighest != highest)))
        return std::nullopt;
    return shape;
}

} // namespace ShapeFields
