// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "FileFields.h"

#include "core/common/Windows1252.h"

#include <QIODevice>
#include <QStringDecoder>

#include <charconv>
#include <cmath>

namespace {

// A byte-order mark some editors put before UTF-8 text.
constexpr QByteArrayView Utf8Mark("\xEF\xBB\xBF");

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArrayView trimmed(QByteArrayView bytes)
{
    while (!bytes.isEmpty() && isBlank(bytes.front()))
        bytes = bytes.sliced(1);
    while (!bytes.isEmpty() && isBlank(bytes.back()))
        bytes.chop(1);
    return bytes;
}

// Digits with an optional minus, and nothing else; eighteen digits at most, so it cannot
// overflow. Fields of a draw file are nearly all like this, so they skip the general parser.
bool wholeDigits(QByteArrayView bytes, long long& value)
{
    qsizetype i = 0;
    const bool negative = !bytes.isEmpty() && bytes[0] == '-';
    if (negative)
        ++i;
    if (i == bytes.size() || bytes.size() - i > 18)
        return false;
    long long number = 0;
    for (; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c < '0' || c > '9')
            return false;
        number = number * 10 + (c - '0');
    }
    value = negative ? -number : number;
    return true;
}

// A plain field as a number: whole numbers the quick way, anything else as the C locale reads
// it ("12.5", "-.5", "1e3").
std::optional<double> plainNumber(QByteArrayView bytes)
{
    long long whole = 0;
    if (wholeDigits(bytes, whole))
        return double(whole);
    bool ok = false;
    const double value = QByteArray(bytes.data(), bytes.size()).toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// "year-month-day", each part digits only.
QDate plainDate(QByteArrayView bytes)
{
    int parts[3] = {0, 0, 0};
    const char* position = bytes.data();
    const char* end = position + bytes.size();
    for (int i = 0; i < 3; ++i) {
        const auto [stop, error] = std::from_chars(position, end, parts[i]);
        if (error != std::errc() || stop == position || parts[i] < 0)
            return {};
        position = stop;
        if (i < 2) {
            if (position == end || *position != '-')
                return {};
            ++position;
        }
    }
    if (position != end)
        return {};
    return QDate(parts[0], parts[1], parts[2]);
}

} // namespace

FileFieldReader::FileFieldReader(const QByteArray& bytes) : m_data(bytes), m_view(m_data)
{
    if (m_view.startsWith(Utf8Mark))
        m_pos = Utf8Mark.size();
    // Files are written as UTF-8; older ones hold the Windows ANSI code page. One look at the
    // whole text decides: a field on its own cannot tell (an ANSI "\xe9" at its end reads as
    // the start of an unfinished UTF-8 character).
    m_windows1252 = !m_view.sliced(m_pos).isValidUtf8();
}

QString FileFieldReader::decode(QByteArrayView bytes) const
{
    if (m_windows1252)
        return DecodeWindows1252(bytes);
    // A byte-order mark at the start of a text is a character of it; fromUtf8() would drop it.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return utf8.decode(bytes);
}

void FileFieldReader::skipBlanks()
{
    while (m_pos < m_view.size() && isBlank(m_view[m_pos]))
        ++m_pos;
}

bool FileFieldReader::atEnd() const
{
    // Editors of old left a Ctrl-Z at the end of a file to mark it.
    constexpr char EndOfFileMark = '\x1a';
    qsizetype pos = m_pos;
    while (pos < m_view.size()
           && (isBlank(m_view[pos]) || isLineEnd(m_view[pos]) || m_view[pos] == '\f'
               || m_view[pos] == '\v' || m_view[pos] == EndOfFileMark))
        ++pos;
    return pos >= m_view.size();
}

void FileFieldReader::finishField()
{
    // Whatever stands between a closing quote and the separator is dropped, as is the separator;
    // strict readers learn of it through lastFieldWhole().
    while (m_pos < m_view.size() && m_view[m_pos] != ',' && !isLineEnd(m_view[m_pos])) {
        m_whole = m_whole && isBlank(m_view[m_pos]);
        ++m_pos;
    }
    m_afterComma = m_pos < m_view.size() && m_view[m_pos] == ',';
    if (m_afterComma) {
        ++m_pos;
        return;
    }
    if (m_pos < m_view.size() && m_view[m_pos] == '\r')
        ++m_pos;
    if (m_pos < m_view.size() && m_view[m_pos] == '\n')
        ++m_pos;
}

bool FileFieldReader::readField(Field& field)
{
    // After a comma a field follows even if the line ends there ("," holds two empty fields);
    // otherwise the data may simply have run out.
    skipBlanks();
    m_ended = !m_afterComma && atEnd();
    if (m_ended)
        return false;

    field.kind = Field::Plain;
    m_whole = true;
    const char first = m_pos < m_view.size() ? m_view[m_pos] : ',';
    if (first == '"' || first == '#') {
        field.kind = first == '"' ? Field::Quoted : Field::Date;
        // An unclosed quote ends with its line rather than swallowing the rest of the file.
        qsizetype end = m_pos + 1;
        while (end < m_view.size() && m_view[end] != first && !isLineEnd(m_view[end]))
            ++end;
        field.bytes = m_view.sliced(m_pos + 1, end - m_pos - 1);
        const bool closed = end < m_view.size() && m_view[end] == first;
        m_whole = closed;
        m_pos = closed ? end + 1 : end;
    } else {
        const qsizetype start = m_pos;
        while (m_pos < m_view.size() && m_view[m_pos] != ',' && !isLineEnd(m_view[m_pos]))
            ++m_pos;
        field.bytes = trimmed(m_view.sliced(start, m_pos - start));
    }
    finishField();
    return true;
}

std::optional<int> FileFieldReader::readShort()
{
    Field field;
    if (!readField(field) || field.kind != Field::Plain)
        return std::nullopt;
    if (field.bytes.isEmpty())
        return 0;
    const std::optional<double> value = plainNumber(field.bytes);
    if (!value)
        return std::nullopt;
    const double rounded = std::nearbyint(*value);
    if (rounded < -32768 || rounded > 32767)
        return std::nullopt;
    return int(rounded);
}

bool FileFieldReader::readWhole(long long& value)
{
    Field field;
    if (!readField(field) || field.kind != Field::Plain || field.bytes.isEmpty())
        return false;
    if (wholeDigits(field.bytes, value))
        return true;
    // Rarer forms of a whole number ("+7", "1e3", "12.0").
    const std::optional<double> number = plainNumber(field.bytes);
    if (!number || *number != std::trunc(*number) || std::fabs(*number) > 9.0e15)
        return false;
    value = static_cast<long long>(*number);
    return true;
}

bool FileFieldReader::readDate(QDate& date)
{
    Field field;
    if (!readField(field) || field.kind != Field::Date)
        return false;
    date = plainDate(field.bytes);
    return date.isValid();
}

std::optional<QString> FileFieldReader::readText()
{
    Field field;
    if (!readField(field))
        return std::nullopt;
    return decode(field.bytes);
}

std::optional<Cell> FileFieldReader::readCell()
{
    Field field;
    if (!readField(field))
        return std::nullopt;
    switch (field.kind) {
    case Field::Quoted:
        return Cell(decode(field.bytes));
    case Field::Date: {
        const QDate date = plainDate(field.bytes);
        if (!date.isValid())
            return std::nullopt;
        return Cell(date);
    }
    case Field::Plain:
        break;
    }
    if (field.bytes.isEmpty())
        return Cell();
    const std::optional<double> value = plainNumber(field.bytes);
    if (!value)
        return std::nullopt;
    return Cell(*value);
}

void FileFieldWriter::addPlain(const QString& field)
{
    if (m_lineStarted)
        m_data += u',';
    m_data += field;
    m_lineStarted = true;
}

void FileFieldWriter::addNumber(long long value)
{
    addPlain(QString::number(value));
}

void FileFieldWriter::addText(const QString& text)
{
    addPlain(u'"' + text + u'"');
}

void FileFieldWriter::addDate(const QDate& date)
{
    addPlain(u'#' + date.toString(QStringLiteral("yyyy-MM-dd")) + u'#');
}

void FileFieldWriter::endLine()
{
    m_data += QLatin1String("\r\n");
    m_lineStarted = false;
}

bool WriteFileBytes(QIODevice& device, const QByteArray& bytes)
{
    return device.write(bytes) == bytes.size();
}

std::optional<QByteArray> ReadFileBytes(QIODevice& device, qint64 maxBytes)
{
    // A file is asked for its size (and a byte more, should it have grown meanwhile): a request
    // for the largest size allowed would have the buffer for it allocated, and mapped, each time.
    qint64 request = maxBytes + 1;
    if (!device.isSequential()) {
        const qint64 size = device.size() - device.pos();
        if (size > maxBytes)
            return std::nullopt;
        request = size + 1;
    }
    QByteArray bytes = device.read(request);
    if (bytes.size() > maxBytes || (bytes.isEmpty() && !device.atEnd()))
        return std::nullopt;
    return bytes;
}
