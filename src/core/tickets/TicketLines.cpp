// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "TicketLines.h"

#include "core/common/TextFormat.h"

#include <QIODevice>
#include <QRegularExpression>

#include <algorithm>
#include <limits>

namespace TicketLines {

namespace {

bool isSeparator(QChar c)
{
    return c == u',' || c == u';' || c.isSpace();
}

// Numbers separated by commas, semicolons or blanks; false, with `error` set, for anything else.
bool readNumbers(QStringView part, QList<int>& numbers, QString* error)
{
    qsizetype i = 0;
    while (i < part.size()) {
        if (isSeparator(part[i])) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < part.size() && !isSeparator(part[i]))
            ++i;
        const QStringView word = part.sliced(start, i - start);
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

// How much of a refused line a message shows.
constexpr qsizetype ShownLength = 80;

bool isControl(QChar c)
{
    const char16_t code = c.unicode();
    return (code < 0x20 && code != u'\t') || (code >= 0x7F && code <= 0x9F);
}

// Line `number` of a text, as Parse and Reader take it: a ticket, or nothing with `error` set
// when it is none, or nothing and no error when it is empty.
std::optional<Numbers> readNumberedLine(QString line, qint64 number, const LotteryShape& shape,
                                        QString& error)
{
    // A text saved as UTF-8 by some editors begins with a byte-order mark.
    if (number == 1 && line.startsWith(QChar::ByteOrderMark))
        line.remove(0, 1);
    if (std::all_of(line.begin(), line.end(), isSeparator))
        return std::nullopt;
    if (number > std::numeric_limits<int>::max()) {
        error = QStringLiteral("line %1: a list of tickets has at most %2 lines.")
                    .arg(number)
                    .arg(std::numeric_limits<int>::max());
        return std::nullopt;
    }
    QString why;
    std::optional<Numbers> numbers;
    if (std::none_of(line.begin(), line.end(), [](QChar c) { return c.isDigit(); }))
        why = QStringLiteral("\"%1\" holds no number.").arg(ShownText(line, ShownLength));
    else
        numbers = ParseLine(line, shape, &why);
    if (!numbers) {
        error = QStringLiteral("line %1: %2").arg(number).arg(why);
        return std::nullopt;
    }
    numbers->line = int(number);
    return numbers;
}

} // namespace

std::optional<Numbers> ParseLine(const QString& line, const LotteryShape& shape, QString* error)
{
    if (std::any_of(line.begin(), line.end(), isControl)) {
        if (error)
            *error = QStringLiteral("\"%1\" holds a control character.")
                         .arg(ShownText(line, ShownLength));
        return std::nullopt;
    }
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
        QString error;
        if (std::optional<Numbers> numbers = readNumberedLine(lines[i], i + 1, shape, error))
            result.tickets.append(*numbers);
        else if (!error.isEmpty())
            result.errors.append(error);
    }
    return result;
}

Reader::Reader(QIODevice& device, const LotteryShape& shape) : m_device(device), m_shape(shape)
{
}

std::optional<Numbers> Reader::next()
{
    QByteArrayView line;
    while (m_error.isEmpty() && nextLine(line)) {
        if (line.size() > MaxLineBytes) {
            m_error = tooLong();
            return std::nullopt;
        }
        if (std::optional<Numbers> numbers
            = readNumberedLine(QString::fromUtf8(line), m_number, m_shape, m_error))
            return numbers;
    }
    return std::nullopt;
}

QString Reader::tooLong() const
{
    return QStringLiteral("line %1: a line of tickets is at most %2 bytes long.")
        .arg(m_number)
        .arg(MaxLineBytes);
}

bool Reader::nextLine(QByteArrayView& line)
{
    constexpr qint64 Block = 1 << 20;
    qsizetype scan = m_pos;
    for (;;) {
        const char* data = m_buffer.constData();
        const qsizetype size = m_buffer.size();
        for (qsizetype i = scan; i < size; ++i) {
            if (data[i] != '\n' && data[i] != '\r')
                continue;
            // A CR at the end of the block may be the first half of CR LF.
            if (data[i] == '\r' && i + 1 == size && !m_ended)
                break;
            line = QByteArrayView(data + m_pos, i - m_pos);
            m_pos = i + 1 + (data[i] == '\r' && i + 1 < size && data[i + 1] == '\n' ? 1 : 0);
            ++m_number;
            return true;
        }
        if (m_ended) {
            if (m_pos == size)
                return false;
            line = QByteArrayView(data + m_pos, size - m_pos);
            m_pos = size;
            ++m_number;
            return true;
        }
        if (size - m_pos > MaxLineBytes) {
            ++m_number;
            m_error = tooLong();
            return false;
        }
        // Keep the line begun, drop what was read before it, and read on.
        scan = size - m_pos;
        m_buffer.remove(0, m_pos);
        m_pos = 0;
        if (scan > 0 && m_buffer.back() == '\r')
            --scan;
        const qsizetype kept = m_buffer.size();
        m_buffer.resize(kept + Block);
        const qint64 read = m_device.read(m_buffer.data() + kept, Block);
        m_buffer.resize(kept + std::max<qint64>(read, 0));
        if (read < 0) {
            m_error = QStringLiteral("line %1 cannot be read: %2")
                          .arg(m_number + 1)
                          .arg(m_device.errorString());
            return false;
        }
        m_ended = read == 0;
    }
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
