#pragma once

#include "common/Cell.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Reads the program's text files field by field: fields end at a comma or a line end, a field
// in double quotes is a text, "#year-month-day#" a date, anything else a plain value.
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

    bool atEnd() const;

private:
    struct Field {
        enum Kind { Plain, Quoted, Date } kind = Plain;
        QString text;
    };
    std::optional<Field> readField();
    void skipBlanks();
    void finishField();

    QString m_data;
    qsizetype m_pos = 0;
    bool m_afterComma = false;
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
