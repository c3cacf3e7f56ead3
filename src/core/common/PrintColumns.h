// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// Text measured in the character cells of a monospaced printout. A character as the reader sees
// it (a grapheme cluster: a letter with its accents, an emoji with its modifiers and joined
// parts, a flag) fills one cell, or two for East Asian wide and fullwidth characters and emoji
// shown as pictures; invisible format characters fill none. A QString's length counts none of
// this: an emoji is two units of it, a flag four, a family of three people eight.
namespace PrintColumns {

// One character as the reader sees it, within a line.
struct Cluster {
    qsizetype start = 0; // in UTF-16 units of the line
    qsizetype length = 0;
    int column = 0; // the first cell it fills, counted from 0
    int width = 0; // cells: 0, 1 or 2
};

// The cells a single grapheme cluster fills.
int clusterWidth(QStringView cluster);
// The cells `text` fills.
int width(QStringView text);
// The clusters of `line` with the cells they fill, left to right.
QList<Cluster> clusters(const QString& line);
// The longest beginning of `text` that fills at most `columns` cells; clusters stay whole.
QString left(const QString& text, int columns);
// Exactly `width` cells: `text` flush right with blanks on the left; a wider text keeps its
// leftmost `width` cells, with a blank where a double-width character did not fit.
QString rightAlign(int width, const QString& text);

} // namespace PrintColumns
