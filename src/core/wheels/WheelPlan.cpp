// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "WheelPlan.h"

#include "core/common/CsvWriter.h"
#include "core/common/TextFormat.h"
#include "core/draws/DrawStore.h"
#include "core/wheels/Binomial.h"
#include "core/wheels/Wheel.h"

#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <bit>
#include <random>

namespace {

// The work one row of the win report may take, in ticket-and-draw comparisons; beyond it the
// row is estimated from random draws.
constexpr double ComparisonBudget = 5e7;
constexpr qint64 MinSamples = 2000;
constexpr qint64 MaxSamples = 400'000;
// The report's match columns: the page holds this many beside the row labels.
constexpr int MaxMatchColumns = 9;
constexpr int ShareWidth = 7;
constexpr int TicketLinesPerPage = 56;

bool readNumber(const QString& text, int& number)
{
    if (text.isEmpty() || text.size() > 3)
        return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    number = text.toInt();
    return true;
}

// A piece of what the user typed, as a message may quote it: one line, not too long.
QString quoted(const QString& piece)
{
    const QString safe = FileSafeText(piece);
    return u'"' + (safe.size() > 20 ? safe.left(20) + QStringLiteral("...") : safe) + u'"';
}

// The best match of any ticket with `drawn`.
int bestMatch(const QList<quint64>& tickets, quint64 drawn, int most)
{
    int best = 0;
    for (quint64 ticket : tickets) {
        best = std::max(best, std::popcount(ticket & drawn));
        if (best == most)
            break;
    }
    return best;
}

// `size` of the numbers 0..poolSize-1, drawn at random.
quint64 randomSubset(std::mt19937_64& random, int poolSize, int size)
{
    // Floyd's sampling: every subset equally likely, `size` draws.
    quint64 subset = 0;
    for (int j = poolSize - size; j < poolSize; ++j) {
        const int pick = std::uniform_int_distribution<int>(0, j)(random);
        const quint64 bit = quint64(1) << pick;
        subset |= (subset & bit) ? quint64(1) << j : bit;
    }
    return subset;
}

QString shareText(double share)
{
    if (share <= 0)
        return {};
    if (share >= 1)
        return QStringLiteral("100%");
    const double percent = share * 100;
    if (percent < 0.1)
        return QStringLiteral("<0.1%");
    if (percent > 99.9)
        return QStringLiteral(">99.9%");
    return QString::number(percent, 'f', 1) + u'%';
}

QString oddsText(double chance)
{
    if (chance <= 0)
        return QStringLiteral("never");
    const double odds = 1 / chance;
    if (odds < 10)
        return QStringLiteral("1 in ") + QString::number(odds, 'f', 1);
    return QStringLiteral("1 in ")
        + QLocale(QLocale::English).toString(qlonglong(std::llround(odds)));
}

QString moneyText(double amount)
{
    return QLocale(QLocale::English).toString(amount, 'f', 2);
}

} // namespace

WheelNumbersParse ParseWheelNumbers(const QString& text, int lowest, int highest)
{
    static const QRegularExpression separators(QStringLiteral("[\\s,;]+"));
    WheelNumbersParse parse;
    QList<bool> taken(highest + 1, false);
    const auto take = [&](int number) {
        if (number < lowest || number > highest) {
            parse.error = QStringLiteral("%1 is not a number of this game (%2 to %3).")
                              .arg(number)
                              .arg(lowest)
                              .arg(highest);
            return false;
        }
        if (taken[number]) {
            parse.error = QStringLiteral("%1 is given twice.").arg(number);
            return false;
        }
        taken[number] = true;
        return true;
    };
    for (const QString& piece : text.split(separators, Qt::SkipEmptyParts)) {
        const qsizetype dash = piece.indexOf(u'-', 1);
        int first = 0;
        int last = 0;
        if (dash > 0) {
            if (!readNumber(piece.left(dash), first) || !readNumber(piece.mid(dash + 1), last)
                || first > last) {
                parse.error = quoted(piece) + QStringLiteral(" is not a range such as 1-18.");
                return {{}, parse.error};
            }
        } else if (readNumber(piece, first)) {
            last = first;
        } else {
            parse.error = quoted(piece) + QStringLiteral(" is not a number.");
            return {{}, parse.error};
        }
        for (int number = first; number <= last; ++number)
            if (!take(number))
                return {{}, parse.error};
    }
    for (int number = lowest; number <= highest; ++number)
        if (taken[number])
            parse.numbers.append(number);
    return parse;
}

QString WheelNumbersText(const QList<int>& numbers)
{
    QList<int> sorted = numbers;
    std::sort(sorted.begin(), sorted.end());
    QStringList parts;
    for (qsizetype i = 0; i < sorted.size();) {
        qsizetype end = i;
        while (end + 1 < sorted.size() && sorted[end + 1] == sorted[end] + 1)
            ++end;
        if (end - i >= 2) {
            parts.append(QStringLiteral("%1-%2").arg(sorted[i]).arg(sorted[end]));
        } else {
            for (qsizetype j = i; j <= end; ++j)
                parts.append(QString::number(sorted[j]));
        }
        i = end + 1;
    }
    return parts.join(u' ');
}

QList<int> ThirdOfDrawnNumbers(const DrawStore& store, Third third)
{
    const int highest = store.shape().highestNumber;
    const NumberTable ranked = RankByCount(store.NumberCounts(), highest, RankOrder::ByCount);
    const RankRange range = ThirdRanks(third, highest);
    QList<int> numbers;
    for (int rank = std::max(range.first, 1); rank <= std::min(range.last, highest); ++rank)
        numbers.append(ranked[rank].number);
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

WinReport WheelWinReport(const QList<quint64>& tickets, int poolSize, int ticketSize,
                         int gameHighest, int from)
{
    WinReport report;
    if (poolSize < 1 || poolSize > WheelRequest::MaxPool || tickets.isEmpty())
        return report;
    const double games = Binomial(gameHighest, ticketSize);
    std::mt19937_64 random(1); // the same wheel always gets the same report
    for (int m = std::max(from, 1); m <= std::min(ticketSize, poolSize); ++m) {
        WinChances row;
        row.drawnInPool = m;
        row.chancePerDraw = games > 0
            ? Binomial(poolSize, m) * Binomial(gameHighest - poolSize, ticketSize - m) / games
            : 0;
        QList<qint64> counts(m + 1, 0);
        const double subsets = Binomial(poolSize, m);
        const double work = subsets * double(tickets.size());
        qint64 visited = 0;
        if (work <= ComparisonBudget) {
            // Every m-subset of the pool in turn (Gosper's step); pools stay below 64 numbers.
            const quint64 end = quint64(1) << poolSize;
            for (quint64 drawn = (quint64(1) << m) - 1; drawn < end;) {
                ++counts[bestMatch(tickets, drawn, m)];
                ++visited;
                const quint64 lowest = drawn & (~drawn + 1);
                const quint64 ripple = drawn + lowest;
                drawn = ripple | (((drawn ^ ripple) >> 2) / lowest);
            }
        } else {
            visited = std::clamp(qint64(ComparisonBudget / double(tickets.size())), MinSamples,
                                 MaxSamples);
            report.samples = std::max(report.samples, visited);
            for (qint64 s = 0; s < visited; ++s)
                ++counts[bestMatch(tickets, randomSubset(random, poolSize, m), m)];
        }
        for (qint64 count : counts)
            row.bestMatch.append(visited > 0 ? double(count) / double(visited) : 0);
        report.rows.append(row);
    }
    return report;
}

QList<QList<int>> TicketsInPool(const QList<quint64>& tickets, const QList<int>& pool)
{
    QList<QList<int>> result;
    result.reserve(tickets.size());
    for (quint64 ticket : tickets) {
        QList<int> numbers;
        for (int index : WheelNumbers(ticket))
            if (index >= 1 && index <= pool.size())
                numbers.append(pool[index - 1]);
        std::sort(numbers.begin(), numbers.end());
        result.append(numbers);
    }
    return result;
}

QStringList WheelReportLines(const WheelSheet& sheet)
{
    QStringList lines;
    const qsizetype count = sheet.tickets.size();
    lines.append(QStringLiteral("Your ") + CountText(sheet.pool.size(), "number", "numbers")
                 + QStringLiteral(": ") + WheelNumbersText(sheet.pool));
    if (!sheet.keys.isEmpty())
        lines.append(QStringLiteral("Key numbers, on every ticket: ")
                     + WheelNumbersText(sheet.keys));
    QString size = CountText(count, "ticket", "tickets") + QStringLiteral(" of ")
        + QString::number(sheet.ticketSize) + QStringLiteral(" numbers");
    if (sheet.price > 0)
        size += QStringLiteral(" at ") + moneyText(sheet.price) + QStringLiteral(" each: ")
            + moneyText(sheet.price * double(count));
    lines.append(size);
    if (sheet.guarantee > 0) {
        lines.append(
            QStringLiteral("Guarantee %1 if %2%3: whenever %2 of the drawn numbers are yours,")
                .arg(sheet.guarantee)
                .arg(sheet.ifDrawn)
                .arg(sheet.proven ? QStringLiteral(" (checked)") : QString()));
        lines.append(
            QStringLiteral("at least one ticket matches %1 of them.").arg(sheet.guarantee));
    } else if (sheet.keys.isEmpty()) {
        lines.append(QStringLiteral("Full wheel: every %1 of your numbers are on one ticket.")
                         .arg(sheet.ticketSize));
    } else {
        lines.append(QStringLiteral("Key wheel: every %1 of your numbers with all the key "
                                    "numbers are on one ticket.")
                         .arg(sheet.ticketSize));
    }

    const WinReport& report = sheet.report;
    if (report.rows.isEmpty())
        return lines;
    // The match columns: from the least match any row shows to the most, at most as many as fit.
    int highest = 0;
    int lowest = sheet.ticketSize;
    for (const WinChances& row : report.rows) {
        highest = std::max(highest, row.drawnInPool);
        for (qsizetype j = 0; j < row.bestMatch.size(); ++j)
            if (row.bestMatch[j] > 0) {
                lowest = std::min(lowest, int(j));
                break;
            }
    }
    // Beyond the columns the page holds, the least matches share the first column.
    const bool folded = lowest < highest - MaxMatchColumns + 1;
    lowest = std::clamp(lowest, std::max(0, highest - MaxMatchColumns + 1), highest);
    constexpr int LabelColumns = 28;
    lines.append(QString());
    lines.append(QStringLiteral("Drawn among   Chance in     The best ticket matches"));
    QString heading = QStringLiteral("your numbers  one draw").leftJustified(LabelColumns);
    for (int j = lowest; j <= highest; ++j)
        heading += RightAlign(ShareWidth,
                              (j == lowest && folded ? QStringLiteral("<=") : QString())
                                  + QString::number(j));
    lines.append(heading);
    for (const WinChances& row : report.rows) {
        QString line = RightAlign(4, QString::number(row.drawnInPool))
            + QStringLiteral("          ") + oddsText(row.chancePerDraw);
        line = line.leftJustified(LabelColumns);
        for (int j = lowest; j <= std::min(highest, row.drawnInPool); ++j) {
            double share = j < row.bestMatch.size() ? row.bestMatch[j] : 0;
            if (j == lowest)
                for (int below = 0; below < lowest && below < row.bestMatch.size(); ++below)
                    share += row.bestMatch[below];
            line += RightAlign(ShareWidth, shareText(share));
        }
        lines.append(line.trimmed().isEmpty() ? QString() : line);
    }
    if (report.samples > 0)
        lines.append(QStringLiteral("Shares estimated from %1 random draws for each row.")
                         .arg(QLocale(QLocale::English).toString(report.samples)));
    return lines;
}

Printout WheelPrintout(const WheelSheet& sheet)
{
    PrintoutWriter writer;
    writer.endLine();
    for (const QString& line : WheelReportLines(sheet))
        writer.printLine(5, line);
    writer.endLine();
    const int width = int(QString::number(sheet.tickets.size()).size());
    int onPage = 0;
    for (qsizetype i = 0; i < sheet.tickets.size(); ++i) {
        if (onPage == TicketLinesPerPage) {
            writer.endLine();
            writer.printLine(40, QStringLiteral("Page ") + QString::number(writer.pageNumber()));
            writer.newPage();
            writer.endLine();
            onPage = 0;
        }
        QString line = RightAlign(width, QString::number(i + 1)) + u'.';
        for (int number : sheet.tickets[i])
            line += RightAlign(3, QString::number(number));
        writer.printLine(5, line);
        ++onPage;
    }
    return writer.FinishPrintout();
}

QString WheelText(const QList<QList<int>>& tickets, QChar separator, const QString& lineEnd)
{
    QString text;
    for (const QList<int>& ticket : tickets) {
        for (qsizetype i = 0; i < ticket.size(); ++i) {
            if (i > 0)
                text += separator;
            text += QString::number(ticket[i]);
        }
        text += lineEnd;
    }
    return text;
}

QByteArray WheelCsv(const QList<QList<int>>& tickets)
{
    CsvWriter csv;
    for (const QList<int>& ticket : tickets) {
        for (const int number : ticket)
            csv.number(number);
        csv.endLine();
    }
    return csv.bytes();
}

WheelChoice ReadWheelChoice(const QString& numbers, const QString& keys, const LotteryShape& shape)
{
    WheelChoice choice;
    const WheelNumbersParse pool = ParseWheelNumbers(numbers, 1, shape.highestNumber);
    if (!pool.error.isEmpty()) {
        choice.error = pool.error;
        return choice;
    }
    const WheelNumbersParse keyNumbers = ParseWheelNumbers(keys, 1, shape.highestNumber);
    if (!keyNumbers.error.isEmpty()) {
        choice.error = QStringLiteral("Key numbers: ") + keyNumbers.error;
        return choice;
    }
    for (int key : keyNumbers.numbers)
        if (!pool.numbers.contains(key)) {
            choice.error = QStringLiteral("The key number %1 is not one of your numbers.").arg(key);
            return choice;
        }
    choice.pool = pool.numbers;
    choice.keys = keyNumbers.numbers;
    if (choice.pool.size() <= shape.numbersPerDraw)
        choice.error
            = QStringLiteral("A wheel needs more numbers than a ticket holds: at least %1.")
                  .arg(shape.numbersPerDraw + 1);
    else if (choice.pool.size() > WheelRequest::MaxPool)
        choice.error
            = QStringLiteral("A wheel takes at most %1 numbers.").arg(WheelRequest::MaxPool);
    return choice;
}
