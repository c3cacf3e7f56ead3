// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QDate>
#include <QString>

#include <variant>

// One cell of the draw records or of the tracker sheet: empty, a number, a text or a date.
// Several operations depend on telling an empty cell from one holding 0 or "", so emptiness
// is its own state rather than a default value.
class Cell {
public:
    Cell() = default;
    Cell(double number) : m_value(number) { }
    Cell(const QString& text) : m_value(text) { }
    Cell(const QDate& date) : m_value(date) { }

    bool isEmpty() const { return std::holds_alternative<std::monostate>(m_value); }
    bool isNumber() const { return std::holds_alternative<double>(m_value); }
    bool isText() const { return std::holds_alternative<QString>(m_value); }
    bool isDate() const { return std::holds_alternative<QDate>(m_value); }

    double number() const { return isNumber() ? std::get<double>(m_value) : 0.0; }
    QString text() const { return isText() ? std::get<QString>(m_value) : QString(); }
    QDate date() const { return isDate() ? std::get<QDate>(m_value) : QDate(); }

    // Numeric value as the calculations read it: empty is 0, text goes through the
    // leading-number rule, a date has no numeric value here.
    double numericValue() const;

    bool operator==(const Cell& other) const = default;

private:
    std::variant<std::monostate, double, QString, QDate> m_value;
};
