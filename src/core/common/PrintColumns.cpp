// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "PrintColumns.h"

#include <QTextBoundaryFinder>

#include <unicode/uchar.h>

#include <algorithm>

namespace {

constexpr char32_t TextPresentation = 0xFE0E;
constexpr char32_t EmojiPresentation = 0xFE0F;

// Drawn two cells wide: East Asian Wide and Fullwidth characters (with the unassigned code points
// of their blocks, as the Unicode data gives them, for the characters they will get are wide
// too), and emoji shown as pictures by default.
bool isWide(char32_t c)
{
    const auto code = UChar32(c);
    const int width = u_getIntPropertyValue(code, UCHAR_EAST_ASIAN_WIDTH);
    return width == U_EA_WIDE || width == U_EA_FULLWIDTH
        || u_hasBinaryProperty(code, UCHAR_EMOJI_PRESENTATION);
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
