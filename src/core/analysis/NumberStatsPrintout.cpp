// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "NumberStatsPrintout.h"

#include "core/analysis/DrawStatistics.h"
#include "core/common/PrintColumns.h"

#include <QLocale>

#include <algorithm>
#include <utility>

namespace {

// A printed line: texts at their columns, counted from 1.
using Line = QList<std::pair<int, QString>>;

struct Column {
    int at;
    int width;
    bool right;
};

constexpr Column numberColumns[NumberColumnCount] = {
    {5, 6, true},    {13, 5, true}, {20, 8, true}, {30, 10, true},
    {42, 12, false}, {56, 7, true}, {65, 7, true}, {74, 7, true},
};
constexpr Column pairColumns[] = {{5, 6, true}, {13, 6, true}, {21, 8, true}};
constexpr int LastColumn = 80;
constexpr int FooterLines = 2;
// A table's two header lines and one row, and the footer, below the page header.
constexpr int FewestLinesBelowHeader = 3 + FooterLines;

QString fitted(const Column& column, const QString& text)
{
    return column.right ? PrintColumns::rightAlign(column.width, text)
                        : PrintColumns::left(text, column.width);
}

Line textLine(const QString& text)
{
    return {{5, text}};
}

// The column titles; a title wider than its column is split at its last blank over two lines.
QList<Line> numberHeader()
{
    Line top;
    Line bottom;
    for (int c = 0; c < NumberColumnCount; ++c) {
        const Column& column = numberColumns[c];
        const QString title = NumberColumnTitle(NumberColumn(c));
        const qsizetype blank = title.lastIndexOf(u' ');
        if (PrintColumns::width(title) > column.width && blank > 0) {
            top.append({column.at, fitted(column, title.left(blank))});
            bottom.append({column.at, fitted(column, title.mid(blank + 1))});
        } else {
            bottom.append({column.at, fitted(column, title)});
        }
    }
    return {top, bottom};
}

QString heading(const DrawStatistics& stats, const QString& title)
{
    const bool extra = stats.pool == Pool::Extra;
    QString text;
    if (title.isEmpty())
        text = extra ? QStringLiteral("Extra number statistics: ")
                     : QStringLiteral("Number statistics: ");
    else
        text = (extra ? QStringLiteral("Extra number statistics for ")
                      : QStringLiteral("Number statistics for "))
            + title + QStringLiteral(": ");
    if (stats.draws == 0)
        return text + QStringLiteral("no draws");
    if (stats.draws == 1 && stats.totalDraws == 1)
        return text + QStringLiteral("1 draw");
    if (stats.draws == stats.totalDraws)
        return text + QStringLiteral("all %1 draws").arg(stats.totalDraws);
    return text + QStringLiteral("the last %1 of %2 draws").arg(stats.draws).arg(stats.totalDraws);
}

// Lays out sections page by page, with the page header at the top of every page.
class PagedLayout {
public:
    PagedLayout(int linesPerPage, QList<Line> pageHeader)
        : m_linesPerPage(std::max(linesPerPage, int(pageHeader.size()) + FewestLinesBelowHeader))
        , m_pageHeader(std::move(pageHeader))
    {
        startPage();
    }

    // `header` stays together with the first row and is repeated on each page the rows go
    // on to; sections are parted by an empty line.
    void section(const QList<Line>& header, const QList<Line>& rows)
    {
        const int need = int(header.size()) + (rows.isEmpty() ? 0 : 1);
        if (m_used > m_pageHeader.size()) {
            if (room() < need + 1)
                breakPage();
            else
                put({});
        }
        putAll(header);
        for (const Line& row : rows) {
            if (room() < 1) {
                breakPage();
                putAll(header);
            }
            put(row);
        }
    }

    Printout finish()
    {
        if (m_writer.pageNumber() > 1)
            putFooter();
        return m_writer.FinishPrintout();
    }

private:
    int room() const { return m_linesPerPage - FooterLines - m_used; }

    void put(const Line& line)
    {
        // Blank fields are left out, so that no line ends in blanks.
        for (const auto& [column, text] : line)
            if (!text.trimmed().isEmpty())
                m_writer.printAt(column, text);
        m_writer.endLine();
        ++m_used;
    }
    void putAll(const QList<Line>& lines)
    {
        for (const Line& line : lines)
            put(line);
    }

    void startPage()
    {
        m_used = 0;
        putAll(m_pageHeader);
    }
    void putFooter()
    {
        m_writer.endLine();
        m_writer.printLine(40, QStringLiteral("Page ") + QString::number(m_writer.pageNumber()));
    }
    void breakPage()
    {
        putFooter();
        m_writer.newPage();
        startPage();
    }

    PrintoutWriter m_writer;
    int m_linesPerPage;
    QList<Line> m_pageHeader;
    int m_used = 0;
};

} // namespace

Printout NumberStatsPrintout(const DrawStatistics& stats, const QString& title, int linesPerPage)
{
    QList<Line> pageHeader {{}, textLine(heading(stats, title))};
    // Over a window the counts are the window's, but the last draw and the gaps are not.
    if (stats.draws < stats.totalDraws)
        pageHeader.append(textLine(
            QStringLiteral("Last drawn, out for and gaps: all %1 draws").arg(stats.totalDraws)));
    pageHeader.append(textLine(QString(LastColumn - 4, u'_')));
    pageHeader.append(Line());
    PagedLayout layout(linesPerPage, pageHeader);

    QList<Line> numberRows;
    for (const NumberFigures& figures : stats.numbers) {
        Line row;
        for (int c = 0; c < NumberColumnCount; ++c)
            row.append({numberColumns[c].at,
                        fitted(numberColumns[c], NumberCellText(figures, NumberColumn(c)))});
        numberRows.append(row);
    }
    layout.section(numberHeader(), numberRows);

    if (!stats.topPairs.isEmpty()) {
        const Line columns {
            {pairColumns[0].at, fitted(pairColumns[0], QStringLiteral("First"))},
            {pairColumns[1].at, fitted(pairColumns[1], QStringLiteral("Second"))},
            {pairColumns[2].at, fitted(pairColumns[2], QStringLiteral("Together"))}};
        QList<Line> pairRows;
        for (const PairFigures& pair : stats.topPairs)
            pairRows.append(
                {{pairColumns[0].at, fitted(pairColumns[0], QString::number(pair.first))},
                 {pairColumns[1].at, fitted(pairColumns[1], QString::number(pair.second))},
                 {pairColumns[2].at, fitted(pairColumns[2], QString::number(pair.count))}});
        if (const QString more = MorePairsText(stats); !more.isEmpty())
            pairRows.append({{pairColumns[0].at, more}});
        QList<Line> header;
        for (const QString& line : PairsTitle(stats).split(u'\n'))
            header.append(textLine(line));
        header.append(columns);
        layout.section(header, pairRows);
    }

    QList<Line> fairness;
    if (stats.fairness.verdict == FairnessCheck::Verdict::Tested) {
        QLocale locale;
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
        fairness.append(textLine(QStringLiteral("Chi-square %1 with %2 degrees of freedom")
                                     .arg(locale.toString(stats.fairness.chiSquare, 'f', 2))
                                     .arg(stats.fairness.degreesOfFreedom)));
    }
    fairness.append(textLine(FairnessSentence(stats.fairness)));
    layout.section(fairness, {});
    return layout.finish();
}
