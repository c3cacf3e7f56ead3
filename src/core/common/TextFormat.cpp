// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "TextFormat.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <optional>

QString RightAlign(int width, const QString& text)
{
    if (text.size() >= width)
        return text.left(width);
    return QString(width - text.size(), u' ') + text;
}

QString FormatWhole(long long value)
{
    return value == 0 ? QString() : QString::number(value);
}

QString AlignedWhole(int width, long long value)
{
    const QString text = FormatWhole(value);
    return text.size() >= width ? text : RightAlign(width, text);
}

QString AlignedNumber(int width, long long value)
{
    return RightAlign(width, QString::number(value));
}

int WidenYear(int year, int lastYear)
{
    const int widened = lastYear / 100 * 100 + year;
    return widened > lastYear ? widened - 100 : widened;
}

QString CountText(qsizetype count, const char* one, const char* many)
{
    return QString::number(count) + u' ' + QLatin1String(count == 1 ? one : many);
}

QString CompactCount(long long count)
{
    if (count < 10000)
        return FormatWhole(count);
    if (count < 1000000)
        return QString::number(count / 1000) + u'k';
    const long long tenths = count / 100000;
    return tenths < 100 ? QStringLiteral("%1.%2M").arg(tenths / 10).arg(tenths % 10)
                        : QString::number(count / 1000000) + u'M';
}

namespace {

// Splits "d.m.yyyy", "2026-12-07" and the like into their numeric fields, in order.
QStringList numericFields(const QString& text)
{
    static const QRegularExpression separators(QStringLiteral("[./-]"));
    return text.trimmed().split(separators);
}

bool allDigits(const QStringList& fields)
{
    for (const QString& field : fields) {
        if (field.isEmpty() || field.size() > 4)
            return false;
        for (QChar c : field)
            if (c < u'0' || c > u'9')
                return false;
    }
    return true;
}

// Reads `text` with its day, month and year in the order they have in `format`.
QDate parseDate(const QString& text, const QString& format, const QDate& today)
{
    const QStringList fields = numericFields(text);
    if (fields.size() != 3 || !allDigits(fields))
        return {};

    // Year first only in the ISO form, where the first field has four digits.
    if (fields[0].size() == 4) {
        const QDate date(fields[0].toInt(), fields[1].toInt(), fields[2].toInt());
        return IsStorableDate(date) ? date : QDate();
    }

    const qsizetype dayAt = format.indexOf(u'd');
    const qsizetype monthAt = format.indexOf(u'M');
    const qsizetype yearAt = format.indexOf(u'y');
    if (dayAt < 0 || monthAt < 0 || yearAt < 0)
        return {};
    QList<std::pair<qsizetype, char>> order {{dayAt, 'd'}, {monthAt, 'M'}, {yearAt, 'y'}};
    std::sort(order.begin(), order.end());

    int day = 0, month = 0, year = 0;
    for (int i = 0; i < 3; ++i) {
        const int value = fields[i].toInt();
        switch (order[i].second) {
        case 'd':
            day = value;
            break;
        case 'M':
            month = value;
            break;
        default:
            if (fields[i].size() == 3)
                return {};
            year = fields[i].size() > 2 ? value : WidenYear(value, today.year() + 20);
            break;
        }
    }
    const QDate date(year, month, day);
    return IsStorableDate(date) ? date : QDate();
}

// The characters a date box takes.
bool fitsDateBox(const QString& text)
{
    static const QRegularExpression boxText(QStringLiteral("^[0-9./-]{1,10}$"));
    return boxText.match(text).hasMatch();
}

// The locale's short date with a four-digit year, when a date box can show and read it back.
std::optional<QString> localeDateFormat(const QLocale& locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy"))) {
        static const QRegularExpression years(QStringLiteral("y+"));
        format.replace(years, QStringLiteral("yyyy"));
    }
    // The longest date (two-digit day and month) must fit, and day and month must not swap.
    for (const QDate& sample : {QDate(2026, 12, 27), QDate(2001, 2, 3)}) {
        const QString text = locale.toString(sample, format);
        if (!fitsDateBox(text) || parseDate(text, format, sample) != sample)
            return std::nullopt;
    }
    return format;
}

} // namespace

QString ShortDateFormat()
{
    // Asked for every date shown or read, so it is worked out once per locale.
    static QLocale cachedLocale = QLocale::c();
    static QString cachedFormat;
    const QLocale locale;
    if (cachedFormat.isEmpty() || locale != cachedLocale) {
        cachedFormat = localeDateFormat(locale).value_or(QStringLiteral("yyyy-MM-dd"));
        cachedLocale = locale;
    }
    return cachedFormat;
}

QString FormatShortDate(const QDate& date)
{
    // The form holds digits and separators only; the C locale writes the digits the box takes.
    return date.isValid() ? QLocale::c().toString(date, ShortDateFormat()) : QString();
}

bool IsStorableDate(const QDate& date)
{
    return date.isValid() && date.year() >= 1000 && date.year() <= 9999;
}

QDate ParseUserDate(const QString& text, const QDate& today)
{
    return parseDate(text, ShortDateFormat(), today);
}

namespace {

// The line and paragraph separators break a label's line as CR LF would.
bool breaksLine(QChar c)
{
    return c.category() == QChar::Separator_Line || c.category() == QChar::Separator_Paragraph;
}

// Embeddings, overrides and isolates turn whole runs of text around and reach past the field
// into the text shown after it. The left-to-right and right-to-left marks stay: they only settle
// the side of the neutral characters beside them, and right-to-left titles need them.
bool changesDirection(QChar c)
{
    switch (c.direction()) {
    case QChar::DirLRE:
    case QChar::DirLRO:
    case QChar::DirRLE:
    case QChar::DirRLO:
    case QChar::DirPDF:
    case QChar::DirLRI:
    case QChar::DirRLI:
    case QChar::DirFSI:
    case QChar::DirPDI:
        return true;
    default:
        return false;
    }
}

} // namespace

QString FileSafeText(const QString& text)
{
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            kept += c;
            kept += text[++i];
            continue;
        }
        // A byte-order mark at the start of a field is taken for an encoding mark when read.
        if (c.isSurrogate() || c.category() == QChar::Other_Control || c == u'"'
            || c == QChar::ByteOrderMark || breaksLine(c) || changesDirection(c))
            continue;
        kept += c;
    }
    return kept;
}

QString ShownText(QStringView text, qsizetype length)
{
    const QStringView cut = text.trimmed().left(length);
    QString shown;
    shown.reserve(cut.size());
    for (const QChar c : cut) {
        const char16_t code = c.unicode();
        if ((code < 0x20 && code != u'\t') || (code >= 0x7F && code <= 0x9F))
            shown += QStringLiteral("\\x%1").arg(int(code), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}
