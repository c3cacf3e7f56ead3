// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "TicketLines.h"

#include "core/common/TextFormat.h"

#include <QRegularExpression>

#include <algorithm>

namespace TicketLines {

namespace {

// Numbers separated by commas, semicolons or blanks; false, with `error` set, for anything else.
bool readNumbers(QStringView part, QList<int>& numbers, QString* error)
{
    static const QRegularExpression separators(QStringLiteral("[,;\\s]+"));
    for (const QString& word : part.toString().split(separators, Qt::SkipEmptyParts)) {
        bool read = false;
        const int number = word.toInt(&read);
        if (!read) {
            if (error)
                *error = QStringLiteral("%1 is no number.").arg(word);
            return false;
        }
        numbers.append(number);
    }
    return true;
}

// Whether `numbers` are distinct and within low..high; `error` says which is not.
bool checkNumbers(QList<int>& numbers, int low, int high, QString* error)
{
    std::sort(numbers.begin(), numbers.end());
    for (qsizetype i = 0; i < numbers.size(); ++i) {
        if (numbers[i] < low || numbers[i] > high) {
            if (error)
                *error = QStringLiteral("%1 is not within %2 to %3.")
                             .arg(numbers[i])
                             .arg(low)
                             .arg(high);
            return false;
        }
        if (i > 0 && numbers[i] == numbers[i - 1]) {
            if (error)
                *error = QStringLiteral("%1 is given twice.").arg(numbers[i]);
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<Numbers> ParseLine(const QString& line, const LotteryShape& shape, QString* error)
{
    const qsizetype plus = line.indexOf(u'+');
    if (plus >= 0 && line.indexOf(u'+', plus + 1) >= 0) {
        if (error)
            *error = QStringLiteral("only one + may set the extra numbers apart.");
        return std::nullopt;
    }
    Numbers numbers;
    if (!readNumbers(QStringView(line).first(plus < 0 ? line.size() : plus), numbers.main, error))
        return std::nullopt;
    if (plus >= 0 && !readNumbers(QStringView(line).sliced(plus + 1), numbers.extra, error))
        return std::nullopt;
    if (numbers.main.size() != shape.numbersPerDraw) {
        if (error)
            *error = QStringLiteral("a ticket has %1, this one %2.")
                         .arg(CountText(shape.numbersPerDraw, "number", "numbers"))
                         .arg(numbers.main.size());
        return std::nullopt;
    }
    if (!checkNumbers(numbers.main, 1, shape.highestNumber, error))
        return std::nullopt;
    const int extras = shape.ownPoolNumbers();
    if (numbers.extra.size() != extras) {
        if (error)
            *error = extras == 0 ? QStringLiteral("this game has no extra numbers to play after +.")
                                 : QStringLiteral("a ticket has %1 after +, this one %2.")
                                       .arg(CountText(extras, "extra number", "extra numbers"))
                                       .arg(numbers.extra.size());
        return std::nullopt;
    }
    if (!checkNumbers(numbers.extra, shape.extraLowest, shape.extraHighest, error))
        return std::nullopt;
    return numbers;
}

Result Parse(const QString& text, const LotteryShape& shape)
{
    Result result;
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (std::none_of(line.begin(), line.end(), [](QChar c) { return c.isDigit(); }))
            continue;
        QString error;
        if (std::optional<Numbers> numbers = ParseLine(line, shape, &error)) {
            numbers->line = int(i + 1);
            result.tickets.append(*numbers);
        } else {
            result.errors.append(QStringLiteral("line %1: %2").arg(i + 1).arg(error));
        }
    }
    return result;
}

QString Text(const QList<int>& main, const QList<int>& extra)
{
    const auto joined = [](const QList<int>& numbers) {
        QStringList words;
        for (const int n : numbers)
            words.append(QString::number(n));
        return words.join(u',');
    };
    return extra.isEmpty() ? joined(main) : joined(main) + QStringLiteral(" + ") + joined(extra);
}

QString Example(const LotteryShape& shape)
{
    QList<int> main;
    for (int n = 1; n <= shape.numbersPerDraw; ++n)
        main.append(n);
    QList<int> extra;
    for (int n = 0; n < shape.ownPoolNumbers(); ++n)
        extra.append(shape.extraLowest + n);
    return Text(main, extra);
}

} // namespace TicketLines
