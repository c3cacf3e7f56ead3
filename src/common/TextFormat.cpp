#include "TextFormat.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <chrono>

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
    return RightAlign(width, FormatWhole(value));
}

QString ShortDateFormat()
{
    // Asked for every date shown or read, so it is worked out once per locale.
    static QString cachedLocale;
    static QString cachedFormat;
    const QLocale locale;
    if (!cachedFormat.isEmpty() && locale.name() == cachedLocale)
        return cachedFormat;

    QString format = locale.dateFormat(QLocale::ShortFormat);
    // Some locales (the C locale among them) spell the month out; a date box needs digits.
    if (format.contains(QLatin1String("MMM"))) {
        format = QStringLiteral("yyyy-MM-dd");
    } else if (!format.contains(QLatin1String("yyyy"))) {
        static const QRegularExpression years(QStringLiteral("y+"));
        format.replace(years, QStringLiteral("yyyy"));
    }
    cachedLocale = locale.name();
    cachedFormat = format;
    return format;
}

QDate Today()
{
    using Clock = std::chrono::steady_clock;
    static Clock::time_point askedAt;
    static QDate today;
    const Clock::time_point now = Clock::now();
    if (!today.isValid() || now - askedAt > std::chrono::seconds(1)) {
        today = QDate::currentDate();
        askedAt = now;
    }
    return today;
}

QString FormatShortDate(const QDate& date)
{
    return date.isValid() ? QLocale().toString(date, ShortDateFormat()) : QString();
}

namespace {

// Places a year typed with one or two digits in the hundred years ending 20 years from today.
int widenYear(int year, int digits, const QDate& today)
{
    if (digits > 2)
        return year;
    const int last = today.year() + 20;
    int widened = (last / 100) * 100 + year;
    if (widened > last)
        widened -= 100;
    return widened;
}

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
            if (!c.isDigit())
                return false;
    }
    return true;
}

} // namespace

QDate ParseUserDate(const QString& text, const QDate& today)
{
    const QStringList fields = numericFields(text);
    if (fields.size() != 3 || !allDigits(fields))
        return {};

    // Year first only in the ISO form, where the first field has four digits.
    if (fields[0].size() == 4) {
        return QDate(fields[0].toInt(), fields[1].toInt(), fields[2].toInt());
    }

    // Otherwise the fields follow the order of day, month and year in the short date format.
    const QString format = ShortDateFormat();
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
            year = widenYear(value, int(fields[i].size()), today);
            break;
        }
    }
    return QDate(year, month, day);
}
