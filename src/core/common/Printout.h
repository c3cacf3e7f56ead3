// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QList>
#include <QMarginsF>
#include <QString>
#include <QStringList>

// A text printout laid out at character columns, page by page, ready for a monospaced font.
struct Printout {
    QList<QStringList> pages;

    bool isEmpty() const { return pages.isEmpty(); }
};

// The part of a sheet a text printout is printed on, and the height of one printed line, in twips.
struct PageMetrics {
    double printableHeightTwips = 0;
    double lineHeightTwips = 0;
};

// Whole lines that fit on one sheet; 0 when the metrics make no sense.
int LinesPerSheet(const PageMetrics& page);

// The margins printouts keep, in points: the printer's own where it reports them, never less
// than 10 mm, so that nothing starts at the paper's edge on a printer that reports none.
QMarginsF PrintoutMargins(const QMarginsF& printerMargins);

// The columns of 10-point monospaced type across an A4 page within its margins, the narrowest
// page printed on: a printout's lines stay within them.
constexpr int PrintableColumns = 89;

// Lays out a printout the way the program prints: text placed at a column (counted from 1),
// staying on the line or ending it, empty lines and new pages. Columns are the cells of a
// monospaced printout (PrintColumns), not the units of a QString.
class PrintoutWriter {
public:
    PrintoutWriter();

    // Places `text` at `column` and stays on the line. A column already passed on the current
    // line continues on the next line.
    void printAt(int column, const QString& text);
    // Ends the current line; on a line with nothing printed this is an empty line.
    void endLine();
    // printAt and endLine.
    void printLine(int column, const QString& text);

    void newPage();
    int pageNumber() const { return int(m_printout.pages.size()); }
    // Lines on the current page so far, a line still open included.
    int linesOnPage() const { return int(m_printout.pages.last().size()) + (m_lineOpen ? 1 : 0); }

    // Ends the last page and the document; an empty last page is not printed.
    Printout FinishPrintout();

private:
    Printout m_printout;
    QString m_line;
    int m_cells = 0; // the cells m_line fills
    bool m_lineOpen = false;
};
