#include "DrawFile.h"

#include "common/FileFields.h"
#include "common/TextFormat.h"

#include <QIODevice>

#include <cmath>

namespace DrawFile {

namespace {

// A whole number small enough for the 16-bit fields the file has always held.
std::optional<int> wholeNumber(const std::optional<Cell>& cell)
{
    if (!cell || !cell->isNumber())
        return std::nullopt;
    const double value = cell->number();
    if (value != std::trunc(value) || value < -32768 || value > 32767)
        return std::nullopt;
    return int(value);
}

ReadResult failed(ReadError error)
{
    return ReadResult {error, {}};
}

std::optional<QDate> recordDate(const Cell& cell)
{
    if (cell.isDate())
        return cell.date();
    // Dates typed in the database window are kept in the short date form.
    const QDate date = ParseUserDate(cell.text(), Today());
    if (!cell.isText() || !date.isValid())
        return std::nullopt;
    return date;
}

} // namespace

ReadResult Read(QIODevice& device)
{
    if (!device.isSequential() && device.size() - device.pos() > MaxFileBytes)
        return failed(ReadError::Unreadable);
    const QByteArray bytes = device.read(MaxFileBytes + 1);
    if (bytes.size() > MaxFileBytes || (bytes.isEmpty() && !device.atEnd()))
        return failed(ReadError::Unreadable);
    FileFieldReader reader(bytes);

    const std::optional<int> recCount = wholeNumber(reader.readCell());
    const std::optional<int> colCount = wholeNumber(reader.readCell());
    const std::optional<int> highNum = wholeNumber(reader.readCell());
    // The title is always written quoted; a plain field could hold a quote that no save keeps.
    const std::optional<Cell> title = reader.readCell();
    if (!recCount || !colCount || !highNum || !title || !title->isText() || *recCount < 0
        || *recCount > MaxRecordLines || *colCount < 3 || *highNum < 1)
        return failed(ReadError::BadHeader);

    ReadResult result;
    result.content.colCount = *colCount;
    result.content.highNum = *highNum;
    result.content.title = title->text();
    result.content.records.resize(std::size_t(*recCount));
    for (int i = 1; i <= *recCount; ++i) {
        DrawStore::Record& record = result.content.records[std::size_t(i - 1)];
        for (int j = 0; j < DrawStore::TableColumns; ++j) {
            if (reader.atEnd())
                return failed(ReadError::MissingField);
            if (j == 1) {
                QDate date;
                if (!reader.readDate(date))
                    return failed(ReadError::BadDate);
                record[1] = Cell(date);
                continue;
            }
            long long number = 0;
            if (!reader.readWhole(number) || number < -32768 || number > 32767)
                return failed(ReadError::BadNumber);
            if (j == 0 && number != i)
                return failed(ReadError::BadRecordNumber);
            record[std::size_t(j)] = Cell(double(number));
        }
    }
    return result;
}

std::optional<QByteArray> Bytes(const DrawStore& store)
{
    FileFieldWriter writer;
    writer.addNumber(store.RecCount());
    writer.addNumber(store.ColCount());
    writer.addNumber(store.HighNum());
    writer.addText(store.Title());
    writer.endLine();
    for (int i = 1; i <= store.RecCount(); ++i) {
        writer.addNumber(std::llround(store.cell(i, 0).numericValue()));
        const std::optional<QDate> date = recordDate(store.cell(i, 1));
        if (!date)
            return std::nullopt;
        writer.addDate(*date);
        for (int j = 2; j < DrawStore::TableColumns; ++j)
            writer.addNumber(std::llround(store.cell(i, j).numericValue()));
        writer.endLine();
    }
    return writer.bytes();
}

WriteError Write(const DrawStore& store, QIODevice& device)
{
    const std::optional<QByteArray> bytes = Bytes(store);
    if (!bytes)
        return WriteError::BadDate;
    if (device.write(*bytes) != bytes->size())
        return WriteError::DeviceFailed;
    return WriteError::None;
}

} // namespace DrawFile
