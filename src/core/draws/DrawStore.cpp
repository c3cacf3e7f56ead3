// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "DrawStore.h"

#include "core/common/TextFormat.h"
#include "core/draws/DrawFile.h"

#include <utility>

DrawStore::DrawStore(QObject* parent) : Document(FileKind::Draws, parent)
{
}

QString DrawStore::dropQuestion() const
{
    return FileDisplayName()
        + QStringLiteral(
               " file in memory will be erased. Do you want to go back and Save File to Disk?.");
}

void DrawStore::Reset()
{
    m_records.clear();
    m_numberCounts = {};
    m_extraCounts = {};
    const bool titled = !m_title.isEmpty();
    m_title.clear();
    setFilePath(QString());
    markUnmodified();
    Q_EMIT storeReset();
    Q_EMIT contentChanged();
    if (titled)
        Q_EMIT titleChanged();
}

bool DrawStore::AppendRecord(const QDate& date, std::span<const int> numbers)
{
    if (RecCount() >= MaxRecords)
        return false;
    m_records.append(date,
                     numbers.first(std::min(numbers.size(), std::size_t(m_shape.drawnNumbers()))));
    count(RecCount(), +1);
    Q_EMIT recordAppended(RecCount());
    markModified();
    return true;
}

bool DrawStore::ReplaceRecord(int record, const QDate& date, std::span<const int> numbers)
{
    if (record < 1 || record > RecCount())
        return false;
    count(record, -1);
    m_records.replace(record, date,
                      numbers.first(std::min(numbers.size(), std::size_t(m_shape.drawnNumbers()))));
    count(record, +1);
    Q_EMIT recordReplaced(record);
    markModified();
    return true;
}

bool DrawStore::Load(const LotteryShape& shape, const QString& title, DrawRecords records)
{
    if (!take(shape, title, std::move(records)))
        return false;
    markModified();
    return true;
}

bool DrawStore::readFrom(QIODevice& device, QString& reason)
{
    DrawFile::ReadResult read = DrawFile::Read(device);
    if (read.error != DrawFile::ReadError::None) {
        reason = DrawFile::ReasonText(read.error);
        return false;
    }
    if (!take(read.content.shape, read.content.title, std::move(read.content.records))) {
        reason = QStringLiteral("It holds more draws than the program can keep.");
        return false;
    }
    return true;
}

bool DrawStore::writeTo(QIODevice& device, QString& reason) const
{
    const DrawFile::WriteError error = DrawFile::Write(*this, device);
    if (error == DrawFile::WriteError::BadDate)
        reason = QStringLiteral("A record's date is no date that can be written.");
    return error == DrawFile::WriteError::None;
}

bool DrawStore::take(const LotteryShape& shape, const QString& title, DrawRecords records)
{
    if (records.size() > MaxLoadedRecords)
        return false;
    m_records = std::move(records);
    const LotteryShape taken = shape.clamped();
    const bool reshaped = taken != m_shape;
    m_shape = taken;
    m_records.widen(m_shape.drawnNumbers());
    CountNumbers();
    m_title = FileSafeText(title);
    Q_EMIT storeReset();
    Q_EMIT contentChanged();
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
    // Which fields hold extra numbers, and which extra numbers count, follow the shape.
    const bool recount = taken.numbersPerDraw != m_shape.numbersPerDraw
        || taken.extraNumbers != m_shape.extraNumbers || taken.extraMin() != m_shape.extraMin()
        || taken.extraMax() != m_shape.extraMax();
    m_shape = taken;
    m_records.widen(m_shape.drawnNumbers());
    if (recount)
        CountNumbers();
    Q_EMIT shapeChanged();
}

void DrawStore::SetTitle(const QString& title)
{
    const QString taken = FileSafeText(title);
    if (taken == m_title)
        return;
    m_title = taken;
    Q_EMIT titleChanged();
    markModified();
}

namespace {

void countIn(NumberTable& table, int number, int step)
{
    NumberCount& entry = table[std::size_t(number)];
    entry.count += step;
    entry.number = entry.count > 0 ? number : 0;
}

} // namespace

void DrawStore::count(int record, int step)
{
    const std::span<const std::int16_t> fields = m_records.numbers(record);
    const int firstExtra = m_shape.numbersPerDraw;
    const int afterExtra = firstExtra + m_shape.extraNumbers;
    for (int field = 0; field < int(fields.size()); ++field) {
        const int number = fields[std::size_t(field)];
        if (field >= firstExtra && field < afterExtra) {
            if (number >= m_shape.extraMin() && number <= m_shape.extraMax())
                countIn(m_extraCounts, number, step);
        } else if (number >= 1 && number <= HighestNumber) {
            // Spare zeros and stray values are not counted.
            countIn(m_numberCounts, number, step);
        }
    }
}

void DrawStore::CountNumbers()
{
    m_numberCounts = {};
    m_extraCounts = {};
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
