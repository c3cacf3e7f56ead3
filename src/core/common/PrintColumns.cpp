// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "PrintColumns.h"

#include <QTextBoundaryFinder>

#include <algorithm>
#include <iterator>

namespace {

struct Range {
    char32_t first;
    char32_t last;
};

// Characters drawn two cells wide: East Asian Wide and Fullwidth, and emoji shown as pictures
// by default (Unicode 15). Unassigned gaps inside the blocks are counted with them, as the
// characters they will get are wide too.
constexpr Range WideRanges[] = {
    {0x1100, 0x115F},   {0x231A, 0x231B},   {0x2329, 0x232A},   {0x23E9, 0x23EC},
    {0x23F0, 0x23F0},   {0x23F3, 0x23F3},   {0x25FD, 0x25FE},   {0x2614, 0x2615},
    {0x2648, 0x2653},   {0x267F, 0x267F},   {0x2693, 0x2693},   {0x26A1, 0x26A1},
    {0x26AA, 0x26AB},   {0x26BD, 0x26BE},   {0x26C4, 0x26C5},   {0x26CE, 0x26CE},
    {0x26D4, 0x26D4},   {0x26EA, 0x26EA},   {0x26F2, 0x26F3},   {0x26F5, 0x26F5},
    {0x26FA, 0x26FA},   {0x26FD, 0x26FD},   {0x2705, 0x2705},   {0x270A, 0x270B},
    {0x2728, 0x2728},   {0x274C, 0x274C},   {0x274E, 0x274E},   {0x2753, 0x2755},
    {0x2757, 0x2757},   {0x2795, 0x2797},   {0x27B0, 0x27B0},   {0x27BF, 0x27BF},
    {0x2B1B, 0x2B1C},   {0x2B50, 0x2B50},   {0x2B55, 0x2B55},   {0x2E80, 0x303E},
    {0x3041, 0x3247},   {0x3250, 0x4DBF},   {0x4E00, 0xA4C6},   {0xA960, 0xA97C},
    {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},   {0xFE10, 0xFE19},   {0xFE30, 0xFE6B},
    {0xFF01, 0xFF60},   {0xFFE0, 0xFFE6},   {0x16FE0, 0x1B2FB}, {0x1F004, 0x1F004},
    {0x1F0CF, 0x1F0CF}, {0x1F18E, 0x1F18E}, {0x1F191, 0x1F19A}, {0x1F1E6, 0x1F320},
    {0x1F32D, 0x1F335}, {0x1F337, 0x1F37C}, {0x1F37E, 0x1F393}, {0x1F3A0, 0x1F3CA},
    {0x1F3CF, 0x1F3D3}, {0x1F3E0, 0x1F3F0}, {0x1F3F4, 0x1F3F4}, {0x1F3F8, 0x1F43E},
    {0x1F440, 0x1F440}, {0x1F442, 0x1F4FC}, {0x1F4FF, 0x1F53D}, {0x1F54B, 0x1F54E},
    {0x1F550, 0x1F567}, {0x1F57A, 0x1F57A}, {0x1F595, 0x1F596}, {0x1F5A4, 0x1F5A4},
    {0x1F5FB, 0x1F64F}, {0x1F680, 0x1F6C5}, {0x1F6CC, 0x1F6CC}, {0x1F6D0, 0x1F6D2},
    {0x1F6D5, 0x1F6DF}, {0x1F6EB, 0x1F6EC}, {0x1F6F4, 0x1F6FC}, {0x1F7E0, 0x1F7F0},
    {0x1F90C, 0x1F93A}, {0x1F93C, 0x1F945}, {0x1F947, 0x1F9FF}, {0x1FA70, 0x1FAF8},
    {0x20000, 0x3FFFD},
};

constexpr char32_t TextPresentation = 0xFE0E;
constexpr char32_t EmojiPresentation = 0xFE0F;

bool isWide(char32_t c)
{
    const auto after = std::upper_bound(std::begin(WideRanges), std::end(WideRanges), c,
                                        [](char32_t c, const Range& r) { return c < r.first; });
    return after != std::begin(WideRanges) && c <= std::prev(after)->last;
}

// The cells one code point fills standing alone: none for controls, marks that go on another
// character, invisible format characters (joiners, direction marks) and the vowels and finals
// of conjoining Hangul, which join the initial before them.
int codePointWidth(char32_t c)
{
    if (c < 0x20 || (c >= 0x7F && c < 0xA0))
        return 0;
    if (c < 0x300)
        return 1;
    switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_Enclosing:
    case QChar::Other_Format:
        return 0;
    default:
        break;
    }
    if ((c >= 0x1160 && c <= 0x11FF) || (c >= 0xD7B0 && c <= 0xD7FF))
        return 0;
    return isWide(c) ? 2 : 1;
}

bool isPlainAscii(QStringView text)
{
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7F; });
}

} // namespace

namespace PrintColumns {

int clusterWidth(QStringView cluster)
{
    int base = 0; // the width of the first visible code point
    int spacingMarks = 0;
    bool emoji = false;
    bool text = false;
    for (qsizetype i = 0; i < cluster.size(); ++i) {
        char32_t c = cluster[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < cluster.size()
            && cluster[i + 1].isLowSurrogate()) {
            ++i;
            c = QChar::surrogateToUcs4(char16_t(c), cluster[i].unicode());
        }
        if (c == EmojiPresentation)
            emoji = true;
        else if (c == TextPresentation)
            text = true;
        else if (base == 0)
            base = codePointWidth(c);
        else if (QChar::category(c) == QChar::Mark_SpacingCombining)
            ++spacingMarks; // vowel signs that take room of their own, as in Tamil
    }
    if (base == 0)
        return 0;
    // Whatever else a joined emoji holds (people, skin tones, flags) it is drawn as one picture.
    if (emoji && !text)
        return 2;
    if (text)
        return 1;
    return base == 2 ? 2 : std::min(1 + spacingMarks, 2);
}

QList<Cluster> clusters(const QString& line)
{
    QList<Cluster> found;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, line);
    qsizetype start = 0;
    int column = 0;
    for (qsizetype end = finder.toNextBoundary(); end > start; end = finder.toNextBoundary()) {
        const int cells = clusterWidth(QStringView(line).sliced(start, end - start));
        found.append({start, end - start, column, cells});
        column += cells;
        start = end;
    }
    return found;
}

int width(QStringView text)
{
    if (isPlainAscii(text))
        return int(text.size());
    const QList<Cluster> all = clusters(text.toString());
    return all.isEmpty() ? 0 : all.last().column + all.last().width;
}

QString left(const QString& text, int columns)
{
    if (isPlainAscii(text))
        return text.left(std::max(columns, 0));
    qsizetype end = 0;
    for (const Cluster& cluster : clusters(text)) {
        if (cluster.column + cluster.width > columns)
            break;
        end = cluster.start + cluster.length;
    }
    return text.left(end);
}

QString rightAlign(int width, const QString& text)
{
    const int cells = PrintColumns::width(text);
    if (cells <= width)
        return QString(width - cells, u' ') + text;
    const QString kept = left(text, width);
    return kept + QString(width - PrintColumns::width(kept), u' ');
}

} // namespace PrintColumns
