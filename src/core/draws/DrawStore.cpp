#include "DrawStore.h"

#include "core/common/LeadingNumber.h"
#include "core/common/TextFormat.h"

#include <algorithm>

DrawStore::DrawStore() : m_records(TableRows)
{
}

void DrawStore::Reset()
{
    m_records.assign(TableRows, Record {});
    m_numberCounts = {};
    m_recCount = 0;
    m_title.clear();
    m_fileDisplayName.clear();
}

bool DrawStore::AppendRecord(const QString& dateText, const QStringList& numberTexts,
                             const QDate& today)
{
    if (m_recCount >= MaxRecords)
        return false;
    ++m_recCount;
    m_records[m_recCount][0] = Cell(double(m_recCount));
    writeEntry(m_recCount, dateText, numberTexts, today);
    return true;
}

bool DrawStore::ReplaceRecord(int record, const QString& dateText, const QStringList& numberTexts,
                              const QDate& today)
{
    if (record < 1 || record > m_recCount)
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
    m_records[record][1] = date.isValid() ? Cell(date) : Cell(dateText);

    const int numbers = std::clamp(m_colCount - 2, 0, TableColumns - 2);
    for (int k = 0; k < numbers; ++k) {
        const QString text = k < numberTexts.size() ? numberTexts[k] : QString();
        m_records[record][k + 2] = Cell(LeadingNumber(text));
    }
}

bool DrawStore::LoadRecords(const std::vector<Record>& records)
{
    if (records.size() > std::size_t(TableRows - 1))
        return false;
    m_records.assign(TableRows, Record {});
    std::copy(records.begin(), records.end(), m_records.begin() + 1);
    m_recCount = int(records.size());
    return true;
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
    for (int i = 1; i <= m_recCount; ++i) {
        for (int j = 2; j < TableColumns; ++j) {
            const Cell& value = m_records[i][j];
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
    if (m_recCount < 1)
        return;
    const Cell& last = m_records[m_recCount][1];
    QDate date;
    if (last.isDate())
        date = last.date();
    else if (last.isText())
        date = ParseUserDate(last.text(), today);
    if (IsStorableDate(date.addDays(7)))
        m_newDate = date.addDays(7);
}
