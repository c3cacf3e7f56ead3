// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "DrawFile.h"

#include "core/common/FileFields.h"
#include "core/common/TextFormat.h"

#include <QIODevice>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <utility>

namespace DrawFile {

namespace {

// A whole number small enough for the 16-bit fields the file has always held.
bool readSmallWhole(FileFieldReader& reader, long long& value)
{
    return reader.readWhole(value) && value >= -32768 && value <= 32767;
}

struct Header {
    int recCount = 0;
    int fields = DrawRecords::ClassicFields; // numbers on each record line
    LotteryShape shape;
    QString title;
};

// The quoted title closing a header line; nothing when it is missing or too long.
std::optional<QString> readTitle(FileFieldReader& reader)
{
    // The title is always written quoted; a plain field could hold a quote that no save keeps.
    const std::optional<Cell> title = reader.readCell();
    if (!title || !title->isText() || title->text().size() > MaxTitleLength)
        return std::nullopt;
    // Held as the store holds any title: without what a save could not write back.
    return FileSafeText(title->text());
}

// The classic header line: the record count, numbers per draw + 2, the highest number and the
// title.
std::optional<Header> readClassicHeader(FileFieldReader& reader)
{
    long long recCount = 0;
    long long colCount = 0;
    long long highNum = 0;
    // The record count outgrew the 16-bit field of the first files; the shape's fields did not.
    const bool shape = reader.readWhole(recCount) && readSmallWhole(reader, colCount)
        && readSmallWhole(reader, highNum);
    const std::optional<QString> title = shape ? readTitle(reader) : std::nullopt;
    if (!title || recCount < 0 || recCount > MaxRecordLines || colCount < 3 || highNum < 1)
        return std::nullopt;
    // A classic record line holds ten numbers, whatever the header says; a highest number beyond
    // any game's is cut to the largest, so that what is read can be written and read again.
    const int numbers = std::min(int(colCount) - 2, DrawRecords::ClassicFields);
    const int highest = std::min(int(highNum), LotteryShape::MaxHighestNumber);
    return Header {int(recCount), DrawRecords::ClassicFields, {numbers, highest}, *title};
}

// Whether the header line is one of the extended form: its first field is the form's mark.
bool isExtendedHeader(const FileFieldReader& reader)
{
    FileFieldReader probe = reader;
    const std::optional<Cell> mark = probe.readCell();
    return mark && mark->isText() && mark->text() == QLatin1String(ExtendedMark);
}

// The extended header line, after its mark: the form, the record count, the fields of a record
// line, the shape and the title. Every value must be one the program writes.
std::optional<Header> readExtendedHeader(FileFieldReader& reader, ReadError& error)
{
    reader.readCell();
    long long values[3] {};
    for (long long& value : values)
        if (!reader.readWhole(value))
            return std::nullopt;
    const auto [form, recCount, fields] = values;
    if (form != ExtendedForm) {
        if (form > ExtendedForm)
            error = ReadError::NewerForm;
        return std::nullopt;
    }
    const std::optional<LotteryShape> shape = ShapeFields::Read(reader);
    const std::optional<QString> title = shape ? readTitle(reader) : std::nullopt;
    if (!title || recCount < 0 || recCount > MaxRecordLines || fields < shape->drawnNumbers()
        || fields < DrawRecords::ClassicFields || fields > LotteryShape::MaxDrawnNumbers)
        return std::nullopt;
    return Header {int(recCount), int(fields), *shape, *title};
}

// The numbers of a record line, as many as the header says.
using LineNumbers = std::array<std::int16_t, LotteryShape::MaxDrawnNumbers>;

// Record `recordNumber`: its number, date and `fields` numbers.
ReadError readRecord(FileFieldReader& reader, int recordNumber, std::span<std::int16_t> numbers,
                     QDate& date)
{
    const int lineFields = int(numbers.size()) + 2;
    for (int j = 0; j < lineFields; ++j) {
        long long value = 0;
        // A date the date boxes and this writer could not hold again is no draw date.
        const bool read = j == 0 ? reader.readWhole(value)
            : j == 1             ? reader.readDate(date) && IsStorableDate(date)
                                 : readSmallWhole(reader, value);
        if (!read)
            return reader.ended() ? ReadError::MissingField
                : j == 1          ? ReadError::BadDate
                                  : ReadError::BadNumber;
        if (j == 0 && value != recordNumber)
            return ReadError::BadRecordNumber;
        if (j >= 2)
            numbers[std::size_t(j - 2)] = std::int16_t(value);
    }
    return ReadError::None;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A record line as this program writes it, "7,#1996-09-07#,3,11,23,30,42,49,0,0,0,0" and its line
// end, every number plain digits: read in one pass, with the checks readRecord makes. The bytes it
// took, or 0 for a line of any other form (blanks, signs, another date form, a fault), which the
// full reader then reads from its start.
qsizetype readWrittenLine(QByteArrayView line, int recordNumber, std::span<std::int16_t> numbers,
                          QDate& date)
{
    const char* p = line.data();
    const char* const end = p + line.size();
    const auto mark = [&p, end](char c) {
        if (p == end || *p != c)
            return false;
        ++p;
        return true;
    };
    // Up to `most` digits: longer forms, zeros in front included, are the full reader's.
    const auto number = [&p, end](int& value, int most = 5, int largest = 32767) {
        const char* const start = p;
        int digits = 0;
        for (; p != end && p - start < most && isDigit(*p); ++p)
            digits = digits * 10 + (*p - '0');
        value = digits;
        return p != start && (p == end || !isDigit(*p)) && digits <= largest;
    };
    const auto fixedDigits = [&p, end](int count, int& value) {
        if (end - p < count)
            return false;
        int digits = 0;
        for (const char* const stop = p + count; p != stop; ++p) {
            if (!isDigit(*p))
                return false;
            digits = digits * 10 + (*p - '0');
        }
        value = digits;
        return true;
    };

    int recordField = 0;
    int year = 0;
    int month = 0;
    int day = 0;
    if (!number(recordField, 7, MaxRecordLines) || recordField != recordNumber || !mark(',')
        || !mark('#') || !fixedDigits(4, year) || !mark('-') || !fixedDigits(2, month) || !mark('-')
        || !fixedDigits(2, day) || !mark('#'))
        return 0;
    // A storable date; four digits make the year at most 9999. (Asking the date for its year
    // would work it out of the day number again.)
    date = QDate(year, month, day);
    if (year < 1000 || !date.isValid())
        return 0;
    for (std::int16_t& field : numbers) {
        int value = 0;
        if (!mark(',') || !number(value))
            return 0;
        field = std::int16_t(value);
    }
    // The line ends as the full reader ends it: CR LF, either alone, or the end of the data.
    if (p != end && *p != '\r' && *p != '\n')
        return 0;
    mark('\r');
    mark('\n');
    return p - line.data();
}

ReadResult failed(ReadError error)
{
    return ReadResult {error, {}};
}

} // namespace

ReadResult Read(QIODevice& device, LineReading lines, Forms forms)
{
    const std::optional<QByteArray> bytes = ReadFileBytes(device, MaxFileBytes);
    if (!bytes)
        return failed(ReadError::Unreadable);
    FileFieldReader reader(*bytes);

    ReadError headerError = ReadError::BadHeader;
    const std::optional<Header> header
        = forms == Forms::ClassicAndExtended && isExtendedHeader(reader)
        ? readExtendedHeader(reader, headerError)
        : readClassicHeader(reader);
    if (!header)
        return failed(headerError);

    ReadResult result;
    result.content.shape = header->shape;
    result.content.title = header->title;
    DrawRecords& records = result.content.records;
    records = DrawRecords(header->fields);
    records.reserve(header->recCount);
    const bool quick = lines == LineReading::QuickWhereWritten;
    for (int i = 1; i <= header->recCount; ++i) {
        LineNumbers line {};
        const std::span<std::int16_t> numbers(line.data(), std::size_t(header->fields));
        QDate date;
        if (quick) {
            if (const qsizetype taken = readWrittenLine(reader.rest(), i, numbers, date);
                taken > 0) {
                reader.skipLine(taken);
                records.append(date, std::span<const std::int16_t>(numbers));
                continue;
            }
        }
        if (const ReadError error = readRecord(reader, i, numbers, date); error != ReadError::None)
            return failed(error);
        records.append(date, std::span<const std::int16_t>(numbers));
    }
    // Records beyond the count, or a field more on the last line, would not be saved again.
    if (!reader.lineEnded() || !reader.atEnd())
        return failed(ReadError::ContentAfterRecords);
    // An extended file of a classic game whose fields past the classic ten are all 0 is read as
    // the classic file it will be saved as, so that what is read is what is written.
    if (records.fields() > DrawRecords::ClassicFields
        && !NeedsExtendedForm(result.content.shape, records)) {
        DrawRecords classic(DrawRecords::ClassicFields);
        classic.reserve(records.size());
        for (int i = 1; i <= records.size(); ++i)
            classic.append(records.date(i),
                           records.numbers(i).first(std::size_t(DrawRecords::ClassicFields)));
        records = std::move(classic);
    }
    return result;
}

namespace {

void appendWhole(QByteArray& bytes, long long value)
{
    char digits[24];
    const auto [end, error] = std::to_chars(std::begin(digits), std::end(digits), value);
    bytes.append(digits, end - digits);
}

// "#yyyy-mm-dd#" of a storable date, as the field writer writes it.
void appendDate(QByteArray& bytes, const QDate& date)
{
    int year = 0;
    int month = 0;
    int day = 0;
    date.getDate(&year, &month, &day);
    char text[] = "#0000-00-00#";
    const auto put = [&text](int at, int value, int digits) {
        for (int i = digits - 1; i >= 0; --i, value /= 10)
            text[at + i] = char('0' + value % 10);
    };
    put(1, year, 4);
    put(6, month, 2);
    put(9, day, 2);
    bytes.append(text, sizeof text - 1);
}

std::optional<QByteArray> bytesOf(const LotteryShape& shape, const QString& title,
                                  const DrawRecords& records)
{
    const bool extended = NeedsExtendedForm(shape, records);
    const int fields = extended ? records.fields() : DrawRecords::ClassicFields;
    FileFieldWriter header;
    if (extended) {
        header.addText(QLatin1String(ExtendedMark));
        header.addNumber(ExtendedForm);
        header.addNumber(records.size());
        header.addNumber(fields);
        ShapeFields::Write(header, shape);
    } else {
        header.addNumber(records.size());
        header.addNumber(LotteryShape::recordColumnsFor(shape.numbersPerDraw));
        header.addNumber(shape.highestNumber);
    }
    header.addText(title);
    header.endLine();
    // The record lines are plain ASCII, written straight as bytes: a million of them go through
    // no text of their own.
    QByteArray bytes = header.bytes();
    bytes.reserve(bytes.size() + qsizetype(records.size()) * 48);
    for (int i = 1; i <= records.size(); ++i) {
        const QDate date = records.date(i);
        if (!IsStorableDate(date))
            return std::nullopt;
        appendWhole(bytes, i);
        bytes.append(',');
        appendDate(bytes, date);
        for (const std::int16_t number : records.numbers(i).first(std::size_t(fields))) {
            bytes.append(',');
            appendWhole(bytes, number);
        }
        bytes.append("\r\n");
    }
    return bytes;
}

} // namespace

bool NeedsExtendedForm(const LotteryShape& shape, const DrawRecords& records)
{
    if (!shape.isClassic())
        return true;
    for (int i = 1; i <= records.size() && records.fields() > DrawRecords::ClassicFields; ++i) {
        const auto beyond = records.numbers(i).subspan(DrawRecords::ClassicFields);
        if (std::any_of(beyond.begin(), beyond.end(), [](std::int16_t n) { return n != 0; }))
            return true;
    }
    return false;
}

std::optional<QByteArray> Bytes(const Content& content)
{
    return bytesOf(content.shape, content.title, content.records);
}

std::optional<QByteArray> Bytes(const DrawStore& store)
{
    return bytesOf(store.shape(), store.Title(), store.records());
}

QString ReasonText(ReadError error)
{
    switch (error) {
    case ReadError::None:
        return QString();
    case ReadError::Unreadable:
        return QStringLiteral("It cannot be read, or it is larger than a draw database can be.");
    case ReadError::NewerForm:
        return QStringLiteral("It was written by a newer version of the program.");
    case ReadError::BadHeader:
    case ReadError::MissingField:
    case ReadError::BadRecordNumber:
    case ReadError::BadDate:
    case ReadError::BadNumber:
    case ReadError::ContentAfterRecords:
        break;
    }
    return QStringLiteral("It is no draw database.");
}

WriteError Write(const DrawStore& store, QIODevice& device)
{
    const std::optional<QByteArray> bytes = Bytes(store);
    if (!bytes)
        return WriteError::BadDate;
    if (!WriteFileBytes(device, *bytes))
        return WriteError::DeviceFailed;
    return WriteError::None;
}

} // namespace DrawFile
