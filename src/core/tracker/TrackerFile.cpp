// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "TrackerFile.h"

#include "core/common/FileFields.h"
#include "core/tracker/Money.h"

#include <QIODevice>

#include <algorithm>
#include <cmath>

namespace TrackerFile {

namespace {

// The plain field at the start of `rest`, read exactly in ten-thousandths.
std::optional<long long> exactUnits(QByteArrayView rest)
{
    qsizetype end = 0;
    while (end < rest.size() && rest[end] != ',' && rest[end] != '\r' && rest[end] != '\n')
        ++end;
    const QByteArrayView field = rest.first(end).trimmed();
    return Money::ExactUnits(field, 15);
}

ReadResult failed(ReadError error)
{
    return ReadResult {error, {}};
}

void addCell(FileFieldWriter& writer, const Cell& cell)
{
    if (cell.isNumber())
        writer.addPlain(NumberText(cell.number()));
    else if (cell.isText())
        writer.addText(cell.text());
    else
        writer.addPlain(QString());
}

// Whether a row's amount fits the sheet: below Sheet::MaxAmount in magnitude, as typed amounts
// are; a "Sub Total" row holds the sum of up to 104 of them.
bool amountFits(const Cell& description, const Cell& amount)
{
    const double limit = Sheet::isSubtotalRow(description) ? Sheet::MaxSubtotal : Sheet::MaxAmount;
    return std::fabs(amount.numericValue()) < limit;
}

} // namespace

QString NumberText(double value)
{
    // Fifteen significant digits, as a double holds them; the noise beyond is not written. The
    // scientific form rounds to them first, so 999999999999.9999 counts as the thirteen digits
    // it is written with.
    const QString scientific = QString::number(value, 'e', 14);
    const int exponent = scientific.sliced(scientific.indexOf(u'e') + 1).toInt();
    QString text = QString::number(value, 'f', std::clamp(14 - exponent, 0, 14));
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    if (text.startsWith(QLatin1String("0.")))
        text.remove(0, 1);
    else if (text.startsWith(QLatin1String("-0.")))
        text.remove(1, 1);
    if (text == QLatin1String("-0") || text.isEmpty())
        text = QStringLiteral("0");
    return text;
}

QString UnitsText(long long tenThousandths)
{
    const bool negative = tenThousandths < 0;
    const unsigned long long magnitude = negative
        ? 0ULL - static_cast<unsigned long long>(tenThousandths)
        : static_cast<unsigned long long>(tenThousandths);
    const unsigned long long whole = magnitude / Money::TenThousandths;
    QString fraction
        = QStringLiteral("%1").arg(magnitude % Money::TenThousandths, 4, 10, QLatin1Char('0'));
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    if (magnitude == 0)
        return QStringLiteral("0");
    QString text = negative ? QStringLiteral("-") : QString();
    if (whole != 0)
        text += QString::number(whole);
    if (!fraction.isEmpty())
        text += u'.' + fraction;
    return text;
}

QByteArray Bytes(const Sheet& sheet)
{
    FileFieldWriter writer;
    writer.addNumber(sheet.SheetRowCount);
    writer.endLine();
    for (int r = 1; r <= RowLines; ++r) {
        addCell(writer, sheet.cell(r, 0));
        // A subtotal is written with every cent it was summed to.
        if (const std::optional<long long> subtotal = sheet.subtotal(r))
            writer.addPlain(UnitsText(*subtotal));
        else
            addCell(writer, sheet.cell(r, 1));
        writer.endLine();
    }
    return writer.bytes();
}

bool Write(const Sheet& sheet, QIODevice& device)
{
    return WriteFileBytes(device, Bytes(sheet));
}

QString ReasonText(ReadError error)
{
    switch (error) {
    case ReadError::None:
        return QString();
    case ReadError::Unreadable:
        return QStringLiteral("It cannot be read, or it is larger than a tracker file can be.");
    case ReadError::AmountTooLarge:
        return QStringLiteral("It holds an amount too large for the tracker.");
    case ReadError::MixedAmount:
        return QStringLiteral("It holds an amount that is no plain number, such as 1,234.50.");
    case ReadError::BadRowCount:
    case ReadError::MissingRows:
    case ReadError::BadLine:
    case ReadError::BadField:
        break;
    }
    return QStringLiteral("It is no tracker file.");
}

ReadResult Read(QIODevice& device)
{
    const std::optional<QByteArray> bytes = ReadFileBytes(device, MaxFileBytes);
    if (!bytes)
        return failed(ReadError::Unreadable);
    FileFieldReader reader(*bytes);

    const std::optional<Cell> rowCount = reader.readCell();
    if (!rowCount || !rowCount->isNumber() || !reader.lineEnded())
        return failed(ReadError::BadRowCount);

    ReadResult result;
    result.sheet.SheetRowCount = int(std::clamp(rowCount->number(), 0.0, double(Sheet::DataRows)));
    for (int r = 1; r <= RowLines; ++r) {
        for (int column = 0; column < 2; ++column) {
            if (column == 0 && reader.atEnd())
                return failed(ReadError::MissingRows);
            const QByteArrayView field = reader.rest();
            std::optional<Cell> cell = reader.readCell();
            if (!cell || cell->isDate() || !reader.lastFieldWhole()
                || cell->text().size() > MaxTextLength)
                return failed(ReadError::BadField);
            // Two fields to a line: a comma after the first, none after the second.
            if (reader.lineEnded() != (column == 1))
                return failed(ReadError::BadLine);
            if (cell->isNumber())
                *cell = Cell(NumberText(cell->number()).toDouble());
            // The value a text amount shows is the value it counts, or the file is refused.
            if (column == 1 && cell->isText() && !Money::ShowsWhatItCounts(cell->text()))
                return failed(ReadError::MixedAmount);
            result.sheet.cell(r, column) = *cell;
            if (column == 1 && cell->isNumber() && Sheet::isSubtotalRow(result.sheet.cell(r, 0)))
                if (const std::optional<long long> units = exactUnits(field))
                    result.sheet.restoreSubtotal(r, *units);
        }
        if (!amountFits(result.sheet.cell(r, 0), result.sheet.cell(r, 1)))
            return failed(ReadError::AmountTooLarge);
    }
    if (!reader.atEnd())
        return failed(ReadError::BadLine);
    return result;
}

} // namespace TrackerFile
