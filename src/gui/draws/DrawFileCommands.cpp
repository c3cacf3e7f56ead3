// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "DrawFileCommands.h"

#include "core/analysis/TopNumbers.h"
#include "core/app/SharedState.h"
#include "core/common/FileFields.h"
#include "core/common/MessageBoxes.h"
#include "core/draws/DatabasePrintout.h"
#include "core/draws/DrawCsv.h"
#include "core/draws/LinesPerPage.h"
#include "gui/common/BusyCursor.h"
#include "gui/common/FileFlow.h"
#include "gui/common/PrintJob.h"
#include "gui/common/PrinterPort.h"
#include "gui/common/Services.h"

#include <QDate>
#include <QIODevice>

void SaveDrawFile(SharedState& state, Services& services)
{
    DrawStore& store = state.Store;
    if (store.RecCount() == 0) {
        services.messages.inform(HelpTitle, QStringLiteral("No Records to Save"));
        return;
    }
    FileFlow& flow = services.files;
    const std::optional<FileChoice> choice
        = flow.choose(FileKind::Draws, Direction::Save, store.FileDisplayName());
    if (!choice)
        return;
    // Exporting writes the draws for other programs; the draws in memory are not saved by it.
    if (choice->kind == FileKind::Csv) {
        flow.write(FileKind::Csv, choice->path, [&store](QIODevice& file, QString&) {
            return WriteFileBytes(file, DrawCsv::Bytes(store.shape(), store.records()));
        });
        return;
    }
    flow.save(store, choice->path);
}

bool OpenDrawFile(SharedState& state, Services& services)
{
    DrawStore& store = state.Store;
    // Opening replaces the records in memory; added ones are not dropped without a word.
    if (!MayDropDocuments({&store}, services.messages))
        return false;
    // A file that cannot be read leaves the store empty, as a new one.
    if (services.files.open(store) == FileFlow::Opened::Failed)
        store.Reset();
    return true;
}

void ReadDrawFileInto(SharedState& state, Services& services, const QString& path)
{
    DrawStore& store = state.Store;
    if (!services.files.open(store, path))
        store.Reset();
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
