// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QByteArray>
#include <QString>

// Comma-separated lines ending with CR LF, in UTF-8, as spreadsheets read them.
class CsvWriter {
public:
    // A text: quoted only when it holds a comma, a quote or a line break. One that begins like a
    // formula (= + - @, a tab, a CR) is led by an apostrophe, so that a spreadsheet shows it as
    // it is instead of running it.
    void text(const QString& text);
    // A field written as it is: numbers, dates and other fields that need no quotes.
    void plain(const QByteArray& field);
    void plain(const QString& field) { plain(field.toUtf8()); }
    void number(qint64 value);
    // Ends the line; a line without fields is an empty one.
    void endLine();

    void reserve(qsizetype bytes) { m_bytes.reserve(bytes); }
    const QByteArray& bytes() const { return m_bytes; }

private:
    void separate();

    QByteArray m_bytes;
    bool m_lineStarted = false;
};
