#include "DatabaseView.h"

#include "core/common/LeadingNumber.h"
#include "core/common/TextFormat.h"

#include <QDate>

namespace DatabaseView {

std::optional<QString> CheckEntry(const QStringList& numberTexts, int highNum, EntryKind kind)
{
    const bool isNew = kind == EntryKind::NewRecord;
    for (const QString& text : numberTexts) {
        if (text.isEmpty())
            return isNew ? QStringLiteral(" Correct: missing number.")
                         : QStringLiteral(" Missing number");
        const double value = LeadingNumber(text);
        if (value > highNum)
            return isNew ? QStringLiteral(" Correct: number ") + text
                    + QStringLiteral(" is higher than allowed in Draw.")
                         : QStringLiteral(" One number is higher than allowed in Draw");
        if (value < 1)
            return QStringLiteral(" Correct: number 0 not allowed in Draw.");
    }
    return std::nullopt;
}

QString DateText(const Cell& cell, const QDate& today)
{
    if (cell.isDate())
        return FormatShortDate(cell.date());
    const QDate date = ParseUserDate(cell.text(), today);
    return date.isValid() ? FormatShortDate(date) : cell.text();
}

QString RecordCellText(const DrawStore& store, int record, int column, const QDate& today)
{
    const Cell& cell = store.cell(record, column);
    switch (column) {
    case 0:
        return AlignedWhole(4, qRound64(cell.numericValue()));
    case 1:
        return DateText(cell, today);
    default:
        return AlignedWhole(3, qRound64(cell.numericValue()));
    }
}

QStringList RecordRowTexts(const DrawStore& store, int record, const QDate& today)
{
    QStringList texts {RecordCellText(store, record, 0, today),
                       RecordCellText(store, record, 1, today)};
    for (int column = 2; column < store.ColCount() && column < DrawStore::TableColumns; ++column)
        texts.append(RecordCellText(store, record, column, today));
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
        texts.append(n <= DrawStore::HighestNumber ? FormatWhole(counts[n].count) : QString());
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
