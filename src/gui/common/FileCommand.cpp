// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "FileCommand.h"

#include "gui/common/Services.h"

FileCommand::FileCommand(SharedState& /*state*/, Services& services, FileKind kind)
    : m_flow(services.files), m_kind(kind)
{
}

FileCommand::Opened FileCommand::open(const QString& currentName, const Reader& read)
{
    const std::optional<QString> path = m_flow.choose(m_kind, Direction::Open, currentName);
    if (!path)
        return Opened::Cancelled;
    return m_flow.read(*path, read) ? Opened::Read : Opened::Failed;
}

bool FileCommand::read(const QString& path, const Reader& read)
{
    return m_flow.read(path, read);
}

std::optional<QString> FileCommand::save(const QString& currentName, const Writer& write)
{
    return m_flow.save(m_kind, currentName, write);
}
