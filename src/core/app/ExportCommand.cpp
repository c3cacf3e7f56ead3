// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "ExportCommand.h"

#include "core/app/CommandFiles.h"
#include "core/common/SaveFile.h"
#include "core/draws/DrawCsv.h"

CommandResult RunExportCommand(const CommandLine::ExportRequest& request, const QString& program)
{
    CommandResult result;
    const auto failed = [&](const QString& message) { return result.failed(program, message); };
    if (SameFile(request.drawFile, request.output))
        return failed(
            QStringLiteral("%1 is the draw database itself: it would be lost. Nothing was written.")
                .arg(request.output));
    QString error;
    const DrawFile::ReadResult read = ReadDrawFileForCommand(request.drawFile, error);
    if (read.error != DrawFile::ReadError::None)
        return failed(error);

    // The shape as the store would hold it: the extra numbers stand where it keeps them.
    const QByteArray csv = DrawCsv::Bytes(read.content.shape.clamped(), read.content.records);
    QString reason;
    if (!SaveFileAtomically(request.output, csv, &reason))
        return failed(QStringLiteral("cannot write %1: %2").arg(request.output, reason));
    const int draws = read.content.records.size();
    result.out = (draws == 1 ? QStringLiteral("1 draw") : QStringLiteral("%1 draws").arg(draws))
        + QStringLiteral(" written to ") + request.output + u'\n';
    return result;
}
