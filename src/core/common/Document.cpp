// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "Document.h"

#include "core/common/MessageBoxes.h"
#include "core/common/RegularFile.h"
#include "core/common/SaveFile.h"

#include <QFile>
#include <QFileInfo>

const QString ChangedFileTitle = QStringLiteral("Changed File in Memory");

Document::Document(FileKind kind, QObject* parent) : QObject(parent), m_kind(kind)
{
}

QString Document::fileName() const
{
    return QFileInfo(m_filePath).fileName();
}

void Document::proposeFileName(const QString& name)
{
    setFilePath(name);
}

bool Document::load(const QString& path, QString& reason)
{
    QFile file(path);
    if (!OpenRegularFile(file)) {
        reason = UnopenedReason(path);
        return false;
    }
    if (!readFrom(file, reason))
        return false;
    setFilePath(QFileInfo(path).absoluteFilePath());
    markUnmodified();
    return true;
}

bool Document::save(const QString& path, QString& reason)
{
    QString writeReason;
    QString systemReason;
    const bool saved = SaveFileAtomically(
        path, [this, &writeReason](QIODevice& device) { return writeTo(device, writeReason); },
        &systemReason);
    if (!saved) {
        reason = writeReason.isEmpty() ? systemReason : writeReason;
        return false;
    }
    setFilePath(QFileInfo(path).absoluteFilePath());
    markUnmodified();
    return true;
}

void Document::markModified()
{
    Q_EMIT contentChanged();
    if (m_modified)
        return;
    m_modified = true;
    Q_EMIT modifiedChanged(true);
}

void Document::markUnmodified()
{
    if (!m_modified)
        return;
    m_modified = false;
    Q_EMIT modifiedChanged(false);
}

void Document::setFilePath(const QString& path)
{
    if (path == m_filePath)
        return;
    m_filePath = path;
    Q_EMIT filePathChanged();
}

bool MayDropDocuments(const QList<const Document*>& documents, MessageBoxes& messages)
{
    for (const Document* document : documents)
        if (document->hasUnsavedWork()
            && messages.askToGoBack(ChangedFileTitle, document->dropQuestion()))
            return false;
    return true;
}
