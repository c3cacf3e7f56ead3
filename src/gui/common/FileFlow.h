// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/common/ChooseFile.h"

#include <QString>

#include <functional>
#include <optional>

class Document;
class FileDialogs;
class MessageBoxes;
class QIODevice;
struct SharedState;

// The one way every file the user chooses is opened or saved, whatever its kind: the dialog
// proposes a name in the folder used last (one folder for all kinds) and remembers the folder
// chosen; a name saved without a suffix gets the chosen filter's; a file is read only when it is
// a regular file, written in one piece or not at all, and a failure is reported in the one
// wording with the reader's or writer's reason. Documents are read and written by themselves,
// other kinds by the reader or writer handed in; a document read or written becomes the newest
// of the recent files, whatever window did it.
class FileFlow {
public:
    // Reads an opened file; false with `reason` (a sentence) when it is no file of the kind.
    using Reader = std::function<bool(QIODevice& file, QString& reason)>;
    // Writes the whole file; false with `reason` set when it cannot.
    using Writer = std::function<bool(QIODevice& file, QString& reason)>;

    FileFlow(SharedState& state, FileDialogs& dialogs, MessageBoxes& messages);

    // Asks for a file of `kind` to open or to save to, `name` proposed. The chosen file and the
    // kind the user chose, or nothing when the user cancelled.
    std::optional<FileChoice> choose(FileKind kind, Direction direction, const QString& name);

    enum class Opened { Cancelled, Read, Failed };
    // Asks for a file of the document's kind, its file proposed, and reads it into the document.
    // A failed read has been reported and left the document as it was.
    Opened open(Document& document);
    // Reads the file at `path` into the document; false, reported, when it could not.
    bool open(Document& document, const QString& path);
    // Writes the document to `path`; false, reported, when it could not.
    bool save(Document& document, const QString& path);

    // Reads the file at `path`; false, reported, when it could not be read.
    bool read(const QString& path, const Reader& read);
    // Writes the file at `path` as a file of `kind`; false, reported, when it could not.
    bool write(FileKind kind, const QString& path, const Writer& write);
    // Asks for a file to save to, `name` proposed, and writes it. The path written, or nothing
    // when the user cancelled or the write failed (which has been reported).
    std::optional<QString> save(FileKind kind, const QString& name, const Writer& write);

    // The messages of a failed read or write, with the reason when there is one.
    void reportLoadingError(const QString& reason);
    void reportSavingError(FileKind kind, const QString& reason);

private:
    SharedState& m_state;
    FileDialogs& m_dialogs;
    MessageBoxes& m_messages;
};
