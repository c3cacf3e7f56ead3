// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "ExportCommand.h"

#include "core/common/RegularFile.h"
#include "core/common/SaveFile.h"
#include "core/draws/DrawCsv.h"
#include "core/draws/DrawFile.h"
#include "core/draws/ImportView.h"

#include <QFile>
#include <QFileInfo>

CommandResult RunExportCommand(const CommandLine::ExportRequest& request, const QString& program)
{
    CommandResult result;
    const auto failed = [&](const QString& message) { return result.failed(program, message); };
    const QFileInfo source(request.drawFile);
    const QFileInfo output(request.output);
    if (source.exists() && output.exists()
        && source.canonicalFilePath() == output.canonicalFilePath())
        return failed(
            QStringLiteral("%1 is the draw database itself: it would be lost. Nothing was written.")
                .arg(request.output));

    QFile file(request.drawFile);
    if (!OpenRegularFile(file))
        return failed(QStringLiteral("cannot read %1: %2")
                          .arg(request.drawFile, ImportView::UnopenedReason(request.drawFile)));
    const DrawFile::ReadResult read = DrawFile::Read(file);
    if (read.error == DrawFile::ReadError::NewerForm)
        return failed(
            QStringLiteral("cannot read %1: it was written by a newer version of the program.")
                .arg(request.drawFile));
    if (read.error != DrawFile::ReadError::None)
        return failed(
            QStringLiteral("cannot read %1: it is no draw database.").arg(request.drawFile));

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
