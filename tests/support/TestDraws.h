// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/common/TextFormat.h"
#include "core/draws/DrawStore.h"

#include <QDate>
#include <QList>

#include <algorithm>

// Draws for tests, a week apart from `first` on, with the numbers given (the rest of each record's
// fields 0), loaded into `store` with `shape`.
inline DrawRecords WeeklyRecords(const QList<QList<int>>& draws,
                                 const QDate& first = QDate(1996, 9, 7))
{
    qsizetype widest = DrawRecords::ClassicFields;
    for (const QList<int>& numbers : draws)
        widest = std::max(widest, numbers.size());
    DrawRecords records {int(widest)};
    for (qsizetype i = 0; i < draws.size(); ++i) {
        const QList<int>& numbers = draws[i];
        records.append(first.addDays(7 * i),
                       std::span<const int>(numbers.data(), std::size_t(numbers.size())));
    }
    return records;
}

inline void LoadWeeklyDraws(DrawStore& store, const LotteryShape& shape,
                            const QList<QList<int>>& draws, const QDate& first = QDate(1996, 9, 7))
{
    store.Load(shape, store.Title(), WeeklyRecords(draws, first));
}

// Appends a draw as the database window takes it typed: a date in any form the window reads and
// the texts of the number boxes.
inline bool AppendTyped(DrawStore& store, const QString& date, const QStringList& numbers)
{
    QList<int> values;
    for (const QString& number : numbers)
        values.append(number.trimmed().toInt());
    return store.AppendRecord(ParseUserDate(date, QDate::currentDate()), values);
}

// Saves the document to `path` as the user's save does: it then holds nothing unsaved.
inline bool SaveAs(Document& document, const QString& path)
{
    QString reason;
    return document.save(path, reason);
}
