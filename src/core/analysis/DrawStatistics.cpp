// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "DrawStatistics.h"

#include "core/analysis/ChiSquare.h"
#include "core/common/TextFormat.h"

#include <QLocale>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// p-values below this are shown as "p < 0.0001" rather than in ever smaller decimals.
constexpr double SmallestShownP = 0.0001;
// p-values that two significant digits would show as 1 are shown as "p > 0.99".
constexpr double LargestShownP = 1.0;

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

// A set of numbers as bits, bit i for the pool's i-th number (counted from 1); bit 0 gathers
// whatever is no number of the pool, and is then left out. One word takes the classic pools;
// two take the larger ones, so that the classic ones lose nothing to them.
struct WideBits {
    std::uint64_t low = 0;
    std::uint64_t high = 0;

    WideBits& operator|=(const WideBits& other)
    {
        low |= other.low;
        high |= other.high;
        return *this;
    }
    friend WideBits operator&(const WideBits& a, const WideBits& b)
    {
        return {a.low & b.low, a.high & b.high};
    }
};

template <typename Bits> Bits bitAt(int index);
template <> std::uint64_t bitAt<std::uint64_t>(int index)
{
    return std::uint64_t(1) << index;
}
template <> WideBits bitAt<WideBits>(int index)
{
    return index < 64 ? WideBits {std::uint64_t(1) << index, 0}
                      : WideBits {0, std::uint64_t(1) << (index - 64)};
}

std::uint64_t withoutZero(std::uint64_t bits)
{
    return bits & ~std::uint64_t(1);
}
WideBits withoutZero(WideBits bits)
{
    bits.low &= ~std::uint64_t(1);
    return bits;
}

bool any(std::uint64_t bits)
{
    return bits != 0;
}
bool any(const WideBits& bits)
{
    return (bits.low | bits.high) != 0;
}

template <typename Each> void forEachBit(std::uint64_t bits, Each each)
{
    for (std::uint64_t rest = bits; rest != 0; rest &= rest - 1)
        each(std::countr_zero(rest));
}
template <typename Each> void forEachBit(const WideBits& bits, Each each)
{
    forEachBit(bits.low, each);
    for (std::uint64_t rest = bits.high; rest != 0; rest &= rest - 1)
        each(64 + std::countr_zero(rest));
}

// Byte `part` of the bits, in order of the numbers.
std::uint64_t byteOf(std::uint64_t bits, std::size_t part)
{
    return (bits >> (8 * part)) & 0xFF;
}
std::uint64_t byteOf(const WideBits& bits, std::size_t part)
{
    return part < 8 ? byteOf(bits.low, part) : byteOf(bits.high, part - 8);
}

template <typename Bits> constexpr int BitsWidth = 8 * int(sizeof(Bits));

// Histories from this many draws on are walked in two halves at once: below it, starting a
// thread would cost more than it saves.
constexpr int HalvesFrom = 50000;

// How often each pair a < b was drawn together, at a * width + b.
using PairCounts = std::vector<int>;

// The most frequent pairs, and how many more pairs not listed share the last one's count.
std::pair<QList<PairFigures>, int> topPairs(const PairCounts& together, int n, int width)
{
    QList<PairFigures> pairs;
    for (int a = 1; a <= n; ++a)
        for (int b = a + 1; b <= n; ++b)
            if (const int count = together[std::size_t(a * width + b)]; count > 0)
                pairs.append({a, b, count});
    const auto moreOften = [](const PairFigures& x, const PairFigures& y) {
        if (x.count != y.count)
            return x.count > y.count;
        return x.first != y.first ? x.first < y.first : x.second < y.second;
    };
    const qsizetype kept = std::min<qsizetype>(pairs.size(), DrawStatistics::TopPairCount);
    std::partial_sort(pairs.begin(), pairs.begin() + kept, pairs.end(), moreOften);
    int tied = 0;
    if (kept > 0)
        tied = int(std::count_if(pairs.begin() + kept, pairs.end(), [&](const PairFigures& pair) {
            return pair.count == pairs[kept - 1].count;
        }));
    pairs.resize(kept);
    return {pairs, tied};
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
template <typename Bits> class PairCounter {
public:
    static constexpr int Width = BitsWidth<Bits>;

    void add(const Bits& numbers)
    {
        Row member;
        for (std::size_t part = 0; part < member.size(); ++part)
            member[part] = byteSpread[byteOf(numbers, part)];
        forEachBit(numbers, [this, &member](int number) {
            Row& row = m_recent[std::size_t(number)];
            for (std::size_t part = 0; part < row.size(); ++part)
                row[part] += member[part];
        });
        if (++m_recentDraws == 255)
            flush();
    }

    // The count of draws holding a and b is at a * Width + b.
    const PairCounts& counts()
    {
        flush();
        return m_counts;
    }

    // Adds the pairs another counter counted.
    void absorb(PairCounter& other)
    {
        const PairCounts& theirs = other.counts();
        flush();
        for (std::size_t at = 0; at < m_counts.size(); ++at)
            m_counts[at] += theirs[at];
    }

private:
    using Row = std::array<std::uint64_t, Width / 8>;

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
            std::array<std::uint8_t, Width> bytes;
            std::memcpy(bytes.data(), m_recent[a].data(), bytes.size());
            int* counts = m_counts.data() + a * Width;
            for (std::size_t b = 0; b < Width; ++b)
                counts[b] += bytes[b];
        }
        m_recent = {};
        m_recentDraws = 0;
    }

    std::array<Row, Width> m_recent {};
    int m_recentDraws = 0;
    PairCounts m_counts = PairCounts(std::size_t(Width * Width), 0);
};

// The figures of the numbers over a stretch of consecutive draws: per number, the draws holding
// it, repeats within a draw of the window, its first and latest record and the longest gap;
// kept apart, so that each is a plain array to the walk. The pairs of the window, in the main
// pool.
template <typename Bits> struct Stretch {
    static constexpr int Width = BitsWidth<Bits>;

    // Before the first draw of the stretch: a number's gap runs from there until it is drawn.
    Stretch(int start, bool pairs)
    {
        last.fill(start - 1);
        if (pairs)
            together.emplace();
    }

    // Takes in the stretch that follows this one.
    void join(Stretch& later)
    {
        for (std::size_t at = 0; at < std::size_t(Width); ++at) {
            if (later.draws[at] > 0) {
                // The later stretch's first gap ran from its start: the whole gap crosses the
                // seam from this stretch's last draw of the number.
                longest[at]
                    = std::max({longest[at], later.longest[at], later.first[at] - last[at] - 1});
                first[at] = draws[at] > 0 ? first[at] : later.first[at];
                last[at] = later.last[at];
            }
            draws[at] += later.draws[at];
            counted[at] += later.counted[at];
            repeats[at] += later.repeats[at];
        }
        if (together)
            together->absorb(*later.together);
    }

    std::array<int, Width> repeats {};
    std::array<int, Width> draws {};
    std::array<int, Width> counted {}; // draws of the window holding it
    std::array<int, Width> first {};
    std::array<int, Width> last {};
    std::array<int, Width> longest {};
    std::optional<PairCounter<Bits>> together;
};

// Walks all draws once and fills in the per-number figures, and the pairs of the window. The
// main pool starts at 1, so that a number is its own bit; an extra pool may start at 0.
template <typename Bits, Pool ThePool> void countPool(const DrawStore& store, DrawStatistics& stats)
{
    constexpr int Width = BitsWidth<Bits>;
    constexpr bool main = ThePool == Pool::Main;
    const int lowest = main ? 1 : stats.lowestNumber;
    const int highest = stats.highNum;
    // A number's bit: its place in the pool, counted from 1.
    const int shift = main ? 0 : lowest - 1;
    const LotteryShape shape = store.shape();

    const DrawRecords& records = store.records();
    const int fields = records.fields();
    const int firstExtra = std::min(shape.numbersPerDraw, fields);
    const int afterExtra = std::min(shape.drawnNumbers(), fields);
    const auto indexOf = [=](std::int16_t field) {
        if constexpr (main)
            return field >= 1 && field <= highest ? int(field) : 0;
        else
            return field >= lowest && field <= highest ? field - shift : 0;
    };
    // A record's fields as a bit per number; numbers outside the pool count as bit 0, which is
    // then left out. The usual count of fields is known to the compiler, which then unrolls the
    // loop. A number is drawn once in the draws that hold it, and once more for every repeat:
    // repeats are rare, so they alone are counted field by field.
    const auto numbersOf = [&indexOf](Stretch<Bits>& stretch, bool counting, auto... parts) {
        Bits seen {};
        Bits again {};
        const auto mark = [&](auto fields) {
            for (const std::int16_t field : fields) {
                const Bits bit = bitAt<Bits>(indexOf(field));
                again |= seen & bit;
                seen |= bit;
            }
        };
        (mark(parts), ...);
        seen = withoutZero(seen);
        if (counting && any(withoutZero(again))) {
            auto& repeats = stretch.repeats;
            const auto countAll = [&](auto fields) {
                for (const std::int16_t field : fields)
                    if (const int index = indexOf(field); index > 0)
                        ++repeats[std::size_t(index)];
            };
            (countAll(parts), ...);
            forEachBit(seen, [&repeats](int index) { --repeats[std::size_t(index)]; });
        }
        return seen;
    };
    const bool classic = main && firstExtra == afterExtra && fields == DrawRecords::ClassicFields;
    // Every draw is walked for the gaps; only those of the window are counted.
    const auto walk = [&](Stretch<Bits>& stretch, int from, int to) {
        for (int position = from; position <= to; ++position) {
            const bool counting = position >= stats.firstRecord;
            const std::span<const std::int16_t> record = records.numbers(position);
            Bits seen;
            if (classic)
                seen = numbersOf(stretch, counting,
                                 std::span<const std::int16_t, DrawRecords::ClassicFields>(
                                     record.data(), record.size()));
            else if (!main)
                seen = numbersOf(
                    stretch, counting,
                    record.subspan(std::size_t(firstExtra), std::size_t(afterExtra - firstExtra)));
            else
                seen = numbersOf(stretch, counting, record.first(std::size_t(firstExtra)),
                                 record.subspan(std::size_t(afterExtra)));
            forEachBit(seen, [&stretch, position, counting](int index) {
                const auto at = std::size_t(index);
                stretch.longest[at]
                    = std::max(stretch.longest[at], position - stretch.last[at] - 1);
                stretch.first[at] = stretch.draws[at] == 0 ? position : stretch.first[at];
                stretch.last[at] = position;
                ++stretch.draws[at];
                stretch.counted[at] += counting;
            });
            if (main && counting)
                stretch.together->add(seen);
        }
    };
    // A long history is walked in two halves at once, on a thread of its own each.
    const int total = stats.totalDraws;
    Stretch<Bits> all(1, main);
    if (total >= HalvesFrom && std::thread::hardware_concurrency() > 1) {
        const int half = total / 2;
        Stretch<Bits> later(half + 1, main);
        {
            const std::jthread laterHalf([&] { walk(later, half + 1, total); });
            walk(all, 1, half);
        }
        all.join(later);
    } else {
        walk(all, 1, total);
    }
    auto& [repeats, draws, counted, first, last, longest, together] = all;

    stats.numbers.reserve(stats.poolSize());
    for (int index = 1; index <= stats.poolSize(); ++index) {
        const auto at = std::size_t(index);
        NumberFigures figures;
        figures.number = index + shift;
        figures.drawn = counted[at] + repeats[at];
        figures.expected = stats.expectedCount;
        figures.difference = figures.drawn - stats.expectedCount;
        figures.outFor = stats.totalDraws - last[at];
        figures.longestGap = std::max(longest[at], figures.outFor);
        if (draws[at] > 0) {
            figures.lastRecord = last[at];
            figures.lastDate = store.date(figures.lastRecord);
        }
        // The gaps between its draws add up to the draws from the first to the last that do
        // not hold it.
        if (draws[at] > 1)
            figures.averageGap = double(last[at] - first[at] + 1 - draws[at]) / (draws[at] - 1);
        stats.numbers.append(figures);
    }
    if (together)
        std::tie(stats.topPairs, stats.morePairsAtLastCount)
            = topPairs(together->counts(), stats.highNum, Width);
}

} // namespace

DrawStatistics ComputeDrawStatistics(const DrawStore& store, int lastDraws, Pool pool)
{
    DrawStatistics stats;
    const LotteryShape shape = store.shape();
    const int total = std::max(store.RecCount(), 0);
    stats.pool = pool;
    stats.lastDraws = std::max(lastDraws, 0);
    stats.totalDraws = total;
    stats.draws = stats.lastDraws > 0 ? std::min(stats.lastDraws, total) : total;
    stats.firstRecord = total - stats.draws + 1;
    if (pool == Pool::Extra) {
        if (shape.extraNumbers == 0)
            return stats;
        stats.numbersPerDraw = shape.extraNumbers;
        stats.lowestNumber = shape.extraMin();
        stats.highNum = shape.extraMax();
    } else {
        stats.numbersPerDraw = shape.numbersPerDraw;
        stats.highNum = shape.highestNumber;
    }
    const int k = stats.numbersPerDraw;
    const int n = stats.poolSize();
    stats.expectedCount = double(stats.draws) * k / n;
    if (pool == Pool::Main)
        stats.expectedPairCount
            = n > 1 ? double(stats.draws) * k * (k - 1) / (double(n) * (n - 1)) : 0.0;

    static_assert(LotteryShape::MaxHighestNumber < BitsWidth<WideBits>);
    const bool narrow = n < BitsWidth<std::uint64_t>;
    if (pool == Pool::Main)
        (narrow ? countPool<std::uint64_t, Pool::Main> : countPool<WideBits, Pool::Main>)(store,
                                                                                          stats);
    else
        (narrow ? countPool<std::uint64_t, Pool::Extra> : countPool<WideBits, Pool::Extra>)(store,
                                                                                            stats);
    stats.fairness = checkFairness(stats.numbers, stats.draws, k, n, stats.expectedCount);
    if (pool == Pool::Main)
        stats.typicalTopPair = TypicalTopPair(stats.draws, k, n);
    return stats;
}

std::pair<int, int> TypicalTopPair(int draws, int k, int n)
{
    if (draws <= 0 || k < 2 || n < 2 || k >= n)
        return {std::max(draws, 0), std::max(draws, 0)};
    // Each pair's count is binomial; taken as independent, the top of M pairs is at most m with
    // the chance F(m)^M. Against simulated fair histories this is right to the draw.
    const double p = double(k) * (k - 1) / (double(n) * (n - 1));
    const double pairs = double(n) * (n - 1) / 2;
    // The terms in logarithms, each from the one before, so that long histories neither
    // underflow the first terms nor take a logarithm of the gamma function per count.
    const double logRatio = std::log(p) - std::log1p(-p);
    double logTerm = draws * std::log1p(-p);
    double cdf = 0;
    std::pair<int, int> range {-1, draws};
    for (int m = 0; m <= draws; ++m) {
        if (m > 0)
            logTerm += std::log(double(draws - m + 1) / m) + logRatio;
        cdf = std::min(cdf + std::exp(logTerm), 1.0);
        const double top = std::pow(cdf, pairs);
        if (range.first < 0 && top >= 0.1)
            range.first = m;
        if (top >= 0.9) {
            range.second = m;
            break;
        }
    }
    if (range.first < 0)
        range.first = range.second;
    return range;
}

bool FairnessCheck::beyondChance() const
{
    return verdict == Verdict::Tested && shownPValue(pValue) < Significance;
}

NumberTable DrawStatistics::OutForTable() const
{
    NumberTable table {};
    for (const NumberFigures& figures : numbers)
        if (figures.number >= 0 && figures.number < int(table.size()))
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

namespace {

QString timesText(int count)
{
    return count == 1 ? QStringLiteral("once") : QStringLiteral("%1 times").arg(count);
}

} // namespace

QString TypicalTopPairText(const DrawStatistics& stats)
{
    const auto [low, high] = stats.typicalTopPair;
    const QString draws = CountText(stats.draws, "draw", "draws");
    const QString times
        = low == high ? timesText(low) : QStringLiteral("%1 to %2 times").arg(low).arg(high);
    return QStringLiteral("In a fair history of %1 the top pair is usually drawn %2")
        .arg(draws, times);
}

QString PairsTitle(const DrawStatistics& stats)
{
    return QStringLiteral("Pairs drawn together most often (by chance %1 times each)")
               .arg(FormatExpected(stats.expectedPairCount))
        + u'\n' + TypicalTopPairText(stats) + u'.';
}

QString MorePairsText(const DrawStatistics& stats)
{
    if (stats.morePairsAtLastCount == 0 || stats.topPairs.isEmpty())
        return QString();
    const int more = stats.morePairsAtLastCount;
    return QStringLiteral("and %1 more %2 drawn %3")
        .arg(more)
        .arg(more == 1 ? QStringLiteral("pair") : QStringLiteral("pairs"))
        .arg(timesText(stats.topPairs.last().count));
}

QString FormatPValue(double pValue)
{
    const QLocale locale;
    if (pValue < SmallestShownP)
        return QStringLiteral("p < ") + locale.toString(SmallestShownP, 'f', 4);
    // Two digits would round these to 1, which no test of chance ever gives.
    if (shownPValue(pValue) >= LargestShownP)
        return QStringLiteral("p > ") + locale.toString(LargestShownP - 0.01, 'f', 2);
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
                       "The differences are larger than chance would usually produce (%1).")
                .arg(FormatPValue(fairness.pValue));
        return QStringLiteral("The differences are within what chance produces (%1).")
            .arg(FormatPValue(fairness.pValue));
    }
    return QString();
}
