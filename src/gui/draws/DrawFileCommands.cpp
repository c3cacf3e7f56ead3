#include "DrawFileCommands.h"

#include "core/app/FileDirectory.h"
#include "core/app/SharedState.h"
#include "gui/common/BusyCursor.h"
#include "core/common/MessageBoxes.h"
#include "gui/common/PrintJob.h"
#include "gui/common/PrinterPort.h"
#include "core/common/RegularFile.h"
#include "core/common/SaveFile.h"
#include "gui/common/Services.h"
#include "core/draws/DatabasePrintout.h"
#include "core/draws/DrawFile.h"
#include "core/draws/LinesPerPage.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QString helpTitle = QStringLiteral("Help");

void finishFileCommand(SharedState& state)
{
    state.ActionMode = ActionIdle;
    state.FilePath.clear();
}

bool readDrawFile(const QString& path, DrawStore& store)
{
    QFile file(path);
    if (!OpenRegularFile(file))
        return false;
    const DrawFile::ReadResult read = DrawFile::Read(file);
    if (read.error != DrawFile::ReadError::None || !store.LoadRecords(read.content.records))
        return false;
    store.SetColCount(read.content.colCount);
    store.SetHighNum(read.content.highNum);
    store.SetTitle(read.content.title);
    store.SetFileDisplayName(QFileInfo(path).fileName());
    return true;
}

} // namespace

void SaveDrawFile(SharedState& state, Services& services)
{
    DrawStore& store = state.Store;
    if (store.RecCount() == 0) {
        services.messages.inform(helpTitle, QStringLiteral("No Records to Save"));
    } else if (ChooseFile(state, services.fileDialogs, ActionSaveDrawFile)) {
        QString reason;
        const std::optional<QByteArray> bytes = DrawFile::Bytes(store);
        const bool saved = bytes ? SaveFileAtomically(state.FilePath, *bytes, &reason) : false;
        if (!bytes)
            reason = QStringLiteral("A record's date is no date that can be written.");
        if (saved) {
            store.SetFileDisplayName(QFileInfo(state.FilePath).fileName());
            // Only a save that reached the disk makes the draws in memory safe to drop.
            store.SetChangedFlag(false);
        } else {
            services.messages.inform(QStringLiteral("Saving Error"),
                                     QStringLiteral(" Bad Filename. Must be in the form MYFILE.LTO")
                                         + u'\n' + reason);
        }
    }
    finishFileCommand(state);
}

bool GoBackToSaveFirst(DrawStore& store, MessageBoxes& messages)
{
    if (!store.ChangedFlag() || store.RecCount() == 0)
        return false;
    const QString question
        = store.FileDisplayName()
        + QStringLiteral(
              " file in memory will be erased. Do you want to go back and Save File to Disk?.");
    return messages.ask(QStringLiteral("Changed File in Memory"), question);
}

bool OpenDrawFile(SharedState& state, Services& services)
{
    DrawStore& store = state.Store;
    // Opening replaces the records in memory; added ones are not dropped without a word.
    if (GoBackToSaveFirst(store, services.messages))
        return false;

    if (ChooseFile(state, services.fileDialogs, ActionOpenOrCorrect))
        ReadDrawFileInto(state, services, state.FilePath);
    finishFileCommand(state);
    return true;
}

void ReadDrawFileInto(SharedState& state, Services& services, const QString& path)
{
    DrawStore& store = state.Store;
    bool read = false;
    {
        BusyCursor busy;
        read = readDrawFile(path, store);
    }
    if (!read) {
        store.Reset();
        services.messages.inform(
            QStringLiteral("Loading Error"),
            QStringLiteral("File not found or wrong format. Check Filename and/or Directory."));
    }
    store.SetChangedFlag(false);
}

void PrintDatabase(SharedState& state, Services& services)
{
    state.PrintLines.fill(QString());
    if (state.Store.RecCount() < 1) {
        services.messages.inform(helpTitle, QStringLiteral("No Records in Database to print."));
        return;
    }
    if (!ConfirmPrintout(services))
        return;
    Printout printout;
    {
        BusyCursor busy;
        // Measured for every printout: the default printer and its paper may have changed.
        state.LinesPerPage = LinesPerPageFor(services.printer.pageMetrics());
        printout = DatabasePrintout(state.Store, state.DistributionText, *state.LinesPerPage,
                                    state.PrintLines);
    }
    SendPrintout(services, printout);
}
