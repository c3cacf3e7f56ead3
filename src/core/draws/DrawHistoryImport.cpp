// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "DrawHistoryImport.h"

#include "core/common/TextFormat.h"
#include "core/common/Windows1252.h"

#include <QHash>
#include <QStringConverter>
#include <QStringDecoder>

#include <algorithm>
#include <limits>
#include <numeric>
#include <span>
#include <tuple>
#include <utility>

namespace {

using Separator = DrawHistoryImport::Separator;
using DateOrder = DrawHistoryImport::DateOrder;
using Columns = DrawHistoryImport::Columns;
using Reason = DrawHistoryImport::SkipReason;

constexpr int MaxValue = 9999999; // longer digit runs are clipped: out of range either way
constexpr int MaxCounted = 255; // numbers counted on one line; more count as this many
constexpr qsizetype SkippedTextLength = 200;

// Calls `use(line, number)` for every line, with CR LF, LF and CR each ending one. `Text` is a
// QStringView or a QByteArrayView: line ends, separators and quotes are ASCII in every encoding
// read from bytes.
template <typename Text, typename Use> void forEachLine(Text text, Use use)
{
    int number = 0;
    qsizetype start = 0;
    do {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        use(text.sliced(start, end - start), ++number);
        if (end + 1 < text.size() && text[end] == u'\r' && text[end + 1] == u'\n')
            ++end;
        start = end + 1;
    } while (start < text.size());
}

bool isValidUtf8(QByteArrayView bytes)
{
    // Decoded a piece at a time into one buffer: only whether it decodes matters.
    constexpr qsizetype Piece = 1 << 16;
    QStringDecoder decoder(QStringDecoder::Utf8);
    std::vector<QChar> buffer(std::size_t(decoder.requiredSpace(Piece)));
    for (qsizetype at = 0; at < bytes.size() && !decoder.hasError(); at += Piece)
        decoder.appendToBuffer(buffer.data(), bytes.sliced(at, std::min(Piece, bytes.size() - at)));
    return !decoder.hasError();
}

// The lines of the input as text, one line decoded at a time: a byte order mark names the
// encoding; otherwise UTF-8 when the bytes are valid UTF-8, which files of plain ASCII also are,
// else the Windows ANSI code page, which any bytes are. Only UTF-16 and UTF-32 are decoded whole.
class LineSource {
public:
    explicit LineSource(const QByteArray& bytes)
    {
        if (const std::optional<QStringConverter::Encoding> marked
            = QStringConverter::encodingForData(bytes)) {
            if (*marked == QStringConverter::Utf8) {
                m_bytes = QByteArrayView(bytes).sliced(3); // after the byte order mark
            } else {
                QStringDecoder decoder(*marked); // drops the byte order mark
                m_decoded = decoder.decode(bytes);
                m_wide = true;
            }
            return;
        }
        m_bytes = bytes;
        m_utf8 = isValidUtf8(m_bytes);
    }

    // Calls `use(line, number)` for every line as text.
    template <typename Use> void forEach(Use use) const
    {
        if (m_wide) {
            forEachLine(QStringView(m_decoded), use);
            return;
        }
        forEachLine(m_bytes, [&](QByteArrayView line, int number) {
            const QString text = m_utf8 ? QString::fromUtf8(line) : DecodeWindows1252(line);
            use(QStringView(text), number);
        });
    }

    // Calls `use(line)` for every line as it is stored, text or bytes.
    template <typename Use> void forEachRaw(Use use) const
    {
        if (m_wide)
            forEachLine(QStringView(m_decoded), [&](QStringView line, int) { use(line); });
        else
            forEachLine(m_bytes, [&](QByteArrayView line, int) { use(line); });
    }

private:
    QByteArrayView m_bytes;
    QString m_decoded;
    bool m_wide = false;
    bool m_utf8 = true;
};

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

char16_t separatorChar(Separator separator)
{
    switch (separator) {
    case Separator::Comma:
        return u',';
    case Separator::Semicolon:
        return u';';
    case Separator::Tab:
        return u'\t';
    case Separator::Blanks:
        break;
    }
    return 0;
}

// The separator that most lines hold outside double quotes; on a tie the one less likely to stand
// inside a value (a comma may be a decimal comma).
Separator detectSeparator(const LineSource& source)
{
    const Separator candidates[] = {Separator::Tab, Separator::Semicolon, Separator::Comma};
    int lines[3] = {0, 0, 0};
    source.forEachRaw([&](auto line) {
        bool seen[3] = {false, false, false};
        bool quoted = false;
        for (const auto c : line) {
            if (c == u'"')
                quoted = !quoted;
            for (int i = 0; i < 3 && !quoted; ++i)
                seen[i] = seen[i] || c == separatorChar(candidates[i]);
        }
        for (int i = 0; i < 3; ++i)
            lines[i] += seen[i];
    });
    int best = 0;
    for (int i = 1; i < 3; ++i)
        if (lines[i] > lines[best])
            best = i;
    return lines[best] > 0 ? candidates[best] : Separator::Blanks;
}

// A piece of a line between blanks, double quotes and separators, and its column.
struct Compound {
    QStringView text;
    int column = 0;
};

// The compounds of `line`; returns how many columns the line has.
int splitCompounds(QStringView line, char16_t separator, std::vector<Compound>& compounds)
{
    compounds.clear();
    bool quoted = false;
    int field = 0;
    qsizetype start = -1;
    auto close = [&](qsizetype end) {
        if (start >= 0)
            compounds.push_back({line.sliced(start, end - start),
                                 separator ? field + 1 : int(compounds.size()) + 1});
        start = -1;
    };
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'"') {
            close(i);
            quoted = !quoted;
        } else if (!quoted && separator && c == separator) {
            close(i);
            ++field;
        } else if (c.isSpace()) {
            close(i);
        } else if (start < 0) {
            start = i;
        }
    }
    close(line.size());
    return separator ? field + 1 : int(compounds.size());
}

// Reads the digits at `i` (at least one); false when there are none.
bool readDigits(QStringView text, qsizetype& i, int& value, int& length)
{
    const qsizetype start = i;
    value = 0;
    while (i < text.size() && isAsciiDigit(text[i])) {
        value = std::min(value * 10 + (text[i].unicode() - u'0'), MaxValue);
        ++i;
    }
    length = int(i - start);
    return length > 0;
}

// A year written with two digits falls in the hundred years that end with `lastYear`.
int widenYear(int year, int digits, int lastYear)
{
    return digits == 2 ? WidenYear(year, lastYear) : year;
}

// Month names and their abbreviations (any start of three letters or more that names one month
// only), lower case and without accents.
int monthNamed(QStringView word)
{
    static const QHash<QString, int> months = [] {
        const char* const names[] = {
            "january", "february",  "march",      "april",   "may",       "june",
            "july",    "august",    "september",  "october", "november",  "december", // English
            "januar",  "februar",   "marz",       "april",   "mai",       "juni",
            "juli",    "august",    "september",  "oktober", "november",  "dezember", // German
            "janvier", "fevrier",   "mars",       "avril",   "mai",       "juin",
            "juillet", "aout",      "septembre",  "octobre", "novembre",  "decembre", // French
            "enero",   "febrero",   "marzo",      "abril",   "mayo",      "junio",
            "julio",   "agosto",    "septiembre", "octubre", "noviembre", "diciembre", // Spanish
            "gennaio", "febbraio",  "marzo",      "aprile",  "maggio",    "giugno",
            "luglio",  "agosto",    "settembre",  "ottobre", "novembre",  "dicembre", // Italian
            "januari", "februari",  "maart",      "april",   "mei",       "juni",
            "juli",    "augustus",  "september",  "oktober", "november",  "december", // Dutch
            "janeiro", "fevereiro", "marco",      "abril",   "maio",      "junho",
            "julho",   "agosto",    "setembro",   "outubro", "novembro",  "dezembro", // Portuguese
        };
        QHash<QString, int> table;
        for (std::size_t i = 0; i < std::size(names); ++i) {
            const QString name = QString::fromLatin1(names[i]);
            const int month = int(i % 12) + 1;
            for (qsizetype length = 3; length <= name.size(); ++length) {
                const QString start = name.left(length);
                const int known = table.value(start, month);
                table.insert(start, known == month ? month : 0); // "jui" is juin or juillet
            }
        }
        return table;
    }();
    if (word.size() < 3 || word.size() > 12)
        return 0;
    QString folded;
    folded.reserve(word.size());
    for (QChar c : word) {
        const QString decomposed = c.decomposition();
        folded += (decomposed.isEmpty() ? c : decomposed[0]).toLower();
    }
    return months.value(folded, 0);
}

bool isOrdinalSuffix(QStringView word)
{
    for (const char* suffix : {"st", "nd", "rd", "th", "er", "e"})
        if (word.compare(QLatin1String(suffix), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// A date as written: either known (year first, or with a month name) or with its first two
// numbers in the file's day/month order.
struct WrittenDate {
    enum Form { None, Known, DayMonthOpen } form = None;
    int year = 0;
    int first = 0; // Known: the month; DayMonthOpen: the first of day and month
    int second = 0;
    int lastCompound = 0;
    int firstCompound = 0;
    int column = 0;
};

// "20251119": eight digits that make a date of the years 1000..9999, nothing else.
WrittenDate compactDate(QStringView text)
{
    while (!text.isEmpty() && (text.front() == u'(' || text.front() == u'['))
        text = text.sliced(1);
    while (!text.isEmpty() && QStringView(u")].,;:").contains(text.back()))
        text.chop(1);
    if (text.size() != 8 || !std::all_of(text.begin(), text.end(), isAsciiDigit))
        return {};
    const int year = text.first(4).toInt();
    const int month = text.sliced(4, 2).toInt();
    const int day = text.sliced(6, 2).toInt();
    if (year < 1000 || !QDate::isValid(year, month, day))
        return {};
    return {WrittenDate::Known, year, month, day};
}

// "19.11.2025", "09/26/2020", "2025-11-19", "2025.02.08", "2025-01-04T00:00:00.000", "12-06-82".
WrittenDate numericDate(QStringView text, int lastYear)
{
    if (const WrittenDate compact = compactDate(text); compact.form != WrittenDate::None)
        return compact;
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u'(' || text[i] == u'['))
        ++i;
    int parts[3] = {0, 0, 0};
    int lengths[3] = {0, 0, 0};
    QChar separator;
    for (int p = 0; p < 3; ++p) {
        if (p > 0) {
            if (i >= text.size() || text[i] != separator)
                return {};
            ++i;
        }
        if (!readDigits(text, i, parts[p], lengths[p]))
            return {};
        if (p == 0) {
            if (i >= text.size() || !QStringView(u"./-").contains(text[i]))
                return {};
            separator = text[i];
        }
    }
    // "3-11-12-14" is a run of numbers, not a date.
    if (i + 1 < text.size() && text[i] == separator && isAsciiDigit(text[i + 1]))
        return {};
    WrittenDate date;
    if (lengths[0] == 4 && lengths[1] <= 2 && lengths[2] <= 2)
        date = {WrittenDate::Known, parts[0], parts[1], parts[2]};
    else if (lengths[0] <= 2 && lengths[1] <= 2 && (lengths[2] == 2 || lengths[2] == 4))
        date = {WrittenDate::DayMonthOpen, widenYear(parts[2], lengths[2], lastYear), parts[0],
                parts[1]};
    return date;
}

// "June 12, 1982", "12 Jun 1982", "19-Nov-2025", "12. Juni 1982", "June 12th, 1982": the runs of
// letters and of digits of the compounds from `first` on.
WrittenDate namedDate(std::span<const Compound> compounds, std::size_t first, int lastYear)
{
    struct Part {
        QStringView text;
        bool digits = false;
        int compound = 0;
    };
    Part parts[4];
    int count = 0;
    for (std::size_t c = first; c < compounds.size() && count < 4; ++c) {
        const QStringView text = compounds[c].text;
        for (qsizetype i = 0; i < text.size() && count < 4;) {
            const bool digit = isAsciiDigit(text[i]);
            if (!digit && !text[i].isLetter()) {
                ++i;
                continue;
            }
            const qsizetype start = i;
            while (i < text.size() && (digit ? isAsciiDigit(text[i]) : text[i].isLetter()))
                ++i;
            parts[count++] = {text.sliced(start, i - start), digit, int(c)};
        }
        if (c == first && count == 0)
            return {};
    }

    auto day = [&](int p) { return p < count && parts[p].digits && parts[p].text.size() <= 2; };
    auto month
        = [&](int p) { return p < count && !parts[p].digits ? monthNamed(parts[p].text) : 0; };
    auto year = [&](int p) {
        return p < count && parts[p].digits
            && (parts[p].text.size() == 2 || parts[p].text.size() == 4);
    };
    // The "th" of "12th" or the "er" of "1er".
    auto afterDay = [&](int p) {
        return p < count && !parts[p].digits && parts[p].compound == parts[p - 1].compound
                && isOrdinalSuffix(parts[p].text)
            ? p + 1
            : p;
    };
    auto written = [&](int dayPart, int monthNumber, int yearPart) {
        const QStringView yearText = parts[yearPart].text;
        return WrittenDate {WrittenDate::Known,
                            widenYear(yearText.toInt(), int(yearText.size()), lastYear),
                            monthNumber, parts[dayPart].text.toInt(), parts[yearPart].compound};
    };

    if (day(0)) {
        const int m = afterDay(1);
        if (const int number = month(m); number > 0 && year(m + 1))
            return written(0, number, m + 1);
    } else if (const int number = month(0); number > 0 && day(1)) {
        const int y = afterDay(2);
        if (year(y))
            return written(1, number, y);
    }
    return {};
}

// The date that begins at compound `c`, if one does.
WrittenDate dateAt(std::span<const Compound> compounds, std::size_t c, int lastYear)
{
    WrittenDate date = numericDate(compounds[c].text, lastYear);
    if (date.form != WrittenDate::None)
        date.lastCompound = int(c);
    else
        date = namedDate(compounds, c, lastYear);
    if (date.form != WrittenDate::None) {
        date.firstCompound = int(c);
        date.column = compounds[c].column;
    }
    return date;
}

// The first date of the line, or the first that begins in column `column` when it is not 0.
// A date of pasted text may run on over the next pieces ("Sat 12 Jun 1982"); one in a file with a
// separator stays in its field.
WrittenDate findDate(std::span<const Compound> compounds, int column, bool separated, int lastYear)
{
    for (std::size_t c = 0; c < compounds.size(); ++c) {
        if (column > 0 && compounds[c].column != column)
            continue;
        std::span<const Compound> within = compounds;
        if (column > 0 && separated) {
            std::size_t end = c;
            while (end < compounds.size() && compounds[end].column == column)
                ++end;
            within = compounds.first(end);
        }
        const WrittenDate date = dateAt(within, c, lastYear);
        if (date.form != WrittenDate::None)
            return date;
    }
    return {};
}

// The whole numbers a compound stands for: "06", "(13)", "43,", "3-11-12", "3,11" where commas
// separate numbers, "-5" (out of range). Nothing for words, decimals, times and the like. Stores
// the first `room` of them in `numbers` and returns how many there are.
int wholeNumbers(QStringView text, bool commaJoins, int* numbers, int room)
{
    while (!text.isEmpty() && (text.front() == u'(' || text.front() == u'['))
        text = text.sliced(1);
    while (!text.isEmpty() && QStringView(u")].,;:*").contains(text.back()))
        text.chop(1);
    if (text.isEmpty())
        return 0;

    int values[DrawHistoryImport::MaxDrawnNumbers];
    int stored = 0;
    int count = 0;
    qsizetype i = 0;
    const bool negative = text.front() == u'-';
    if (negative)
        ++i;
    // "1,234,567" is one number in groups of three digits, too large for a draw either way.
    bool thousands = true;
    for (int group = 0;; ++group) {
        int value = 0;
        int length = 0;
        if (!readDigits(text, i, value, length))
            return 0;
        thousands = thousands && (group == 0 || (length == 3 && text[i - 4] == u','));
        if (stored < room)
            values[stored++] = negative && count == 0 ? -value : value;
        count = std::min(count + 1, MaxCounted);
        if (i == text.size()) {
            if (thousands && group > 0)
                return 0;
            break;
        }
        const QChar joint = text[i];
        if (joint != u'-' && joint != u'+' && !(joint == u',' && commaJoins))
            return 0;
        ++i;
    }
    std::copy(values, values + stored, numbers);
    return count;
}

// The numbers of a line: the first `wanted` of them, how many there are, and (when asked) the
// columns they stand in and how many each holds.
struct FoundNumbers {
    std::array<int, DrawHistoryImport::MaxDrawnNumbers> values {};
    int stored = 0;
    int count = 0;
    bool before = false; // taken from before the date
    std::vector<int>* columns = nullptr; // of every number
    std::vector<int>* takenColumns = nullptr; // of the numbers stored
    std::vector<int>* columnCounts = nullptr; // beside `columns`: the numbers in each

    void add(const Compound& compound, bool commaJoins, int wanted)
    {
        const int room = std::max(0, wanted - stored);
        const int found = wholeNumbers(compound.text, commaJoins, values.data() + stored, room);
        if (found == 0)
            return;
        auto note = [&compound](std::vector<int>* list) {
            if (list && (list->empty() || list->back() != compound.column))
                list->push_back(compound.column);
        };
        if (columnCounts && columns && !columns->empty() && columns->back() == compound.column)
            columnCounts->back() += found;
        else if (columnCounts)
            columnCounts->push_back(found);
        note(columns);
        if (room > 0)
            note(takenColumns);
        stored += std::min(found, room);
        count = std::min(count + found, MaxCounted);
    }
};

// What the dates of a file say about their day/month order.
struct OrderVotes {
    int dayFirst = 0; // dates such as 26/09/2020
    int monthFirst = 0; // dates such as 09/26/2020
    bool open = false; // a date such as 03/04/2025, which either order reads

    void add(const WrittenDate& date)
    {
        if (date.form != WrittenDate::DayMonthOpen || date.first == date.second)
            return;
        auto dayOrMonth = [](int value) { return value >= 1 && value <= 12; };
        auto dayOnly = [](int value) { return value > 12 && value <= 31; };
        dayFirst += dayOnly(date.first) && dayOrMonth(date.second);
        monthFirst += dayOrMonth(date.first) && dayOnly(date.second);
        open = open || (dayOrMonth(date.first) && dayOrMonth(date.second));
    }
};

// How every line is read, the same way in each pass over the input.
struct LineReader {
    char16_t separator = 0;
    bool commaJoins = false;
    int wanted = 0;
    int lastYear = 0; // two-digit years fall in the hundred years that end with it
    const Columns* given = nullptr;
    // The place of each column in the given list, -1 for one not given.
    std::vector<int> rank;
    mutable std::vector<std::pair<int, std::size_t>> picked;

    void rankGiven()
    {
        rank.assign(std::size_t(DrawHistoryImport::MaxColumn) + 1, -1);
        for (std::size_t i = 0; i < given->numbers.size(); ++i)
            rank[std::size_t(given->numbers[i])] = int(i);
    }

    struct Reading {
        WrittenDate date;
        FoundNumbers numbers;
        int columns = 0;
        bool dated() const { return date.form != WrittenDate::None; }
    };

    void read(QStringView line, std::vector<Compound>& compounds, Reading& reading) const
    {
        reading.columns = splitCompounds(line, separator, compounds);
        const std::span<const Compound> all(compounds);
        const WrittenDate& date = reading.date
            = findDate(all, given->date, separator != 0, lastYear);
        FoundNumbers& numbers = reading.numbers;
        const bool dated = reading.dated();
        if (!given->numbers.empty()) {
            // The given columns' compounds, in the order of the columns given.
            picked.clear();
            for (std::size_t c = 0; c < all.size(); ++c) {
                const int column = all[c].column;
                // In the date's own column only what follows the date ("1. 27.01.1957 8").
                const bool notAfterDate = dated && int(c) <= date.lastCompound
                    && (int(c) >= date.firstCompound || column == date.column);
                if (column <= DrawHistoryImport::MaxColumn && rank[std::size_t(column)] >= 0
                    && !notAfterDate)
                    picked.emplace_back(rank[std::size_t(column)], c);
            }
            std::sort(picked.begin(), picked.end());
            for (const auto& [place, c] : picked)
                numbers.add(all[c], commaJoins, wanted);
            return;
        }
        if (!dated) {
            for (const Compound& compound : all)
                numbers.add(compound, commaJoins, wanted);
            return;
        }
        for (std::size_t c = std::size_t(date.lastCompound) + 1; c < all.size(); ++c)
            numbers.add(all[c], commaJoins, wanted);
        if (numbers.count == 0) {
            // The date after the numbers.
            numbers.before = true;
            for (std::size_t c = 0; c < std::size_t(date.firstCompound); ++c)
                numbers.add(all[c], commaJoins, wanted);
        }
    }
};

// What a first pass over the lines finds out before any draw is taken.
struct Survey {
    OrderVotes votes;
    std::vector<int> dateColumns; // how many dates begin in each column
    std::array<int, MaxCounted + 1> rowsHolding {}; // dated rows by how many numbers they hold
    int dated = 0;
    int columns = 0; // the most any dated row has
    QString heading; // the last line above the first dated one that is not blank

    int dateColumn() const
    {
        return int(std::max_element(dateColumns.begin(), dateColumns.end()) - dateColumns.begin());
    }
};

// Where the system's short date format puts the day: the guess for a file that does not tell.
DateOrder systemDateOrder()
{
    const QString format = ShortDateFormat();
    const qsizetype day = format.indexOf(u'd');
    const qsizetype month = format.indexOf(u'M');
    return month >= 0 && month < day && !format.startsWith(u'y') ? DateOrder::MonthDay
                                                                 : DateOrder::DayMonth;
}

// Why a dated line is no draw of `shape`, and the value the reason names; nothing if it is one.
std::optional<std::pair<Reason, int>> problemOf(const FoundNumbers& numbers, const QDate& date,
                                                DrawHistoryImport::Shape shape, const QDate& today)
{
    if (!date.isValid() || date.year() < 1000 || date.year() > 9999)
        return std::pair {Reason::BadDate, 0};
    if (today.isValid() && date > today)
        return std::pair {Reason::FutureDate, 0};
    if (numbers.stored < shape.drawnNumbers())
        return std::pair {Reason::TooFewNumbers, numbers.count};
    const auto first = numbers.values.begin();
    const auto main = first + shape.numbersPerDraw;
    const auto end = first + shape.drawnNumbers();
    const auto out
        = std::find_if(first, main, [&](int n) { return n < 1 || n > shape.highestNumber; });
    if (out != main)
        return std::pair {Reason::NumberOutOfRange, *out};
    const auto extraOut = std::find_if(
        main, end, [&](int n) { return n < shape.extraMin() || n > shape.extraMax(); });
    if (extraOut != end && shape.hasOwnPool())
        return std::pair {Reason::ExtraOutOfRange, *extraOut};
    if (extraOut != end)
        return std::pair {Reason::NumberOutOfRange, *extraOut};
    // A bonus ball is drawn from what the main numbers left; an own pool is drawn apart.
    std::array<bool, DrawHistoryImport::MaxHighestNumber + 1> seen {};
    const auto drawn = [&seen](int n) { return std::exchange(seen[std::size_t(n)], true); };
    if (const auto twice = std::find_if(first, main, drawn); twice != main)
        return std::pair {Reason::RepeatedNumber, *twice};
    if (shape.hasOwnPool())
        seen = {};
    if (const auto twice = std::find_if(main, end, drawn); twice != end)
        return std::pair {Reason::RepeatedNumber, *twice};
    return std::nullopt;
}

// "12" as a column number; 0 unless it is one from 1 to MaxColumn.
int columnNumber(QStringView text)
{
    text = text.trimmed();
    if (text.isEmpty() || text.size() > 4 || !std::all_of(text.begin(), text.end(), isAsciiDigit))
        return 0;
    return text.toInt();
}

QString columnsRefusal(int count, bool before, const std::vector<int>& columns, int wanted)
{
    const bool one = columns.size() == 1;
    const QString text = before
        ? (one ? QStringLiteral(
               "The rows hold %1 numbers before the date (column %2), more than the %3 drawn: choose the columns of the drawn numbers.")
               : QStringLiteral(
                   "The rows hold %1 numbers before the date (columns %2), more than the %3 drawn: choose the columns of the drawn numbers."))
        : (one ? QStringLiteral(
               "The rows hold %1 numbers after the date (column %2), more than the %3 drawn: choose the columns of the drawn numbers.")
               : QStringLiteral(
                   "The rows hold %1 numbers after the date (columns %2), more than the %3 drawn: choose the columns of the drawn numbers."));
    return text.arg(QString::number(count), DrawHistoryImport::ColumnsText(columns),
                    QString::number(wanted));
}

} // namespace

DrawHistoryImport::DrawHistoryImport(const QByteArray& bytes, Shape shape, const QDate& today,
                                     DateOrder dateOrder)
    : DrawHistoryImport(bytes, shape, today, dateOrder, Columns())
{
}

DrawHistoryImport::DrawHistoryImport(const QByteArray& bytes, Shape shape, const QDate& today,
                                     DateOrder dateOrder, Columns columns)
    : m_shape(shape), m_today(today), m_dateOrder(dateOrder), m_columnsUsed(columns)
{
    m_refusal = shapeRefusal();
    // The pool of a shape without extra numbers is nobody's: compared shapes leave it out.
    if (m_refusal.isEmpty())
        m_shape = m_shape.clamped();
    if (m_refusal.isEmpty() && bytes.size() > MaxBytes)
        m_refusal = QStringLiteral("The file is larger than 64 MB: it is no draw history.");
    const auto outside = [](int column) { return column < 1 || column > MaxColumn; };
    if (m_refusal.isEmpty()
        && (columns.date < 0 || columns.date > MaxColumn
            || std::any_of(columns.numbers.begin(), columns.numbers.end(), outside)))
        m_refusal = QStringLiteral("Columns are counted from 1 to 9999.");
    if (m_refusal.isEmpty())
        read(bytes, columns);
}

QString DrawHistoryImport::shapeRefusal() const
{
    if (!LotteryShape::isNumbersPerDraw(m_shape.numbersPerDraw))
        return QStringLiteral(
            "The draw database holds lotteries of 1 to 20 numbers per draw only.");
    if (!LotteryShape::isHighestNumber(m_shape.highestNumber))
        return QStringLiteral("The draw database holds lotteries with numbers up to 99 only.");
    if (m_shape.extraNumbers < 0 || m_shape.extraNumbers > LotteryShape::MaxExtraNumbers)
        return QStringLiteral("The draw database holds lotteries of 0 to 2 extra numbers only.");
    if (m_shape.hasOwnPool()
        && (m_shape.extraLowest < 0 || m_shape.extraLowest > 1 || m_shape.extraHighest < 1
            || m_shape.extraHighest > LotteryShape::MaxExtraHighest
            || m_shape.extraHighest - m_shape.extraLowest + 1 < m_shape.extraNumbers))
        // A pool of 0 alone would read back from the draw file as the main pool's.
        return QStringLiteral(
            "The extra numbers' own pool runs from 0 or 1 up to a number from 1 to 50, and holds at least as many numbers as are drawn from it.");
    // A bonus ball comes from what the main numbers leave.
    if (m_shape.mainPoolNumbers() > m_shape.highestNumber)
        return QStringLiteral(
            "A draw cannot hold more numbers than there are from 1 to the highest number.");
    return {};
}

// Two passes over the lines, each decoding one line at a time: the first decides what holds for
// the whole file (the order of day and month, the column of the dates, whether the rows hold more
// numbers than a draw), the second takes the draws.
void DrawHistoryImport::read(const QByteArray& bytes, const Columns& given)
{
    const LineSource source(bytes);
    m_separator = detectSeparator(source);
    const int wanted = m_shape.drawnNumbers();
    // A history holds past draws: a two-digit year is at most next year.
    LineReader reader {separatorChar(m_separator),
                       m_separator == Separator::Blanks || m_separator == Separator::Comma,
                       wanted,
                       m_today.year() + 1,
                       &given,
                       {},
                       {}};
    reader.rankGiven();
    std::vector<Compound> compounds;

    Survey survey;
    source.forEach([&](QStringView line, int) {
        LineReader::Reading reading;
        reader.read(line, compounds, reading);
        if (!reading.dated()) {
            if (survey.dated == 0 && !compounds.empty())
                survey.heading = line.toString();
            return;
        }
        ++survey.dated;
        survey.votes.add(reading.date);
        // Columns beyond those a user can name count as one.
        const auto column = std::size_t(std::min(reading.date.column, MaxColumn + 1));
        if (survey.dateColumns.size() <= column)
            survey.dateColumns.resize(column + 1);
        ++survey.dateColumns[column];
        ++survey.rowsHolding[std::size_t(reading.numbers.count)];
        survey.columns = std::max(survey.columns, reading.columns);
    });

    m_columnCount = survey.columns;
    const int dateColumn = given.date > 0 ? given.date : survey.dateColumn();
    m_columnsUsed.date = dateColumn;
    if (!survey.heading.isEmpty()) {
        splitCompounds(survey.heading, reader.separator, compounds);
        for (const Compound& compound : compounds) {
            if (compound.column > MaxColumn)
                break;
            if (m_headings.size() < compound.column)
                m_headings.resize(compound.column);
            QString& heading = m_headings[compound.column - 1];
            heading
                += (heading.isEmpty() ? QString() : QStringLiteral(" ")) + compound.text.toString();
        }
    }
    if (m_dateOrder == DateOrder::FromFile) {
        const OrderVotes& votes = survey.votes;
        if (votes.dayFirst != votes.monthFirst) {
            m_dateOrder
                = votes.dayFirst > votes.monthFirst ? DateOrder::DayMonth : DateOrder::MonthDay;
        } else {
            m_dateOrder = systemDateOrder();
            m_dateOrderUndecided = votes.open || votes.dayFirst > 0;
        }
    }

    // Most rows hold more numbers than a draw: which ones are drawn is the user's to say.
    const auto& holding = survey.rowsHolding;
    const auto more = holding.begin() + wanted + 1;
    if (given.numbers.empty() && std::accumulate(more, holding.end(), 0) > holding[wanted]) {
        const int typical = int(std::max_element(more, holding.end()) - holding.begin());
        std::vector<int> seen;
        std::vector<int> counts;
        bool before = false;
        source.forEach([&](QStringView line, int) {
            if (before || !m_columnsUsed.numbers.empty())
                return;
            LineReader::Reading reading;
            seen.clear();
            counts.clear();
            reading.numbers.columns = &seen;
            reading.numbers.columnCounts = &counts;
            reader.read(line, compounds, reading);
            if (reading.dated() && reading.numbers.count == typical) {
                m_columnsUsed.numbers = seen;
                before = reading.numbers.before;
            }
        });
        // One field that holds a whole draw ("11 21 27 36 62 24" beside a multiplier) is the
        // draw's: read again from it alone.
        const auto whole = [wanted](int count) { return count == wanted; };
        if (wanted >= 2 && !before && std::count_if(counts.begin(), counts.end(), whole) == 1) {
            const auto field = std::find_if(counts.begin(), counts.end(), whole);
            const int column = m_columnsUsed.numbers[std::size_t(field - counts.begin())];
            m_columnsUsed.numbers = {column};
            m_headings.clear();
            read(bytes, Columns {given.date, {column}});
            return;
        }
        m_columnsNeeded = true;
        m_refusal = columnsRefusal(typical, before, m_columnsUsed.numbers, wanted);
        return;
    }

    m_draws.reserve(std::size_t(survey.dated));
    int rising = 0;
    int falling = 0;
    const bool dayFirst = m_dateOrder == DateOrder::DayMonth;
    std::vector<int> taken;
    source.forEach([&](QStringView line, int number) {
        LineReader::Reading reading;
        if (m_draws.empty() && given.numbers.empty()) {
            taken.clear();
            reading.numbers.takenColumns = &taken;
        }
        reader.read(line, compounds, reading);
        const FoundNumbers& numbers = reading.numbers;
        const auto skip = [&](Reason reason, int value) {
            m_skipped.push_back({number, reason, value, ShownText(line, SkippedTextLength)});
        };
        if (!reading.dated()) {
            // A line that holds a draw but no date: a bad date where the dates stand, or none at
            // all; otherwise a header or a heading.
            if (numbers.count < wanted) {
                ++m_ignoredLines;
            } else if (!reader.separator) {
                skip(Reason::BadDate, 0);
            } else {
                bool cell = false;
                bool digit = false;
                for (const Compound& compound : compounds) {
                    if (compound.column == dateColumn) {
                        cell = true;
                        digit = digit
                            || std::any_of(compound.text.begin(), compound.text.end(),
                                           isAsciiDigit);
                    }
                }
                if (!cell)
                    skip(Reason::NoDate, 0);
                else if (digit)
                    skip(Reason::BadDate, 0);
                else
                    ++m_ignoredLines;
            }
            return;
        }
        const WrittenDate& written = reading.date;
        const QDate date = written.form == WrittenDate::Known
            ? QDate(written.year, written.first, written.second)
            : QDate(written.year, dayFirst ? written.second : written.first,
                    dayFirst ? written.first : written.second);
        if (const auto problem = problemOf(numbers, date, m_shape, m_today)) {
            skip(problem->first, problem->second);
            return;
        }
        Draw draw {std::int32_t(date.toJulianDay()), {}, number};
        std::copy(numbers.values.begin(), numbers.values.begin() + wanted, draw.numbers.begin());
        if (m_draws.empty()) {
            if (given.numbers.empty())
                m_columnsUsed.numbers = taken;
        } else {
            rising += m_draws.back().day < draw.day;
            falling += m_draws.back().day > draw.day;
        }
        m_draws.push_back(draw);
    });
    keepDraws(falling > rising);
}

void DrawHistoryImport::keepDraws(bool newestFirst)
{
    // Draws of one date (a midday and an evening draw) stay in the order they were drawn.
    const auto earlier = [newestFirst](const Draw& a, const Draw& b) {
        if (a.day != b.day)
            return a.day < b.day;
        return newestFirst ? a.line > b.line : a.line < b.line;
    };
    if (!std::is_sorted(m_draws.begin(), m_draws.end(), earlier))
        std::sort(m_draws.begin(), m_draws.end(), earlier);

    // The same main and extra numbers twice on one date, in whatever order: the first is kept.
    using Key = std::array<std::uint8_t, MaxDrawnNumbers>;
    const auto main = std::ptrdiff_t(m_shape.numbersPerDraw);
    const auto drawn = std::ptrdiff_t(m_shape.drawnNumbers());
    std::vector<std::pair<Key, std::size_t>> sameDate;
    for (std::size_t first = 0; first < m_draws.size();) {
        std::size_t end = first + 1;
        while (end < m_draws.size() && m_draws[end].day == m_draws[first].day)
            ++end;
        if (end - first > 1) {
            sameDate.clear();
            for (std::size_t i = first; i < end; ++i) {
                Key key = m_draws[i].numbers;
                std::sort(key.begin(), key.begin() + main);
                std::sort(key.begin() + main, key.begin() + drawn);
                sameDate.emplace_back(key, i);
            }
            std::sort(sameDate.begin(), sameDate.end());
            for (std::size_t j = 1; j < sameDate.size(); ++j) {
                if (sameDate[j].first == sameDate[j - 1].first) {
                    m_draws[sameDate[j].second].line = 0; // lines count from 1
                    ++m_duplicates;
                }
            }
        }
        first = end;
    }
    if (m_duplicates > 0)
        std::erase_if(m_draws, [](const Draw& draw) { return draw.line == 0; });
}

QString DrawHistoryImport::columnHeading(int column) const
{
    return column >= 1 && column <= m_headings.size() ? m_headings[column - 1] : QString();
}

std::optional<DrawHistoryImport::Columns> DrawHistoryImport::ParseColumns(const QString& text,
                                                                          int date)
{
    if (date < 0 || date > MaxColumn)
        return std::nullopt;
    Columns columns {date, {}};
    std::vector<bool> named(MaxColumn + 1, false);
    for (const QStringView item : QStringView(text).split(u',')) {
        const qsizetype dash = item.indexOf(u'-');
        const int from = columnNumber(dash < 0 ? item : item.first(dash));
        const int to = dash < 0 ? from : columnNumber(item.sliced(dash + 1));
        if (from == 0 || to < from)
            return std::nullopt;
        for (int column = from; column <= to; ++column) {
            if (named[std::size_t(column)])
                return std::nullopt;
            named[std::size_t(column)] = true;
            columns.numbers.push_back(column);
        }
    }
    return columns;
}

QString DrawHistoryImport::ColumnsText(const std::vector<int>& numbers)
{
    QStringList parts;
    for (std::size_t i = 0; i < numbers.size();) {
        std::size_t end = i + 1;
        while (end < numbers.size() && numbers[end] == numbers[end - 1] + 1)
            ++end;
        parts.append(end - i > 1 ? QStringLiteral("%1-%2").arg(numbers[i]).arg(numbers[end - 1])
                                 : QString::number(numbers[i]));
        i = end;
    }
    return parts.join(u',');
}

QString DrawHistoryImport::reasonText(const SkippedLine& skipped) const
{
    switch (skipped.reason) {
    case SkipReason::BadDate:
        return QStringLiteral("bad date");
    case SkipReason::TooFewNumbers:
        return QStringLiteral("too few numbers (%1 of %2)")
            .arg(skipped.value)
            .arg(m_shape.drawnNumbers());
    case SkipReason::NumberOutOfRange:
        return QStringLiteral("number %1 is not from 1 to %2")
            .arg(skipped.value)
            .arg(m_shape.highestNumber);
    case SkipReason::ExtraOutOfRange:
        return QStringLiteral("number %1 is not from %2 to %3")
            .arg(skipped.value)
            .arg(m_shape.extraMin())
            .arg(m_shape.extraMax());
    case SkipReason::RepeatedNumber:
        return QStringLiteral("number %1 is repeated").arg(skipped.value);
    case SkipReason::NoDate:
        return QStringLiteral("no date");
    case SkipReason::FutureDate:
        return QStringLiteral("date after today");
    }
    return {};
}

int DrawHistoryImport::recordFields() const
{
    return std::max(DrawRecords::ClassicFields, m_shape.drawnNumbers());
}

DrawRecords DrawHistoryImport::records() const
{
    DrawRecords records(recordFields());
    records.reserve(int(m_draws.size()));
    for (const Draw& draw : m_draws)
        records.append(draw.date(), draw.numbers);
    return records;
}

DrawHistoryImport::Merged DrawHistoryImport::mergedWith(const DrawRecords& existing,
                                                        int newest) const
{
    using Numbers = std::array<int, MaxDrawnNumbers>;
    const std::size_t fields = std::size_t(m_shape.drawnNumbers());
    const auto main = std::ptrdiff_t(m_shape.numbersPerDraw);
    // A draw as the merge tells draws apart: its day, its main numbers in ascending order, then
    // its extra numbers in ascending order.
    struct Stored {
        qint64 day;
        Numbers key;
        int record;
    };
    const auto keyOf = [fields, main](auto numbers) {
        Numbers key {};
        std::copy_n(numbers.begin(), std::min(fields, std::size_t(numbers.size())), key.begin());
        std::sort(key.begin(), key.begin() + main);
        std::sort(key.begin() + main, key.begin() + std::ptrdiff_t(fields));
        return key;
    };
    std::vector<Stored> stored;
    stored.reserve(std::size_t(existing.size()));
    for (int record = 1; record <= existing.size(); ++record)
        stored.push_back(
            {existing.date(record).toJulianDay(), keyOf(existing.numbers(record)), record});
    std::sort(stored.begin(), stored.end(), [](const Stored& a, const Stored& b) {
        return std::tie(a.day, a.record) < std::tie(b.day, b.record);
    });

    Merged merged;
    merged.records = DrawRecords(std::max(recordFields(), existing.fields()));
    const std::size_t taken
        = newest > 0 ? std::min(std::size_t(newest), m_draws.size()) : m_draws.size();
    const std::size_t first = m_draws.size() - taken;
    merged.leftOut = int(first);
    merged.duplicates = m_duplicates;
    // One bit a draw: a million-draw import must stay small beside its history.
    std::vector<bool> added(m_draws.size(), false);
    for (std::size_t i = first; i < m_draws.size(); ++i) {
        const Draw& draw = m_draws[i];
        const qint64 day = draw.day;
        const auto from = std::lower_bound(stored.begin(), stored.end(), day,
                                           [](const Stored& s, qint64 d) { return s.day < d; });
        const auto to = std::upper_bound(from, stored.end(), day,
                                         [](qint64 d, const Stored& s) { return d < s.day; });
        if (from == to) {
            added[i] = true;
            ++merged.added;
            continue;
        }
        const Numbers key = keyOf(draw.numbers);
        if (std::any_of(from, to, [&key](const Stored& s) { return s.key == key; })) {
            ++merged.duplicates;
            continue;
        }
        Conflict conflict {draw.date(), {}, {}, draw.line};
        std::copy(draw.numbers.begin(), draw.numbers.end(), conflict.imported.begin());
        const auto storedNumbers = existing.numbers(from->record);
        std::copy_n(storedNumbers.begin(), std::min(fields, storedNumbers.size()),
                    conflict.stored.begin());
        merged.conflicts.push_back(conflict);
    }

    // Both runs are sorted by date: the store's, and the history's draws (oldest first).
    merged.records.reserve(existing.size() + merged.added);
    std::size_t next = first;
    const auto appendAddedBefore = [&](qint64 day) {
        for (; next < m_draws.size() && m_draws[next].day < day; ++next)
            if (added[next])
                merged.records.append(m_draws[next].date(), m_draws[next].numbers);
    };
    for (const Stored& record : stored) {
        appendAddedBefore(record.day);
        merged.records.append(existing.date(record.record), existing.numbers(record.record));
    }
    appendAddedBefore(std::numeric_limits<qint64>::max());
    return merged;
}

QString DrawHistoryImport::mergeRefusal(const DrawStore& store) const
{
    const LotteryShape stored = store.shape();
    if (store.RecCount() == 0 || stored == m_shape)
        return {};
    if (stored.extraNumbers > 0 || m_shape.extraNumbers > 0)
        return QStringLiteral(
                   "The database holds draws of %1, not %2: replace it instead, or import with its numbers.")
            .arg(ShapeName(stored), ShapeName(m_shape));
    return QStringLiteral(
               "The database holds draws of %1 numbers from 1 to %2, not %3 from 1 to %4: replace it instead, or import with its numbers.")
        .arg(QString::number(stored.numbersPerDraw), QString::number(stored.highestNumber),
             QString::number(m_shape.numbersPerDraw), QString::number(m_shape.highestNumber));
}
