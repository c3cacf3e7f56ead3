// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/common/ChooseFile.h"

#include <QObject>
#include <QString>

#include <QList>

class MessageBoxes;
class QIODevice;

// Something the user works on and keeps in a file of its own: the draws, the tracker's sheet, the
// ticket book. It knows its file and whether it changed since it was read or written, and tells
// both. Only the document marks itself changed, from its own operations; windows and commands
// change it through those and never set the mark.
class Document : public QObject {
    Q_OBJECT

public:
    explicit Document(FileKind kind, QObject* parent = nullptr);

    FileKind kind() const { return m_kind; }
    // The file it was read from or written to (a full path), or the name proposed for its first
    // save (a name alone), or empty.
    QString filePath() const { return m_filePath; }
    // The file's name without its folder.
    QString fileName() const;
    // Gives the document the name its first save proposes, without touching its content.
    void proposeFileName(const QString& name);

    bool isModified() const { return m_modified; }
    // Whether dropping the document would lose work: changed, and holding something.
    virtual bool hasUnsavedWork() const { return m_modified; }
    // What the question before dropping the document asks, its file's name included.
    virtual QString dropQuestion() const = 0;

    // Reads the file at `path` in place of the content; false, with `reason` said in the user's
    // words, when it could not (the content is then as before). A document read is unchanged.
    bool load(const QString& path, QString& reason);
    // Writes the content to `path` in one piece; false, with `reason`, when it could not (the old
    // file stays as it was). A document written is unchanged.
    bool save(const QString& path, QString& reason);

Q_SIGNALS:
    void modifiedChanged(bool modified);
    void filePathChanged();
    // The content changed, whatever the operation: views that show all of it follow this.
    void contentChanged();

protected:
    // The kind's reader and writer: false with a reason when the bytes are no document of the
    // kind, or the device failed.
    virtual bool readFrom(QIODevice& device, QString& reason) = 0;
    virtual bool writeTo(QIODevice& device, QString& reason) const = 0;

    // For the document's own operations.
    void markModified();
    void markUnmodified();
    void setFilePath(const QString& path);

private:
    FileKind m_kind;
    QString m_filePath;
    bool m_modified = false;
};

// The one question before unsaved work is dropped (leaving a window, opening another file, ending
// the program): asks about each document that holds unsaved work, in turn; false as soon as the
// user wants to go back to one of them.
bool MayDropDocuments(const QList<const Document*>& documents, MessageBoxes& messages);
extern const QString ChangedFileTitle;
