#include "DrawStore.h"

#include "core/common/TextFormat.h"

#include <utility>

DrawStore::DrawStore(QObject* parent) : QObject(parent)
{
}

void DrawStore::Reset()
{
    m_records.clear();
    m_numberCounts = {};
    const bool titled = !m_title.isEmpty();
    m_title.clear();
    m_fileDisplayName.clear();
    Q_EMIT storeReset();
    if (titled)
        Q_EMIT titleChanged();
}

bool DrawStore::AppendRecord(const QDate& date, std::span<const int> numbers)
{
    if (RecCount() >= MaxRecords)
        return false;
    m_records.append(date,
                     numbers.first(std::min(numbers.size(), std::size_t(m_shape.numbersPerDraw))));
    count(RecCount(), +1);
    Q_EMIT recordAppended(RecCount());
    return true;
}

bool DrawStore::ReplaceRecord(int record, const QDate& date, std::span<const int> numbers)
{
    if (record < 1 || record > RecCount())
        return false;
    count(record, -1);
    m_records.replace(record, date,
                      numbers.first(std::min(numbers.size(), std::size_t(m_shape.numbersPerDraw))));
    count(record, +1);
    Q_EMIT recordReplaced(record);
    return true;
}

bool DrawStore::Load(const LotteryShape& shape, const QString& title, DrawRecords records)
{
    if (records.size() > MaxLoadedRecords)
        return false;
    m_records = std::move(records);
    CountNumbers();
    const LotteryShape taken = shape.clamped();
    const bool reshaped = taken != m_shape;
    m_shape = taken;
    m_title = FileSafeText(title);
    Q_EMIT storeReset();
    if (reshaped)
        Q_EMIT shapeChanged();
    Q_EMIT titleChanged();
    return true;
}

void DrawStore::setShape(const LotteryShape& shape)
{
    const LotteryShape taken = shape.clamped();
    if (taken == m_shape)
        return;
    m_shape = taken;
    Q_EMIT shapeChanged();
}

void DrawStore::SetTitle(const QString& title)
{
    const QString taken = FileSafeText(title);
    if (taken == m_title)
        return;
    m_title = taken;
    Q_EMIT titleChanged();
}

void DrawStore::count(int record, int step)
{
    for (const std::int16_t number : m_records.numbers(record)) {
        // Only 1..60 match; spare zeros and stray values are not counted.
        if (number < 1 || number > HighestNumber)
            continue;
        NumberCount& entry = m_numberCounts[std::size_t(number)];
        entry.count += step;
        entry.number = entry.count > 0 ? number : 0;
    }
}

void DrawStore::CountNumbers()
{
    m_numberCounts = {};
    for (int record = 1; record <= RecCount(); ++record)
        count(record, +1);
}

QDate ProposeNewDate(const DrawStore& store, const QDate& today)
{
    if (store.RecCount() == 0)
        return today;
    const QDate next = store.date(store.RecCount()).addDays(7);
    return IsStorableDate(next) ? next : today;
}
