#include "DrawStatistics.h"

#include "core/analysis/ChiSquare.h"
#include "core/common/TextFormat.h"

#include <QLocale>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

namespace {

// p-values below this are shown as "p < 0.0001" rather than in ever smaller decimals.
constexpr double SmallestShownP = 0.0001;

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

// How often each pair a < b was drawn together, at a * PairRow + b: rows of a power of two, so
// that finding a pair's counter takes a shift.
constexpr int PairRow = 64;
static_assert(PairRow > LotteryShape::ClassicMaxHighestNumber);
using PairCounts = std::vector<int>;

QList<PairFigures> topPairs(const PairCounts& together, int n)
{
    QList<PairFigures> pairs;
    for (int a = 1; a <= n; ++a)
        for (int b = a + 1; b <= n; ++b)
            if (const int count = together[std::size_t(a * PairRow + b)]; count > 0)
                pairs.append({a, b, count});
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

// How many draws held both a and b, for every a and b, counted a whole draw at a time: the
// draw's numbers as a row of 0 and 1 bytes is added to the row of each number it holds, eight
// bytes to a word, where counting pair by pair would wait on memory at every pair. No byte can
// carry into the next as long as none passes 255, so every 255 draws the bytes are added up into
// whole counts.
class PairCounter {
public:
    void add(std::uint64_t numbers)
    {
        Row member;
        for (std::size_t part = 0; part < member.size(); ++part)
            member[part] = byteSpread[(numbers >> (8 * part)) & 0xFF];
        for (std::uint64_t rest = numbers; rest != 0; rest &= rest - 1) {
            Row& row = m_recent[std::size_t(std::countr_zero(rest))];
            for (std::size_t part = 0; part < row.size(); ++part)
                row[part] += member[part];
        }
        if (++m_recentDraws == 255)
            flush();
    }

    // The count of draws holding a and b is at a * PairRow + b.
    const PairCounts& counts()
    {
        flush();
        return m_counts;
    }

private:
    using Row = std::array<std::uint64_t, PairRow / 8>;

    // Each bit of a byte spread to a byte of its own, in memory order whatever the byte order.
    static constexpr std::array<std::uint64_t, 256> byteSpread = [] {
        std::array<std::uint64_t, 256> table {};
        for (std::size_t byte = 0; byte < table.size(); ++byte) {
            std::array<std::uint8_t, 8> bits {};
            for (std::size_t bit = 0; bit < bits.size(); ++bit)
                bits[bit] = std::uint8_t(byte >> bit & 1);
            table[byte] = std::bit_cast<std::uint64_t>(bits);
        }
        return table;
    }();

    void flush()
    {
        for (std::size_t a = 0; a < m_recent.size(); ++a) {
            std::array<std::uint8_t, PairRow> bytes;
            std::memcpy(bytes.data(), m_recent[a].data(), bytes.size());
            int* counts = m_counts.data() + a * PairRow;
            for (std::size_t b = 0; b < PairRow; ++b)
                counts[b] += bytes[b];
        }
        m_recent = {};
        m_recentDraws = 0;
    }

    std::array<Row, PairRow> m_recent {};
    int m_recentDraws = 0;
    PairCounts m_counts = PairCounts(std::size_t(PairRow * PairRow), 0);
};

} // namespace

DrawStatistics ComputeDrawStatistics(const DrawStore& store, int lastDraws)
{
    DrawStatistics stats;
    // Interim: larger pools are counted up to 63 until the counters take 128 numbers.
    const int n = std::min(store.shape().highestNumber, PairRow - 1);
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

    // Per number: draws holding it, repeats within a draw, its first and latest position in the
    // window (1-based), the longest gap so far; kept apart, so that each is a plain array to the
    // loop.
    std::array<int, PairRow> repeats {};
    std::array<int, PairRow> draws {};
    std::array<int, PairRow> first {};
    std::array<int, PairRow> last {};
    std::array<int, PairRow> longest {};
    PairCounter together;

    const DrawRecords& records = store.records();
    // A record's fields as a bit per number; numbers outside 1..n count as 0, which is then left
    // out. The usual count of fields is known to the compiler, which then unrolls the loop. A
    // number is drawn once in the draws that hold it, and once more for every repeat: repeats
    // are rare, so they alone are counted field by field.
    const auto numbersOf = [&repeats, n](auto fields) {
        std::uint64_t seen = 0;
        std::uint64_t again = 0;
        for (const std::int16_t field : fields) {
            const std::uint64_t bit = std::uint64_t(1) << (field >= 1 && field <= n ? field : 0);
            again |= seen & bit;
            seen |= bit;
        }
        seen &= ~std::uint64_t(1);
        if ((again & ~std::uint64_t(1)) != 0) {
            for (const std::int16_t field : fields)
                if (field >= 1 && field <= n)
                    ++repeats[std::size_t(field)];
            for (std::uint64_t rest = seen; rest != 0; rest &= rest - 1)
                --repeats[std::size_t(std::countr_zero(rest))];
        }
        return seen;
    };
    const bool classic = records.fields() == DrawRecords::ClassicFields;
    for (int position = 1; position <= stats.draws; ++position) {
        const std::span<const std::int16_t> fields
            = records.numbers(stats.firstRecord + position - 1);
        const std::uint64_t seen = classic
            ? numbersOf(std::span<const std::int16_t, DrawRecords::ClassicFields>(fields.data(),
                                                                                  fields.size()))
            : numbersOf(fields);
        for (std::uint64_t rest = seen; rest != 0; rest &= rest - 1) {
            const auto number = std::size_t(std::countr_zero(rest));
            // The first gap is the open run before the first draw holding the number.
            longest[number] = std::max(longest[number], position - last[number] - 1);
            first[number] = draws[number] == 0 ? position : first[number];
            last[number] = position;
            ++draws[number];
        }
        together.add(seen);
    }

    stats.numbers.reserve(n);
    for (int number = 1; number <= n; ++number) {
        const auto at = std::size_t(number);
        NumberFigures figures;
        figures.number = number;
        figures.drawn = draws[at] + repeats[at];
        figures.expected = stats.expectedCount;
        figures.difference = figures.drawn - stats.expectedCount;
        figures.outFor = stats.draws - last[at];
        figures.longestGap = std::max(longest[at], figures.outFor);
        if (draws[at] > 0) {
            figures.lastRecord = stats.firstRecord + last[at] - 1;
            figures.lastDate = store.date(figures.lastRecord);
        }
        // The gaps between its draws add up to the draws from the first to the last that do
        // not hold it.
        if (draws[at] > 1)
            figures.averageGap = double(last[at] - first[at] + 1 - draws[at]) / (draws[at] - 1);
        stats.numbers.append(figures);
    }
    stats.topPairs = topPairs(together.counts(), n);
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
