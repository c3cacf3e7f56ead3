// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "CsvWriter.h"

void CsvWriter::separate()
{
    if (m_lineStarted)
        m_bytes += ',';
    m_lineStarted = true;
}

void CsvWriter::text(const QString& text)
{
    QString field = text;
    if (!field.isEmpty() && QStringLiteral("=+-@\t\r").contains(field.front()))
        field.prepend(u'\'');
    if (field.contains(u',') || field.contains(u'"') || field.contains(u'\r')
        || field.contains(u'\n'))
        field = u'"' + field.replace(u'"', QStringLiteral("\"\"")) + u'"';
    plain(field);
}

void CsvWriter::plain(const QByteArray& field)
{
    separate();
    m_bytes += field;
}

void CsvWriter::number(qint64 value)
{
    separate();
    m_bytes += QByteArray::number(value);
}

void CsvWriter::endLine()
{
    m_bytes += "\r\n";
    m_lineStarted = false;
}
