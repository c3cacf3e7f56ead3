// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/common/Cell.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

class QIODevice;

// The rest of `device`, or nothing when the device fails or holds more than `maxBytes`.
std::optional<QByteArray> ReadFileBytes(QIODevice& device, qint64 maxBytes);

// Writes `bytes` to `device`; false when the device did not take every byte.
bool WriteFileBytes(QIODevice& device, const QByteArray& bytes);

// Reads the program's text files field by field: fields end at a comma or a line end, a field
// in double quotes is a text, "#year-month-day#" a date, anything else a plain value. It works
// on the bytes and decodes only the texts, so a large file reads about as fast as it splits.
// Texts are UTF-8 when the whole data is valid UTF-8 (after an optional byte-order mark), and
// Windows-1252 otherwise. Blank lines and end-of-file marks (Ctrl-Z) after the last field are no
// data.
class FileFieldReader {
public:
    explicit FileFieldReader(const QByteArray& bytes);

    // A whole number that fits 16 bits (an empty field is 0); nothing when the data ended or the
    // field is of another kind.
    std::optional<int> readShort();
    // A quoted text, or an unquoted field as it stands; nothing when the data ended.
    std::optional<QString> readText();
    // A field as the cell it stands for: a quoted text, a "#year-month-day#" date, an empty cell,
    // or a number. Nothing when the data ended, the date is no date or the value no number.
    std::optional<Cell> readCell();

    // A plain field holding a whole number; false when the data ended or the field is empty, of
    // another kind or not whole. These two read every field of a large file, so they answer
    // through a reference rather than an optional, which costs a stall per field.
    bool readWhole(long long& value);
    // A "#year-month-day#" field that is a real date; false otherwise.
    bool readDate(QDate& date);

    // The data not read yet, for a caller that reads a line of a form it knows the quick way;
    // skipLine() then moves past the line as if its fields had been read one by one.
    QByteArrayView rest() const { return m_view.sliced(m_pos); }
    // Moves past `count` bytes of rest() that end with the end of a line or of the data.
    void skipLine(qsizetype count)
    {
        m_pos += count;
        m_afterComma = false;
        m_ended = false;
        m_whole = true;
    }

    bool atEnd() const;
    // Whether the last read found the data at its end rather than a field.
    bool ended() const { return m_ended; }
    // Whether the last field read was the last of its line (no comma followed it).
    bool lineEnded() const { return !m_afterComma; }
    // False when the last field was a quoted text or date with no closing mark, or had something
    // other than blanks between its closing mark and the separator (`"Tick"ets",5`).
    bool lastFieldWhole() const { return m_whole; }

private:
    struct Field {
        enum Kind { Plain, Quoted, Date } kind = Plain;
        QByteArrayView bytes;
    };
    bool readField(Field& field);
    QString decode(QByteArrayView bytes) const;
    void skipBlanks();
    void finishField();

    QByteArray m_data;
    QByteArrayView m_view; // read through a view: indexing the array itself checks for sharing
    qsizetype m_pos = 0;
    bool m_afterComma = false;
    bool m_ended = false;
    bool m_whole = true;
    bool m_windows1252 = false;
};

// Builds lines of comma-separated fields ended by CR LF.
class FileFieldWriter {
public:
    void addNumber(long long value);
    void addText(const QString& text);
    // "#yyyy-mm-dd#", the same in every locale.
    void addDate(const QDate& date);
    // A field written as it stands, such as a number in the tracker's own form or nothing.
    void addPlain(const QString& field);
    void endLine();

    QByteArray bytes() const { return m_data.toUtf8(); }

private:
    QString m_data;
    bool m_lineStarted = false;
};
