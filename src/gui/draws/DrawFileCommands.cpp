// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "DrawFileCommands.h"

#include "core/analysis/TopNumbers.h"
#include "core/app/SharedState.h"
#include "core/common/MessageBoxes.h"
#include "core/draws/DatabasePrintout.h"
#include "core/draws/DrawCsv.h"
#include "core/draws/DrawFile.h"
#include "core/draws/LinesPerPage.h"
#include "gui/common/BusyCursor.h"
#include "gui/common/FileCommand.h"
#include "gui/common/PrintJob.h"
#include "gui/common/PrinterPort.h"
#include "gui/common/Services.h"

#include <QDate>
#include <QFileInfo>
#include <QIODevice>

#include <utility>

namespace {

bool readDrawFile(QIODevice& file, const QString& name, DrawStore& store)
{
    // Reading two thousand records takes a moment.
    BusyCursor busy;
    DrawFile::ReadResult read = DrawFile::Read(file);
    if (read.error != DrawFile::ReadError::None
        || !store.Load(read.content.shape, read.content.title, std::move(read.content.records)))
        return false;
    store.SetFileDisplayName(name);
    return true;
}

FileCommand::Reader readerInto(DrawStore& store)
{
    return
        [&store](QIODevice& file, const QString& name) { return readDrawFile(file, name, store); };
}

} // namespace

void SaveDrawFile(SharedState& state, Services& services)
{
    DrawStore& store = state.Store;
    if (store.RecCount() == 0) {
        services.messages.inform(HelpTitle, QStringLiteral("No Records to Save"));
        return;
    }
    FileFlow& flow = services.files;
    const std::optional<QString> path
        = flow.choose(FileKind::Draws, Direction::Save, store.FileDisplayName());
    if (!path)
        return;
    // A name ending in .csv exports the draws for other programs; the draws in memory are not
    // saved by it.
    if (QFileInfo(*path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0) {
        flow.write(FileKind::Csv, *path, [&store](QIODevice& file, QString&) {
            const QByteArray bytes = DrawCsv::Bytes(store.shape(), store.records());
            return file.write(bytes) == bytes.size();
        });
        return;
    }
    const auto write = [&store](QIODevice& file, QString& reason) {
        const DrawFile::WriteError error = DrawFile::Write(store, file);
        if (error == DrawFile::WriteError::BadDate)
            reason = QStringLiteral("A record's date is no date that can be written.");
        return error == DrawFile::WriteError::None;
    };
    const std::optional<QString> saved
        = flow.write(FileKind::Draws, *path, write) ? path : std::nullopt;
    if (saved) {
        store.SetFileDisplayName(QFileInfo(*saved).fileName());
        // Only a save that reached the disk makes the draws in memory safe to drop.
        store.SetChangedFlag(false);
    }
}

bool GoBackToSaveFirst(DrawStore& store, MessageBoxes& messages)
{
    if (!store.ChangedFlag() || store.RecCount() == 0)
        return false;
    const QString question
        = store.FileDisplayName()
        + QStringLiteral(
              " file in memory will be erased. Do you want to go back and Save File to Disk?.");
    return messages.askToGoBack(QStringLiteral("Changed File in Memory"), question);
}

bool OpenDrawFile(SharedState& state, Services& services)
{
    DrawStore& store = state.Store;
    // Opening replaces the records in memory; added ones are not dropped without a word.
    if (GoBackToSaveFirst(store, services.messages))
        return false;

    const FileCommand::Opened opened = FileCommand(state, services, FileKind::Draws)
                                           .open(store.FileDisplayName(), readerInto(store));
    if (opened == FileCommand::Opened::Failed)
        store.Reset();
    if (opened != FileCommand::Opened::Cancelled)
        store.SetChangedFlag(false);
    return true;
}

void ReadDrawFileInto(SharedState& state, Services& services, const QString& path)
{
    DrawStore& store = state.Store;
    if (!FileCommand(state, services, FileKind::Draws).read(path, readerInto(store)))
        store.Reset();
    store.SetChangedFlag(false);
}

void PrintDatabase(SharedState& state, Services& services)
{
    const DrawStore& store = state.Store;
    if (store.RecCount() < 1) {
        services.messages.inform(HelpTitle, QStringLiteral("No Records in Database to print."));
        return;
    }
    if (!ConfirmPrintout(services))
        return;
    // Measured for every printout: the default printer and its paper may have changed.
    const int linesPerPage = LinesPerPageFor(services.printer.pageMetrics());
    if (const int pages = DatabasePrintoutPages(store, linesPerPage); pages > LongPrintoutPages
        && !services.messages.ask(
            HelpTitle, QStringLiteral("The printout has %1 pages. Print them all?").arg(pages)))
        return;
    Printout printout;
    {
        BusyCursor busy;
        printout = DatabasePrintout(store, TopNumbersOf(store).value_or(QString()), linesPerPage);
    }
    SendPrintout(services, printout);
}
