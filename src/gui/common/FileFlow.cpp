// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "FileFlow.h"

#include "core/app/SharedState.h"
#include "core/common/Document.h"
#include "core/common/MessageBoxes.h"
#include "core/common/RegularFile.h"
#include "core/common/SaveFile.h"
#include "gui/common/BusyCursor.h"

#include <QFile>

FileFlow::FileFlow(SharedState& state, FileDialogs& dialogs, MessageBoxes& messages)
    : m_state(state), m_dialogs(dialogs), m_messages(messages)
{
}

std::optional<FileChoice> FileFlow::choose(FileKind kind, Direction direction, const QString& name)
{
    const std::optional<FileChoice> choice
        = chooseFile(m_dialogs, kind, direction, m_state.proposedPath(name));
    if (choice)
        m_state.rememberFolderOf(choice->path);
    return choice;
}

FileFlow::Opened FileFlow::open(Document& document)
{
    const std::optional<FileChoice> choice
        = choose(document.kind(), Direction::Open, document.fileName());
    if (!choice)
        return Opened::Cancelled;
    return open(document, choice->path) ? Opened::Read : Opened::Failed;
}

bool FileFlow::open(Document& document, const QString& path)
{
    QString reason;
    bool read = false;
    {
        // A large file takes a moment.
        BusyCursor busy;
        read = document.load(path, reason);
    }
    if (!read) {
        reportLoadingError(reason);
        return false;
    }
    m_state.rememberRecentFile(document);
    return true;
}

bool FileFlow::save(Document& document, const QString& path)
{
    QString reason;
    if (document.save(path, reason)) {
        m_state.rememberRecentFile(document);
        return true;
    }
    reportSavingError(document.kind(), reason);
    return false;
}

bool FileFlow::read(const QString& path, const Reader& read)
{
    QFile file(path);
    QString reason;
    if (!OpenRegularFile(file))
        reason = UnopenedReason(path);
    else if (read(file, reason))
        return true;
    reportLoadingError(reason);
    return false;
}

bool FileFlow::write(FileKind kind, const QString& path, const Writer& write)
{
    QString writeReason;
    QString reason;
    const bool saved = SaveFileAtomically(
        path, [&write, &writeReason](QIODevice& device) { return write(device, writeReason); },
        &reason);
    if (saved)
        return true;
    reportSavingError(kind, writeReason.isEmpty() ? reason : writeReason);
    return false;
}

std::optional<QString> FileFlow::save(FileKind kind, const QString& name, const Writer& write)
{
    const std::optional<FileChoice> choice = choose(kind, Direction::Save, name);
    if (!choice || !this->write(kind, choice->path, write))
        return std::nullopt;
    return choice->path;
}

void FileFlow::reportLoadingError(const QString& reason)
{
    m_messages.inform(LoadingErrorTitle, LoadingErrorText(reason));
}

void FileFlow::reportSavingError(FileKind kind, const QString& reason)
{
    m_messages.inform(SavingErrorTitle, SavingErrorText(kind, reason));
}
