// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "ExportCommand.h"

#include "core/cli/CommandFiles.h"
#include "core/common/SaveFile.h"
#include "core/common/TextFormat.h"
#include "core/draws/DrawCsv.h"

#include <QCommandLineParser>

namespace {

// Fills `request` from the options of --export; what is wrong with them, or nothing.
QString readExportRequest(const QCommandLineParser& parser, CommandLine::ExportRequest& request)
{
    if (!parser.positionalArguments().isEmpty())
        return QStringLiteral("--export opens no file: write to the one --output names.");
    if (!parser.isSet(QStringLiteral("output")))
        return QStringLiteral("--export needs --output.");
    request.drawFile = parser.value(QStringLiteral("export"));
    request.output = parser.value(QStringLiteral("output"));
    if (request.drawFile.isEmpty() || request.output.isEmpty())
        return QStringLiteral("the file name is empty.");
    return {};
}

} // namespace

QString ExportCommand::name() const
{
    return QStringLiteral("export");
}

QString ExportCommand::description() const
{
    return QStringLiteral(
        "Writes the draws of the draw database <file> (.lto) as CSV to the file given by --output, without a window: a header line, then one line per draw, oldest first, with the ISO date, the main numbers and the extra numbers.");
}

QString ExportCommand::valueName() const
{
    return QStringLiteral("file");
}

QList<QCommandLineOption> ExportCommand::options() const
{
    return {
        OutputOption(),
    };
}

QString ExportCommand::read(const QCommandLineParser& parser, CommandLine& line) const
{
    return readExportRequest(parser, line.exportDraws);
}

CommandResult ExportCommand::execute(const CommandLine& line, const QDate&) const
{
    const CommandLine::ExportRequest& request = line.exportDraws;
    const QString& program = line.program;
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
    result.out = CountText(draws, "draw", "draws") + QStringLiteral(" written to ") + request.output
        + u'\n';
    return result;
}
