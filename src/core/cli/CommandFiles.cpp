// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "CommandFiles.h"

#include "core/common/RegularFile.h"
#include "core/draws/ImportView.h"

#include <QFile>
#include <QFileInfo>

bool SameFile(const QString& a, const QString& b)
{
    const QFileInfo first(a);
    const QFileInfo second(b);
    return first.exists() && second.exists()
        && first.canonicalFilePath() == second.canonicalFilePath();
}

DrawFile::ReadResult ReadDrawFileForCommand(const QString& path, QString& error)
{
    QFile file(path);
    if (!OpenRegularFile(file)) {
        error = QStringLiteral("cannot read %1: %2").arg(path, UnopenedReason(path));
        return {DrawFile::ReadError::Unreadable, {}};
    }
    DrawFile::ReadResult read = DrawFile::Read(file);
    if (read.error != DrawFile::ReadError::None) {
        // The windows' reason, as a clause after the name.
        QString reason = DrawFile::ReasonText(read.error);
        reason[0] = reason[0].toLower();
        error = QStringLiteral("cannot read %1: %2").arg(path, reason);
    }
    return read;
}
