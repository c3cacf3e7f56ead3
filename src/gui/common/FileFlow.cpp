// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "FileFlow.h"

#include "core/app/SharedState.h"
#include "core/common/MessageBoxes.h"
#include "core/common/RegularFile.h"
#include "core/common/SaveFile.h"

#include <QFile>
#include <QFileInfo>

FileFlow::FileFlow(SharedState& state, FileDialogs& dialogs, MessageBoxes& messages)
    : m_state(state), m_dialogs(dialogs), m_messages(messages)
{
}

std::optional<QString> FileFlow::choose(FileKind kind, Direction direction, const QString& name)
{
    const std::optional<QString> path
        = chooseFile(m_dialogs, kind, direction, m_state.proposedPath(name));
    if (path)
        m_state.rememberFolderOf(*path);
    return path;
}

bool FileFlow::read(const QString& path, const Reader& read)
{
    QFile file(path);
    if (OpenRegularFile(file) && read(file, QFileInfo(path).fileName()))
        return true;
    reportLoadingError(QString());
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
    const std::optional<QString> path = choose(kind, Direction::Save, name);
    if (!path || !this->write(kind, *path, write))
        return std::nullopt;
    return path;
}

void FileFlow::reportLoadingError(const QString& reason)
{
    m_messages.inform(LoadingErrorTitle, LoadingErrorText(reason));
}

void FileFlow::reportSavingError(FileKind kind, const QString& reason)
{
    m_messages.inform(SavingErrorTitle, SavingErrorText(kind, reason));
}
