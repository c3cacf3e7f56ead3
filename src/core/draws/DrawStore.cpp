#include "DrawStore.h"

#include "core/common/LeadingNumber.h"
#include "core/common/TextFormat.h"

#include <algorithm>
#include <utility>

namespace {

const Cell emptyCell;

} // namespace

DrawStore::DrawStore() = default;

void DrawStore::Reset()
{
    m_records.clear();
    m_numberCounts = {};
    m_title.clear();
    m_fileDisplayName.clear();
}

bool DrawStore::AppendRecord(const QString& dateText, const QStringList& numberTexts,
                             const QDate& today)
{
    if (RecCount() >= MaxRecords)
        return false;
    m_records.emplace_back();
    m_records.back()[0] = Cell(double(RecCount()));
    writeEntry(RecCount(), dateText, numberTexts, today);
    return true;
}

bool DrawStore::ReplaceRecord(int record, const QString& dateText, const QStringList& numberTexts,
                              const QDate& today)
{
    if (record < 1 || record > RecCount())
        return false;
    writeEntry(record, dateText, numberTexts, today);
    return true;
}

void DrawStore::writeEntry(int record, const QString& dateText, const QStringList& numberTexts,
                           const QDate& today)
{
    // A typed date is kept as a date, shown in whatever short form the locale has; one that
    // cannot be read stays as typed.
    const QDate date = ParseUserDate(dateText, today);
    Record& row = m_records[std::size_t(record - 1)];
    row[1] = date.isValid() ? Cell(date) : Cell(dateText);

    const int numbers = std::clamp(m_colCount - 2, 0, TableColumns - 2);
    for (int k = 0; k < numbers; ++k) {
        const QString text = k < numberTexts.size() ? numberTexts[k] : QString();
        row[std::size_t(k + 2)] = Cell(LeadingNumber(text));
    }
}

bool DrawStore::LoadRecords(std::vector<Record> records)
{
    if (records.size() > std::size_t(TableRows - 1))
        return false;
    m_records = std::move(records);
    return true;
}

const Cell& DrawStore::cell(int row, int column) const
{
    if (row < 1 || row > RecCount() || column < 0 || column >= TableColumns)
        return emptyCell;
    return m_records[std::size_t(row - 1)][std::size_t(column)];
}

void DrawStore::setShape(const LotteryShape& shape)
{
    m_colCount = shape.numbersPerDraw + 2;
    m_highNum = shape.highestNumber;
}

void DrawStore::SetTitle(const QString& title)
{
    m_title = FileSafeText(title);
}

void DrawStore::CountNumbers()
{
    m_numberCounts = {};
    for (const Record& record : m_records) {
        for (std::size_t j = 2; j < record.size(); ++j) {
            const Cell& value = record[j];
            if (!value.isNumber())
                continue;
            const double number = value.number();
            // Only exact whole numbers 1..60 match; spare zeros and stray values are not counted.
            if (number < 1 || number > HighestNumber || number != double(int(number)))
                continue;
            const int n = int(number);
            m_numberCounts[n].count += 1;
            m_numberCounts[n].number = n;
        }
    }
}

void DrawStore::ProposeNewDate(const QDate& today)
{
    m_newDate = today;
    if (m_records.empty())
        return;
    const Cell& last = m_records.back()[1];
    QDate date;
    if (last.isDate())
        date = last.date();
    else if (last.isText())
        date = ParseUserDate(last.text(), today);
    if (IsStorableDate(date.addDays(7)))
        m_newDate = date.addDays(7);
}
