// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "Printout.h"

#include "core/common/PrintColumns.h"

#include <algorithm>
#include <cmath>

int LinesPerSheet(const PageMetrics& page)
{
    if (!(page.lineHeightTwips > 0) || !(page.printableHeightTwips > 0))
        return 0;
    // A hair of tolerance, so that a page measured to hold exactly 60 lines holds 60.
    const double lines = std::floor(page.printableHeightTwips / page.lineHeightTwips + 1e-6);
    return lines > 32767 ? 0 : int(lines);
}

QMarginsF PrintoutMargins(const QMarginsF& printerMargins)
{
    constexpr double minimum = 10.0 / 25.4 * 72.0; // 10 mm in points
    return {std::max(printerMargins.left(), minimum), std::max(printerMargins.top(), minimum),
            std::max(printerMargins.right(), minimum), std::max(printerMargins.bottom(), minimum)};
}

PrintoutWriter::PrintoutWriter()
{
    m_printout.pages.append(QStringList());
}

void PrintoutWriter::printAt(int column, const QString& text)
{
    const int start = std::max(column, 1) - 1;
    if (m_cells > start)
        endLine();
    m_line += QString(start - m_cells, u' ');
    m_line += text;
    // Counted over the whole line: a text can join the character before it (a flag's second
    // half, an accent).
    m_cells = PrintColumns::width(m_line);
    m_lineOpen = true;
}

void PrintoutWriter::endLine()
{
    m_printout.pages.last().append(m_line);
    m_line.clear();
    m_cells = 0;
    m_lineOpen = false;
}

void PrintoutWriter::printLine(int column, const QString& text)
{
    printAt(column, text);
    endLine();
}

void PrintoutWriter::newPage()
{
    if (m_lineOpen)
        endLine();
    m_printout.pages.append(QStringList());
}

Printout PrintoutWriter::FinishPrintout()
{
    if (m_lineOpen)
        endLine();
    while (!m_printout.pages.isEmpty() && m_printout.pages.last().isEmpty())
        m_printout.pages.removeLast();
    Printout finished = m_printout;
    m_printout = Printout();
    m_printout.pages.append(QStringList());
    return finished;
}
