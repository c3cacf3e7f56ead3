#include "DrawStatistics.h"

#include "core/analysis/ChiSquare.h"
#include "core/common/TextFormat.h"

#include <QLocale>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

namespace {

// p-values below this are shown as "p < 0.0001" rather than in ever smaller decimals.
constexpr double SmallestShownP = 0.0001;

// A number field as the counts read it: 0 when it holds none of 1..60.
int drawnNumber(int field)
{
    return field < 1 || field > DrawStore::HighestNumber ? 0 : field;
}

// The p-value rounded as FormatPValue shows it, so the verdict and the number shown agree.
double shownPValue(double pValue)
{
    if (pValue < SmallestShownP)
        return pValue;
    return QString::number(pValue, 'g', 2).toDouble();
}

FairnessCheck checkFairness(const QList<NumberFigures>& numbers, int draws, int k, int n,
                            double expected)
{
    FairnessCheck check;
    check.degreesOfFreedom = std::max(n - 1, 0);
    if (draws == 0)
        return check;
    if (k >= n) {
        check.verdict = FairnessCheck::Verdict::NothingToCheck;
        return check;
    }
    double sum = 0;
    for (const NumberFigures& figures : numbers)
        sum += figures.difference * figures.difference / expected;
    check.chiSquare = sum * (n - 1) / (n - k);
    check.pValue = ChiSquarePValue(check.chiSquare, check.degreesOfFreedom);
    check.verdict
        = expected < 1 ? FairnessCheck::Verdict::TooFewDraws : FairnessCheck::Verdict::Tested;
    return check;
}

QList<PairFigures> topPairs(const std::array<std::array<int, DrawStore::HighestNumber + 1>,
                                             DrawStore::HighestNumber + 1>& together,
                            int n)
{
    QList<PairFigures> pairs;
    for (int a = 1; a <= n; ++a)
        for (int b = a + 1; b <= n; ++b)
            if (together[a][b] > 0)
                pairs.append({a, b, together[a][b]});
    const auto moreOften = [](const PairFigures& x, const PairFigures& y) {
        if (x.count != y.count)
            return x.count > y.count;
        return x.first != y.first ? x.first < y.first : x.second < y.second;
    };
    const qsizetype kept = std::min<qsizetype>(pairs.size(), DrawStatistics::TopPairCount);
    std::partial_sort(pairs.begin(), pairs.begin() + kept, pairs.end(), moreOften);
    pairs.resize(kept);
    return pairs;
}

QString oneDecimal(double value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    // Rounded first, so that a small negative value is shown as 0.0 and not as -0.0.
    const double rounded = std::round(value * 10) / 10;
    return locale.toString(rounded == 0 ? 0.0 : rounded, 'f', 1);
}

} // namespace

DrawStatistics ComputeDrawStatistics(const DrawStore& store, int lastDraws)
{
    DrawStatistics stats;
    const int n = store.shape().highestNumber;
    const int k = store.shape().numbersPerDraw;
    const int total = std::max(store.RecCount(), 0);
    stats.lastDraws = std::max(lastDraws, 0);
    stats.totalDraws = total;
    stats.draws = stats.lastDraws > 0 ? std::min(stats.lastDraws, total) : total;
    stats.firstRecord = total - stats.draws + 1;
    stats.numbersPerDraw = k;
    stats.highNum = n;
    stats.expectedCount = double(stats.draws) * k / n;
    stats.expectedPairCount
        = n > 1 ? double(stats.draws) * k * (k - 1) / (double(n) * (n - 1)) : 0.0;

    // Per number: times drawn, draws holding it, its latest position in the window (1-based),
    // the sum of the gaps between its draws, the longest gap so far.
    struct Track {
        int drawn = 0;
        int draws = 0;
        int last = 0;
        int gapSum = 0;
        int longest = 0;
    };
    std::array<Track, DrawStore::HighestNumber + 1> tracks {};
    std::array<std::array<int, DrawStore::HighestNumber + 1>, DrawStore::HighestNumber + 1>
        together {};

    for (int position = 1; position <= stats.draws; ++position) {
        const int record = stats.firstRecord + position - 1;
        std::uint64_t seen = 0;
        for (const std::int16_t field : store.records().numbers(record)) {
            const int number = drawnNumber(field);
            if (number == 0 || number > n)
                continue;
            ++tracks[number].drawn;
            seen |= std::uint64_t(1) << number;
        }
        int inDraw[DrawRecords::ClassicFields];
        int inDrawCount = 0;
        for (std::uint64_t rest = seen; rest != 0; rest &= rest - 1) {
            const int number = std::countr_zero(rest);
            inDraw[inDrawCount++] = number;
            Track& track = tracks[number];
            if (track.draws == 0) {
                track.longest = position - 1;
            } else {
                const int gap = position - track.last - 1;
                track.gapSum += gap;
                track.longest = std::max(track.longest, gap);
            }
            ++track.draws;
            track.last = position;
        }
        for (int a = 0; a < inDrawCount; ++a)
            for (int b = a + 1; b < inDrawCount; ++b)
                ++together[inDraw[a]][inDraw[b]];
    }

    stats.numbers.reserve(n);
    for (int number = 1; number <= n; ++number) {
        const Track& track = tracks[number];
        NumberFigures figures;
        figures.number = number;
        figures.drawn = track.drawn;
        figures.expected = stats.expectedCount;
        figures.difference = track.drawn - stats.expectedCount;
        figures.outFor = stats.draws - track.last;
        figures.longestGap = std::max(track.longest, figures.outFor);
        if (track.draws > 0) {
            figures.lastRecord = stats.firstRecord + track.last - 1;
            figures.lastDate = store.date(figures.lastRecord);
        }
        if (track.draws > 1)
            figures.averageGap = double(track.gapSum) / (track.draws - 1);
        stats.numbers.append(figures);
    }
    stats.topPairs = topPairs(together, n);
    stats.fairness = checkFairness(stats.numbers, stats.draws, k, n, stats.expectedCount);
    return stats;
}

bool FairnessCheck::beyondChance() const
{
    return verdict == Verdict::Tested && shownPValue(pValue) < Significance;
}

NumberTable DrawStatistics::OutForTable() const
{
    NumberTable table {};
    for (const NumberFigures& figures : numbers)
        table[std::size_t(figures.number)] = {figures.number, figures.outFor};
    return table;
}

QString NumberColumnTitle(NumberColumn column)
{
    switch (column) {
    case NumberColumn::Number:
        return QStringLiteral("Number");
    case NumberColumn::Drawn:
        return QStringLiteral("Drawn");
    case NumberColumn::Expected:
        return QStringLiteral("Expected");
    case NumberColumn::Difference:
        return QStringLiteral("Difference");
    case NumberColumn::LastDrawn:
        return QStringLiteral("Last drawn");
    case NumberColumn::OutFor:
        return QStringLiteral("Out for");
    case NumberColumn::LongestGap:
        return QStringLiteral("Longest gap");
    case NumberColumn::AverageGap:
        return QStringLiteral("Average gap");
    }
    return QString();
}

QString FormatExpected(double value)
{
    return oneDecimal(value);
}

QString NumberCellText(const NumberFigures& figures, NumberColumn column)
{
    switch (column) {
    case NumberColumn::Number:
        return QString::number(figures.number);
    case NumberColumn::Drawn:
        return QString::number(figures.drawn);
    case NumberColumn::Expected:
        return oneDecimal(figures.expected);
    case NumberColumn::Difference: {
        const QString text = oneDecimal(figures.difference);
        return NumberSortKey(figures, column) > 0 ? u'+' + text : text;
    }
    case NumberColumn::LastDrawn:
        if (figures.neverDrawn())
            return QStringLiteral("never");
        return FormatShortDate(figures.lastDate);
    case NumberColumn::OutFor:
        return QString::number(figures.outFor);
    case NumberColumn::LongestGap:
        return QString::number(figures.longestGap);
    case NumberColumn::AverageGap:
        return figures.averageGap ? oneDecimal(*figures.averageGap) : QString();
    }
    return QString();
}

double NumberSortKey(const NumberFigures& figures, NumberColumn column)
{
    const auto shown = [](double value) { return std::round(value * 10) / 10; };
    switch (column) {
    case NumberColumn::Number:
        return figures.number;
    case NumberColumn::Drawn:
        return figures.drawn;
    case NumberColumn::Expected:
        return shown(figures.expected);
    case NumberColumn::Difference:
        return shown(figures.difference);
    case NumberColumn::LastDrawn:
        return figures.lastRecord;
    case NumberColumn::OutFor:
        return figures.outFor;
    case NumberColumn::LongestGap:
        return figures.longestGap;
    case NumberColumn::AverageGap:
        return figures.averageGap ? shown(*figures.averageGap) : -1.0;
    }
    return 0;
}

QString PairsTitle(const DrawStatistics& stats)
{
    return QStringLiteral("Pairs drawn together most often (by chance %1 times each)")
        .arg(FormatExpected(stats.expectedPairCount));
}

QString FormatPValue(double pValue)
{
    const QLocale locale;
    if (pValue < SmallestShownP)
        return QStringLiteral("p < ") + locale.toString(SmallestShownP, 'f', 4);
    return QStringLiteral("p = ") + locale.toString(shownPValue(pValue), 'g', 2);
}

QString FairnessSentence(const FairnessCheck& fairness)
{
    switch (fairness.verdict) {
    case FairnessCheck::Verdict::NoDraws:
        return QStringLiteral("There are no draws to check.");
    case FairnessCheck::Verdict::NothingToCheck:
        return QStringLiteral("Every draw holds every number, so the counts cannot differ.");
    case FairnessCheck::Verdict::TooFewDraws:
        return QStringLiteral("There are too few draws to tell chance from a real difference.");
    case FairnessCheck::Verdict::Tested:
        if (fairness.beyondChance())
            return QStringLiteral(
                       "The differences are larger than chance would usually produce (%1)")
                .arg(FormatPValue(fairness.pValue));
        return QStringLiteral("The differences are within what chance produces (%1)")
            .arg(FormatPValue(fairness.pValue));
    }
    return QString();
}
