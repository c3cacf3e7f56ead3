// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QDate>
#include <QString>

// Text of exactly `width` characters: `text` flush right with blanks on the left; a longer
// text keeps its leftmost `width` characters.
QString RightAlign(int width, const QString& text);

// The "##", "###" and "####" display patterns: the whole number without leading zeros, and an
// empty text for 0. The patterns differ only in the field width their callers align to.
QString FormatWhole(long long value);

// FormatWhole right-aligned in a field of `width` characters, the usual way numbers are shown. A
// number wider than its field is shown whole: a number cut short would be another number.
QString AlignedWhole(int width, long long value);
// The same with 0 shown as "0": for the numbers of which 0 is one (an extra number drawn from 0).
QString AlignedNumber(int width, long long value);

// `count` and the word for it: "1 ticket", "3 tickets", "0 tickets".
QString CountText(qsizetype count, const char* one, const char* many);

// A count in at most four characters, for cells four digits wide: exact below 10000, then in
// whole thousands ("230k") and in millions to one decimal ("1.2M"), never more than the count.
QString CompactCount(long long count);

// The date form of the date boxes: the system's short date with the year always written with
// four digits, so that a date shown to the user and read back never loses its century. When that
// form does not fit a date box (ten characters of ASCII digits and ". - /") or does not read back
// as the same date, year-month-day is used instead.
QString ShortDateFormat();
QString FormatShortDate(const QDate& date);

// The draw dates the program keeps: years 1000..9999, which the four-digit year of the date boxes
// and of the files can hold.
bool IsStorableDate(const QDate& date);

// A year written with one or two digits placed in the hundred years that end with `lastYear`.
int WidenYear(int year, int lastYear);

// Reads a date the user typed: the short date format above, or year-month-day with "-". A
// two-digit year falls in the hundred years that end 20 years after `today`. Anything but a
// storable date gives an invalid date.
QDate ParseUserDate(const QString& text, const QDate& today);

// `text` without what a quoted field of the program's files cannot hold or a one-line label
// cannot show as one line read left to right: control characters and line and paragraph
// separators, double quotes, byte-order marks, halves of a character, and the bidirectional
// embeddings, overrides and isolates (U+202A..U+202E, U+2066..U+2069).
QString FileSafeText(const QString& text);

// `text` as a message shows it: trimmed, at most `length` characters, and with the characters
// that would act on a terminal or vanish on screen (NUL, escape, the other controls but tab)
// written as "\x1b".
QString ShownText(QStringView text, qsizetype length);
