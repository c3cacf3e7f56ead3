#include "DrawHistoryImport.h"

#include "core/common/TextFormat.h"
#include "core/common/Windows1252.h"

#include <QHash>
#include <QStringConverter>
#include <QStringDecoder>

#include <algorithm>
#include <optional>
#include <tuple>
#include <utility>

namespace {

using Separator = DrawHistoryImport::Separator;
using DateOrder = DrawHistoryImport::DateOrder;

constexpr int MaxValue = 9999999; // longer digit runs are clipped: out of range either way
constexpr int FieldBits = 64; // fields tracked for the header test; later ones count as the last
constexpr qsizetype SkippedTextLength = 200;

// A byte order mark names the encoding; otherwise UTF-8 when the bytes are valid UTF-8, which
// files of plain ASCII also are, else the Windows ANSI code page, which any bytes are.
QString decode(const QByteArray& bytes)
{
    if (const std::optional<QStringConverter::Encoding> marked
        = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*marked); // drops the byte order mark
        return decoder.decode(bytes);
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? DecodeWindows1252(bytes) : text;
}

// Calls `use(line, number)` for every line, with CR LF, LF and CR each ending one.
template <typename Use> void forEachLine(QStringView text, Use use)
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

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

QChar separatorChar(Separator separator)
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
    return QChar();
}

// The separator that most lines hold outside double quotes; on a tie the one less likely to stand
// inside a value (a comma may be a decimal comma).
Separator detectSeparator(QStringView text)
{
    const Separator candidates[] = {Separator::Tab, Separator::Semicolon, Separator::Comma};
    int lines[3] = {0, 0, 0};
    forEachLine(text, [&](QStringView line, int) {
        bool seen[3] = {false, false, false};
        bool quoted = false;
        for (QChar c : line) {
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

// A piece of a line between blanks, double quotes and separators.
struct Compound {
    QStringView text;
    int field = 0;
};

void splitCompounds(QStringView line, QChar separator, std::vector<Compound>& compounds)
{
    compounds.clear();
    bool quoted = false;
    int field = 0;
    qsizetype start = -1;
    auto close = [&](qsizetype end) {
        if (start >= 0)
            compounds.push_back({line.sliced(start, end - start), std::min(field, FieldBits - 1)});
        start = -1;
    };
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'"') {
            close(i);
            quoted = !quoted;
        } else if (!quoted && c == separator && !separator.isNull()) {
            close(i);
            ++field;
        } else if (c.isSpace()) {
            close(i);
        } else if (start < 0) {
            start = i;
        }
    }
    close(line.size());
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
    if (digits != 2)
        return year;
    const int last = lastYear;
    const int widened = last / 100 * 100 + year;
    return widened > last ? widened - 100 : widened;
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
    int field = 0;
};

// "19.11.2025", "09/26/2020", "2025-11-19", "2025.02.08", "2025-01-04T00:00:00.000", "12-06-82".
WrittenDate numericDate(QStringView text, int lastYear)
{
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
WrittenDate namedDate(const std::vector<Compound>& compounds, std::size_t first, int lastYear)
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

// The first date of the line.
WrittenDate findDate(const std::vector<Compound>& compounds, int lastYear)
{
    for (std::size_t c = 0; c < compounds.size(); ++c) {
        WrittenDate date = numericDate(compounds[c].text, lastYear);
        if (date.form != WrittenDate::None)
            date.lastCompound = int(c);
        else
            date = namedDate(compounds, c, lastYear);
        if (date.form != WrittenDate::None) {
            date.field = compounds[c].field;
            return date;
        }
    }
    return {};
}

// The whole numbers a compound stands for: "06", "(13)", "43,", "3-11-12", "3,11" where commas
// separate numbers, "-5" (out of range). Nothing for words, decimals, times and the like.
int wholeNumbers(QStringView text, bool commaJoins, int* numbers, int room)
{
    while (!text.isEmpty() && (text.front() == u'(' || text.front() == u'['))
        text = text.sliced(1);
    while (!text.isEmpty() && QStringView(u")].,;:*").contains(text.back()))
        text.chop(1);
    if (text.isEmpty())
        return 0;

    int values[DrawHistoryImport::MaxNumbersPerDraw];
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
        if (count < room) {
            values[count] = negative && count == 0 ? -value : value;
            ++count;
        }
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
    std::copy(values, values + count, numbers);
    return count;
}

// Up to `room` whole numbers from the compounds from `first` on.
int collectNumbers(const std::vector<Compound>& compounds, std::size_t first, bool commaJoins,
                   int* numbers, int room)
{
    int count = 0;
    for (std::size_t c = first; c < compounds.size() && count < room; ++c)
        count += wholeNumbers(compounds[c].text, commaJoins, numbers + count, room - count);
    return count;
}

quint64 fieldsWithDigits(const std::vector<Compound>& compounds)
{
    quint64 fields = 0;
    for (const Compound& compound : compounds)
        if (std::any_of(compound.text.begin(), compound.text.end(), isAsciiDigit))
            fields |= quint64(1) << compound.field;
    return fields;
}

// Where the system's short date format puts the day: the guess for a file that does not tell.
DateOrder systemDateOrder()
{
    const QString format = ShortDateFormat();
    const qsizetype day = format.indexOf(u'd');
    const qsizetype month = format.indexOf(u'M');
    return month >= 0 && month < day && !format.startsWith(u'y') ? DateOrder::MonthDay
                                                                 : DateOrder::DayMonth;
}

// Records sorted by date and deduplicated: an entry per draw with its date and its numbers in
// ascending order as the duplicate key; `position` orders draws of one date.
struct Entry {
    qint64 day = 0;
    std::array<double, DrawHistoryImport::MaxNumbersPerDraw> key {};
    int position = 0;
};

// The positions of the entries kept, oldest first, and how many were duplicates.
std::vector<int> sortedUnique(std::vector<Entry> entries, int& duplicates)
{
    for (Entry& entry : entries)
        std::sort(entry.key.begin(), entry.key.end());
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return std::tie(a.day, a.key, a.position) < std::tie(b.day, b.key, b.position);
    });
    const auto sameDraw
        = [](const Entry& a, const Entry& b) { return a.day == b.day && a.key == b.key; };
    const auto end = std::unique(entries.begin(), entries.end(), sameDraw);
    duplicates = int(entries.end() - end);
    entries.erase(end, entries.end());
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return std::tie(a.day, a.position) < std::tie(b.day, b.position);
    });
    std::vector<int> positions;
    positions.reserve(entries.size());
    for (const Entry& entry : entries)
        positions.push_back(entry.position);
    return positions;
}

Entry entryOf(const DrawHistoryImport::Draw& draw, int position)
{
    Entry entry {draw.date.toJulianDay(), {}, position};
    std::copy(draw.numbers.begin(), draw.numbers.end(), entry.key.begin());
    return entry;
}

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

struct DatedLine {
    QStringView text;
    int line = 0;
    WrittenDate date;
    std::array<int, DrawHistoryImport::MaxNumbersPerDraw> numbers {};
    int count = 0;
};

// A line without a date that holds enough numbers to be a draw; whether it is depends on the
// column of the dates.
struct UndatedLine {
    QStringView text;
    int line = 0;
    quint64 digitFields = 0;
};

struct ScannedLines {
    std::vector<DatedLine> dated;
    std::vector<UndatedLine> undated;
    OrderVotes votes;
    int fieldCounts[FieldBits] = {};
    int ignored = 0;
};

// Every line's date as written and the numbers after it; a two-digit year is one of the hundred
// years that end with `lastYear`.
ScannedLines scanLines(QStringView text, Separator separator, int wanted, int lastYear)
{
    const QChar separatorCharacter = separatorChar(separator);
    const bool commaJoins = separator == Separator::Blanks || separator == Separator::Comma;
    ScannedLines scanned;
    std::vector<Compound> compounds;
    forEachLine(text, [&](QStringView line, int number) {
        splitCompounds(line, separatorCharacter, compounds);
        DatedLine dated {line, number, findDate(compounds, lastYear), {}, 0};
        if (dated.date.form == WrittenDate::None) {
            int numbers[DrawHistoryImport::MaxNumbersPerDraw];
            if (collectNumbers(compounds, 0, commaJoins, numbers, wanted) == wanted)
                scanned.undated.push_back({line, number, fieldsWithDigits(compounds)});
            else
                ++scanned.ignored;
            return;
        }
        ++scanned.fieldCounts[dated.date.field];
        scanned.votes.add(dated.date);
        dated.count = collectNumbers(compounds, std::size_t(dated.date.lastCompound) + 1,
                                     commaJoins, dated.numbers.data(), wanted);
        scanned.dated.push_back(dated);
    });
    return scanned;
}

DrawHistoryImport::SkippedLine skippedLine(QStringView text, int line,
                                           DrawHistoryImport::SkipReason reason, int value = 0)
{
    return {line, reason, value, text.trimmed().left(SkippedTextLength).toString()};
}

// Why a dated line is no draw of `shape`, if it is not.
std::optional<DrawHistoryImport::SkippedLine> problemOf(const DatedLine& line, const QDate& date,
                                                        DrawHistoryImport::Shape shape)
{
    using Reason = DrawHistoryImport::SkipReason;
    if (!date.isValid() || date.year() < 1000 || date.year() > 9999)
        return skippedLine(line.text, line.line, Reason::BadDate);
    if (line.count < shape.numbersPerDraw)
        return skippedLine(line.text, line.line, Reason::TooFewNumbers, line.count);
    const auto numbers = line.numbers.begin();
    const auto end = numbers + line.count;
    const auto out
        = std::find_if(numbers, end, [&](int n) { return n < 1 || n > shape.highestNumber; });
    if (out != end)
        return skippedLine(line.text, line.line, Reason::NumberOutOfRange, *out);
    std::array<bool, DrawHistoryImport::MaxHighestNumber + 1> seen {};
    const auto twice = std::find_if(
        numbers, end, [&](int n) { return std::exchange(seen[std::size_t(n)], true); });
    if (twice != end)
        return skippedLine(line.text, line.line, Reason::RepeatedNumber, *twice);
    return std::nullopt;
}

} // namespace

DrawHistoryImport::DrawHistoryImport(const QByteArray& bytes, Shape shape, const QDate& today,
                                     DateOrder dateOrder)
    : m_shape(shape), m_today(today), m_dateOrder(dateOrder)
{
    m_refusal = shapeRefusal();
    if (m_refusal.isEmpty() && bytes.size() > MaxBytes)
        m_refusal = QStringLiteral("The file is larger than 8 MB: it is no draw history.");
    if (m_refusal.isEmpty())
        read(decode(bytes));
}

QString DrawHistoryImport::shapeRefusal() const
{
    if (!LotteryShape::isNumbersPerDraw(m_shape.numbersPerDraw))
        return QStringLiteral(
            "The draw database holds lotteries of 1 to 10 numbers per draw only.");
    if (!LotteryShape::isHighestNumber(m_shape.highestNumber))
        return QStringLiteral("The draw database holds lotteries with numbers up to 60 only.");
    if (m_shape.numbersPerDraw > m_shape.highestNumber)
        return QStringLiteral(
            "A draw cannot hold more numbers than there are from 1 to the highest number.");
    return {};
}

void DrawHistoryImport::read(const QString& text)
{
    m_separator = detectSeparator(text);
    // A history holds past draws: a two-digit year is at most next year.
    const ScannedLines scanned
        = scanLines(text, m_separator, m_shape.numbersPerDraw, m_today.year() + 1);
    m_ignoredLines = scanned.ignored;
    if (m_dateOrder == DateOrder::FromFile) {
        const OrderVotes& votes = scanned.votes;
        if (votes.dayFirst != votes.monthFirst) {
            m_dateOrder
                = votes.dayFirst > votes.monthFirst ? DateOrder::DayMonth : DateOrder::MonthDay;
        } else {
            m_dateOrder = systemDateOrder();
            m_dateOrderUndecided = votes.open || votes.dayFirst > 0;
        }
    }

    // A line without a date holding a digit where the dates stand is a draw with a bad date;
    // otherwise it is a header or a heading.
    const int dateField = int(std::max_element(scanned.fieldCounts, scanned.fieldCounts + FieldBits)
                              - scanned.fieldCounts);
    for (const UndatedLine& line : scanned.undated) {
        if (line.digitFields & (quint64(1) << dateField))
            m_skipped.push_back(skippedLine(line.text, line.line, SkipReason::BadDate));
        else
            ++m_ignoredLines;
    }

    std::vector<Draw> draws;
    draws.reserve(scanned.dated.size());
    int rising = 0;
    int falling = 0;
    const bool dayFirst = m_dateOrder == DateOrder::DayMonth;
    for (const DatedLine& line : scanned.dated) {
        const WrittenDate& written = line.date;
        const QDate date = written.form == WrittenDate::Known
            ? QDate(written.year, written.first, written.second)
            : QDate(written.year, dayFirst ? written.second : written.first,
                    dayFirst ? written.first : written.second);
        if (std::optional<SkippedLine> problem = problemOf(line, date, m_shape)) {
            m_skipped.push_back(std::move(*problem));
            continue;
        }
        if (!draws.empty()) {
            rising += draws.back().date < date;
            falling += draws.back().date > date;
        }
        draws.push_back({date, line.numbers, line.line});
    }
    std::sort(m_skipped.begin(), m_skipped.end(),
              [](const SkippedLine& a, const SkippedLine& b) { return a.line < b.line; });
    keepDraws(std::move(draws), falling > rising);
}

void DrawHistoryImport::keepDraws(std::vector<Draw> draws, bool newestFirst)
{
    // Draws of one date (a midday and an evening draw) stay in the order they were drawn.
    if (newestFirst)
        std::reverse(draws.begin(), draws.end());
    std::vector<Entry> entries;
    entries.reserve(draws.size());
    for (std::size_t i = 0; i < draws.size(); ++i)
        entries.push_back(entryOf(draws[i], int(i)));
    const std::vector<int> kept = sortedUnique(std::move(entries), m_duplicates);
    m_draws.reserve(kept.size());
    for (int position : kept)
        m_draws.push_back(draws[std::size_t(position)]);
}

QString DrawHistoryImport::reasonText(const SkippedLine& skipped) const
{
    switch (skipped.reason) {
    case SkipReason::BadDate:
        return QStringLiteral("bad date");
    case SkipReason::TooFewNumbers:
        return QStringLiteral("too few numbers (%1 of %2)")
            .arg(skipped.value)
            .arg(m_shape.numbersPerDraw);
    case SkipReason::NumberOutOfRange:
        return QStringLiteral("number %1 is not from 1 to %2")
            .arg(skipped.value)
            .arg(m_shape.highestNumber);
    case SkipReason::RepeatedNumber:
        return QStringLiteral("number %1 is repeated").arg(skipped.value);
    }
    return {};
}

DrawRecords DrawHistoryImport::records() const
{
    DrawRecords records;
    records.reserve(int(m_draws.size()));
    for (const Draw& draw : m_draws)
        records.append(draw.date, draw.numbers);
    return records;
}

DrawHistoryImport::Merged DrawHistoryImport::mergedWith(const DrawRecords& existing,
                                                        int newest) const
{
    using Numbers = std::array<int, MaxNumbersPerDraw>;
    const std::size_t fields = std::size_t(m_shape.numbersPerDraw);
    // A draw as the merge tells draws apart: its day and its numbers in ascending order.
    struct Stored {
        qint64 day;
        Numbers key;
        int record;
    };
    const auto keyOf = [fields](auto numbers) {
        Numbers key {};
        std::copy_n(numbers.begin(), std::min(fields, std::size_t(numbers.size())), key.begin());
        std::sort(key.begin(), key.begin() + qsizetype(fields));
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
    const std::size_t taken
        = newest > 0 ? std::min(std::size_t(newest), m_draws.size()) : m_draws.size();
    const std::size_t first = m_draws.size() - taken;
    merged.leftOut = int(first);
    merged.duplicates = m_duplicates;
    std::vector<std::size_t> added;
    for (std::size_t i = first; i < m_draws.size(); ++i) {
        const Draw& draw = m_draws[i];
        const qint64 day = draw.date.toJulianDay();
        const auto from = std::lower_bound(stored.begin(), stored.end(), day,
                                           [](const Stored& s, qint64 d) { return s.day < d; });
        const auto to = std::upper_bound(from, stored.end(), day,
                                         [](qint64 d, const Stored& s) { return d < s.day; });
        if (from == to) {
            added.push_back(i);
            continue;
        }
        const Numbers key = keyOf(draw.numbers);
        if (std::any_of(from, to, [&key](const Stored& s) { return s.key == key; })) {
            ++merged.duplicates;
            continue;
        }
        Conflict conflict {draw.date, {}, {}, draw.line};
        std::copy(draw.numbers.begin(), draw.numbers.end(), conflict.imported.begin());
        const auto storedNumbers = existing.numbers(from->record);
        std::copy_n(storedNumbers.begin(), fields, conflict.stored.begin());
        merged.conflicts.push_back(conflict);
    }
    merged.added = int(added.size());

    // Both runs are sorted by date: the store's, and the history's draws (oldest first).
    merged.records.reserve(existing.size() + merged.added);
    auto next = added.begin();
    for (const Stored& record : stored) {
        for (; next != added.end() && m_draws[*next].date.toJulianDay() < record.day; ++next)
            merged.records.append(m_draws[*next].date, m_draws[*next].numbers);
        merged.records.append(existing.date(record.record), existing.numbers(record.record));
    }
    for (; next != added.end(); ++next)
        merged.records.append(m_draws[*next].date, m_draws[*next].numbers);
    return merged;
}

QString DrawHistoryImport::mergeRefusal(const DrawStore& store) const
{
    const LotteryShape stored = store.shape();
    if (store.RecCount() == 0 || stored == m_shape)
        return {};
    return QStringLiteral(
               "The database holds draws of %1 numbers from 1 to %2, not %3 from 1 to %4: replace it instead, or import with its numbers.")
        .arg(QString::number(stored.numbersPerDraw), QString::number(stored.highestNumber),
             QString::number(m_shape.numbersPerDraw), QString::number(m_shape.highestNumber));
}
