// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "TrackerDocument.h"

#include "core/tracker/TrackerFile.h"

TrackerDocument::TrackerDocument(QObject* parent) : Document(FileKind::Tracker, parent)
{
}

SheetEditor::Result TrackerDocument::edited(const SheetEditor::Result& result)
{
    if (result.outcome == SheetEditor::Result::Edited)
        markModified();
    return result;
}

SheetEditor::Result TrackerDocument::keyPress(int character)
{
    return edited(m_editor.keyPress(character));
}

SheetEditor::Result TrackerDocument::deleteKey()
{
    return edited(m_editor.deleteKey());
}

void TrackerDocument::calculate()
{
    // A calculation changes the document only where it changes what a save would write.
    const QByteArray before = TrackerFile::Bytes(m_sheet);
    m_editor.calculate();
    m_editor.TypedChanges = false;
    if (TrackerFile::Bytes(m_sheet) != before)
        markModified();
}

bool TrackerDocument::insertBlankRow(int row)
{
    if (!m_editor.insertBlankRow(row))
        return false;
    markModified();
    return true;
}

bool TrackerDocument::change(const std::function<bool(Sheet&)>& edit)
{
    if (!edit(m_sheet))
        return false;
    m_editor.sheetReplaced();
    markModified();
    return true;
}

void TrackerDocument::clear()
{
    m_sheet.Clear();
    m_editor.sheetReplaced();
    setFilePath(QString());
    markUnmodified();
    Q_EMIT contentChanged();
}

bool TrackerDocument::hasUnsavedWork() const
{
    if (!isModified())
        return false;
    for (int row = 1; row <= Sheet::DataRows; ++row)
        if (!m_sheet.isEmptyRow(row))
            return true;
    return false;
}

QString TrackerDocument::dropQuestion() const
{
    return fileName()
        + QStringLiteral(
               " file in memory will be erased. Do you want to go back and save it to Disk?.");
}

bool TrackerDocument::readFrom(QIODevice& device, QString& reason)
{
    const TrackerFile::ReadResult read = TrackerFile::Read(device);
    if (read.error != TrackerFile::ReadError::None) {
        reason = TrackerFile::ReasonText(read.error);
        return false;
    }
    m_sheet = read.sheet;
    m_editor.sheetReplaced();
    Q_EMIT contentChanged();
    return true;
}

bool TrackerDocument::writeTo(QIODevice& device, QString& /*reason*/) const
{
    return TrackerFile::Write(m_sheet, device);
}
