#include "DatabaseView.h"

#include "core/common/LeadingNumber.h"
#include "core/common/TextFormat.h"

#include <QDate>

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

QStringList RecordRowTexts(const DrawRecords& records, int numbersPerDraw, int record)
{
    QStringList texts;
    for (int column = 0; column < numbersPerDraw + 2; ++column)
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
