// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/common/ChooseFile.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The files the user opened or saved last (draws, tracker files, ticket books), newest first,
// and whether the last ticket book and tracker file are read again at start. Kept in a small file
// of its own beside the personal settings, whose file keeps its one line.
class RecentFiles {
public:
    static constexpr auto FileName = "Recent.Lot";
    static constexpr int MaxEntries = 8;
    static constexpr qint64 MaxFileBytes = 64 * 1024;

    struct Entry {
        FileKind kind;
        QString path; // absolute

        bool operator==(const Entry&) const = default;
    };

    const QList<Entry>& entries() const { return m_entries; }
    bool reopenAtStart() const { return m_reopenAtStart; }
    void setReopenAtStart(bool reopen) { m_reopenAtStart = reopen; }

    // Puts `path` first, once, as a file of `kind`; the oldest goes beyond MaxEntries. A path
    // that could not be read back as plain text (a control character in a name) is not kept:
    // the list is a convenience, and the file stays where it is.
    void add(FileKind kind, const QString& path);
    // Drops the files that no longer exist; true when one was dropped.
    bool dropMissing();
    void clear() { m_entries.clear(); }
    // The newest file of `kind`, if there is one.
    std::optional<QString> newest(FileKind kind) const;

    // The file's bytes, and the list they hold. A file that is broken, of a newer form or not
    // plain text gives nothing: the list then starts empty, without a word at start.
    QByteArray bytes() const;
    static std::optional<RecentFiles> FromBytes(const QByteArray& bytes);

    // Read through the bounded reader; a missing or unreadable file gives an empty list.
    static RecentFiles ReadFile(const QString& path);
    // Written in one piece; false when it could not be (the old file then stays).
    bool writeFile(const QString& path) const;

    bool operator==(const RecentFiles&) const = default;

private:
    QList<Entry> m_entries;
    bool m_reopenAtStart = false;
};

// The kind a file is opened as, told by its suffix: a draw file (.lto), a tracker file (.inv), a
// ticket book (.ltk) or a draw history to import (.csv, .txt, .tsv); nothing for any other.
std::optional<FileKind> OpenedKindOf(const QString& path);
