// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "DrawRecords.h"

#include <algorithm>

void DrawRecords::reserve(int records)
{
    m_days.reserve(std::size_t(records));
    m_numbers.reserve(std::size_t(records) * std::size_t(m_fields));
}

namespace {

template <typename Number>
void appendTo(std::vector<std::int32_t>& days, std::vector<std::int16_t>& fields, int width,
              const QDate& date, std::span<const Number> numbers)
{
    days.push_back(std::int32_t(date.toJulianDay()));
    const std::size_t count = std::min(numbers.size(), std::size_t(width));
    fields.insert(fields.end(), numbers.begin(), numbers.begin() + std::ptrdiff_t(count));
    fields.resize(days.size() * std::size_t(width), 0);
}

} // namespace

void DrawRecords::append(const QDate& date, std::span<const int> numbers)
{
    appendTo(m_days, m_numbers, m_fields, date, numbers);
}

void DrawRecords::append(const QDate& date, std::span<const std::int16_t> numbers)
{
    appendTo(m_days, m_numbers, m_fields, date, numbers);
}

void DrawRecords::append(const QDate& date, std::span<const std::uint8_t> numbers)
{
    appendTo(m_days, m_numbers, m_fields, date, numbers);
}

void DrawRecords::replace(int record, const QDate& date, std::span<const int> numbers)
{
    m_days[index(record)] = std::int32_t(date.toJulianDay());
    const std::size_t count = std::min(numbers.size(), std::size_t(m_fields));
    std::transform(numbers.begin(), numbers.begin() + std::ptrdiff_t(count),
                   m_numbers.begin() + std::ptrdiff_t(index(record) * std::size_t(m_fields)),
                   [](int n) { return std::int16_t(n); });
}

void DrawRecords::clear()
{
    m_days.clear();
    m_numbers.clear();
}

void DrawRecords::widen(int fields)
{
    if (fields <= m_fields)
        return;
    std::vector<std::int16_t> wider(m_days.size() * std::size_t(fields), 0);
    for (std::size_t record = 0; record < m_days.size(); ++record)
        std::copy_n(m_numbers.begin() + std::ptrdiff_t(record * std::size_t(m_fields)), m_fields,
                    wider.begin() + std::ptrdiff_t(record * std::size_t(fields)));
    m_numbers = std::move(wider);
    m_fields = fields;
}
