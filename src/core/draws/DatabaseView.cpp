// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "DatabaseView.h"

#include "core/common/LeadingNumber.h"
#include "core/common/TextFormat.h"

#include <QDate>

#include <algorithm>

namespace DatabaseView {

Entry ParseEntry(const QStringList& numberTexts, int highNum, EntryKind kind)
{
    const bool isNew = kind == EntryKind::NewRecord;
    Entry entry;
    for (const QString& text : numberTexts) {
        if (text.isEmpty())
            return {{},
                    isNew ? QStringLiteral(" Correct: missing number.")
                          : QStringLiteral(" Missing number")};
        const double value = LeadingNumber(text);
        if (value > highNum)
            return {{},
                    isNew ? QStringLiteral(" Correct: number ") + text
                            + QStringLiteral(" is higher than allowed in Draw.")
                          : QStringLiteral(" One number is higher than allowed in Draw")};
        if (value < 1)
            return {{}, QStringLiteral(" Correct: number 0 not allowed in Draw.")};
        entry.numbers.push_back(int(value));
    }
    return entry;
}

Entry ParseExtras(const QStringList& extraTexts, const LotteryShape& shape,
                  const std::vector<int>& mainNumbers)
{
    Entry entry;
    for (const QString& text : extraTexts) {
        if (text.isEmpty())
            return {{}, QStringLiteral(" Correct: missing extra number.")};
        const double value = LeadingNumber(text);
        const int number = int(value);
        if (value < shape.extraMin() || value > shape.extraMax())
            return {{},
                    QStringLiteral(" Correct: extra number %1 is not from %2 to %3.")
                        .arg(text, QString::number(shape.extraMin()),
                             QString::number(shape.extraMax()))};
        if (std::find(entry.numbers.begin(), entry.numbers.end(), number) != entry.numbers.end())
            return {{}, QStringLiteral(" Correct: extra number %1 is there twice.").arg(text)};
        // A bonus ball comes from the balls left after the main draw.
        if (!shape.hasOwnPool()
            && std::find(mainNumbers.begin(), mainNumbers.end(), number) != mainNumbers.end())
            return {
                {},
                QStringLiteral(" Correct: bonus number %1 is one of the main numbers.").arg(text)};
        entry.numbers.push_back(number);
    }
    return entry;
}

QString RecordCellText(const DrawRecords& records, int record, int column)
{
    switch (column) {
    case 0:
        return AlignedWhole(4, record);
    case 1:
        return FormatShortDate(records.date(record));
    default:
        return AlignedWhole(3, records.number(record, column - 2));
    }
}

QString RecordCellText(const DrawRecords& records, int record, int column,
                       const LotteryShape& shape)
{
    const int field = column - 2;
    if (shape.extraMin() == 0 && field >= shape.numbersPerDraw && field < shape.drawnNumbers())
        return AlignedNumber(3, records.number(record, field));
    return RecordCellText(records, record, column);
}

QStringList RecordRowTexts(const DrawRecords& records, int numbersPerDraw, int record)
{
    QStringList texts;
    for (int column = 0; column < LotteryShape::recordColumnsFor(numbersPerDraw); ++column)
        texts.append(RecordCellText(records, record, column));
    return texts;
}

QString RecordHeaderText(int column)
{
    switch (column) {
    case 0:
        return QStringLiteral("Record");
    case 1:
        return QStringLiteral("Date");
    default:
        return u' ' + QString::number(column - 1);
    }
}

QString RecordHeaderText(int column, int numbersPerDraw)
{
    if (column < LotteryShape::recordColumnsFor(numbersPerDraw))
        return RecordHeaderText(column);
    return QStringLiteral(" +") + QString::number(column - numbersPerDraw - 1);
}

QStringList DistributionHeaders(int first, int highNum)
{
    QStringList headers;
    for (int n = first; n < first + 20; ++n)
        headers.append(n > highNum ? QString() : u' ' + QString::number(n));
    return headers;
}

QStringList DistributionCounts(const NumberTable& counts, int first)
{
    QStringList texts;
    for (int n = first; n < first + 20; ++n)
        texts.append(n <= DrawStore::HighestNumber ? CompactCount(counts[n].count) : QString());
    return texts;
}

std::optional<QString> TopNumbersLine(const NumberTable& sortedCounts, int numbersPerDraw)
{
    if (sortedCounts[1].count <= 0)
        return std::nullopt;
    QString line = QStringLiteral("Distribution of numbers in database.  Top ")
        + QString::number(numbersPerDraw) + QStringLiteral(" =  ");
    for (int rank = 1; rank <= numbersPerDraw && rank <= DrawStore::HighestNumber; ++rank)
        line += QString::number(sortedCounts[rank].number) + QStringLiteral("  ");
    return line;
}

QString FileInMemoryText(const QString& title)
{
    return QStringLiteral(" File in Memory \r\n  ") + title + QStringLiteral("  ");
}

} // namespace DatabaseView
