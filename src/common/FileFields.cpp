#include "FileFields.h"

#include <QStringDecoder>

#include <cmath>

namespace {

// Files are written as UTF-8; older files in the Windows ANSI code page still read sensibly.
QString decode(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return QString::fromLatin1(bytes);
    return text;
}

bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

} // namespace

FileFieldReader::FileFieldReader(const QByteArray& bytes) : m_data(decode(bytes))
{
}

void FileFieldReader::skipBlanks()
{
    while (m_pos < m_data.size() && (m_data[m_pos] == u' ' || m_data[m_pos] == u'\t'))
        ++m_pos;
}

bool FileFieldReader::atEnd() const
{
    qsizetype pos = m_pos;
    while (pos < m_data.size() && m_data[pos].isSpace())
        ++pos;
    return pos >= m_data.size();
}

void FileFieldReader::finishField()
{
    // Whatever stands between a closing quote and the separator is dropped, as is the separator.
    while (m_pos < m_data.size() && m_data[m_pos] != u',' && !isLineEnd(m_data[m_pos]))
        ++m_pos;
    m_afterComma = m_pos < m_data.size() && m_data[m_pos] == u',';
    if (m_afterComma) {
        ++m_pos;
        return;
    }
    if (m_pos < m_data.size() && m_data[m_pos] == u'\r')
        ++m_pos;
    if (m_pos < m_data.size() && m_data[m_pos] == u'\n')
        ++m_pos;
}

std::optional<FileFieldReader::Field> FileFieldReader::readField()
{
    // After a comma a field follows even if the line ends there ("," holds two empty fields);
    // otherwise the data may simply have run out.
    skipBlanks();
    if (!m_afterComma && atEnd())
        return std::nullopt;

    Field field;
    const QChar first = m_data[m_pos];
    if (first == u'"' || first == u'#') {
        field.kind = first == u'"' ? Field::Quoted : Field::Date;
        // An unclosed quote ends with its line rather than swallowing the rest of the file.
        qsizetype end = m_pos + 1;
        while (end < m_data.size() && m_data[end] != first && !isLineEnd(m_data[end]))
            ++end;
        field.text = m_data.mid(m_pos + 1, end - m_pos - 1);
        m_pos = end < m_data.size() && m_data[end] == first ? end + 1 : end;
    } else {
        const qsizetype start = m_pos;
        while (m_pos < m_data.size() && m_data[m_pos] != u',' && !isLineEnd(m_data[m_pos]))
            ++m_pos;
        field.text = m_data.mid(start, m_pos - start).trimmed();
    }
    finishField();
    return field;
}

std::optional<int> FileFieldReader::readShort()
{
    const std::optional<Field> field = readField();
    if (!field || field->kind != Field::Plain)
        return std::nullopt;
    if (field->text.isEmpty())
        return 0;
    bool ok = false;
    const double value = std::nearbyint(field->text.toDouble(&ok));
    if (!ok || value < -32768 || value > 32767)
        return std::nullopt;
    return int(value);
}

std::optional<QString> FileFieldReader::readText()
{
    const std::optional<Field> field = readField();
    if (!field)
        return std::nullopt;
    return field->text;
}

std::optional<Cell> FileFieldReader::readCell()
{
    const std::optional<Field> field = readField();
    if (!field)
        return std::nullopt;
    switch (field->kind) {
    case Field::Quoted:
        return Cell(field->text);
    case Field::Date: {
        const QDate date = QDate::fromString(field->text, QStringLiteral("yyyy-M-d"));
        if (!date.isValid())
            return std::nullopt;
        return Cell(date);
    }
    case Field::Plain:
        break;
    }
    if (field->text.isEmpty())
        return Cell();
    bool ok = false;
    const double value = field->text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return Cell(value);
}

void FileFieldWriter::addPlain(const QString& field)
{
    if (m_lineStarted)
        m_data += u',';
    m_data += field;
    m_lineStarted = true;
}

void FileFieldWriter::addNumber(long long value)
{
    addPlain(QString::number(value));
}

void FileFieldWriter::addText(const QString& text)
{
    addPlain(u'"' + text + u'"');
}

void FileFieldWriter::addDate(const QDate& date)
{
    addPlain(u'#' + date.toString(QStringLiteral("yyyy-MM-dd")) + u'#');
}

void FileFieldWriter::endLine()
{
    m_data += QLatin1String("\r\n");
    m_lineStarted = false;
}
