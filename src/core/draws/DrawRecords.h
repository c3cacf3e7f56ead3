// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QDate>

#include <cstdint>
#include <span>
#include <vector>

// The records of a draw database: a date and a fixed count of number fields each, kept in two
// flat arrays so that a long history costs a few bytes a draw. Records are numbered from 1, as
// the draw file and the windows number them; a record's number is its position.
class DrawRecords {
public:
    // Every record line of a draw file carries ten number fields, whatever the shape.
    static constexpr int ClassicFields = 10;

    DrawRecords() = default;
    explicit DrawRecords(int fields) : m_fields(fields) { }

    int size() const { return int(m_days.size()); }
    bool empty() const { return m_days.empty(); }
    int fields() const { return m_fields; }

    QDate date(int record) const { return QDate::fromJulianDay(m_days[index(record)]); }
    // The fields of record `record`: the numbers in the order they were drawn, then spare
    // fields (0 unless a file held something else there).
    std::span<const std::int16_t> numbers(int record) const
    {
        return {m_numbers.data() + index(record) * std::size_t(m_fields), std::size_t(m_fields)};
    }
    int number(int record, int field) const { return numbers(record)[std::size_t(field)]; }

    void reserve(int records);
    // Appends a record; fields beyond `numbers` are 0.
    void append(const QDate& date, std::span<const int> numbers);
    void append(const QDate& date, std::span<const std::int16_t> numbers);
    void append(const QDate& date, std::span<const std::uint8_t> numbers);
    // Overwrites the date and the first numbers.size() fields of record `record`.
    void replace(int record, const QDate& date, std::span<const int> numbers);
    void clear();
    // Gives every record `fields` number fields when it has fewer, the new ones 0; never fewer:
    // a shape narrowed by a slip of the keyboard loses no number.
    void widen(int fields);

    bool operator==(const DrawRecords&) const = default;

private:
    std::size_t index(int record) const { return std::size_t(record - 1); }

    int m_fields = ClassicFields;
    // Julian days: every storable date (years 1000..9999) fits in 32 bits.
    std::vector<std::int32_t> m_days;
    std::vector<std::int16_t> m_numbers;
};
