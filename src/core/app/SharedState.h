// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/app/PersonalSettings.h"
#include "core/app/RecentFiles.h"
#include "core/draws/DrawStore.h"
#include "core/tickets/TicketBookDocument.h"
#include "core/tracker/TrackerDocument.h"

#include <QString>

// The program state every window works on: the draws, the tracker's sheet, the personal settings,
// the folders and whether there is work to save. One instance is made at start-up and handed to
// each window; nothing else is shared between windows, and no window keeps a mode of its own here.
struct SharedState {
    // The program's own folder. A copy of its own that may be written to (the build folder, a
    // portable copy) keeps the settings file there, and the file dialogs start there.
    QString ProgramDirectory;
    // Set by chooseFileFolders() for an installed program, which must not write beside itself:
    // the user's configuration folder for the settings file and the documents folder for the
    // first file dialog. Empty means the program's folder.
    QString ConfigDirectory;
    QString DocumentsDirectory;

    DrawStore Store;
    PersonalSettings Settings;
    // The files opened or saved last, and whether some are read again at start.
    RecentFiles Recent;

    // The folder of the data file chosen last, where the next file dialog starts. The current
    // directory stays the program's, so the settings file is always found.
    QString LastFolder;

    // The investment tracker's sheet, which outlives its window: My Tickets posts to it.
    TrackerDocument Tracker;

    // The tickets the user played, filled from the sets Rado-d-Idorur suggests, a wheel, typing
    // and files, and checked against the store's draws in the tickets window.
    TicketBookDocument Tickets;

    // The documents the user works on, each asked about before its unsaved work is dropped.
    QList<const Document*> documents() const { return {&Store, &Tracker, &Tickets}; }

    // Looks at the program's folder and sets ConfigDirectory and DocumentsDirectory.
    void chooseFileFolders();
    QString settingsFilePath() const;
    // Beside the settings file.
    QString recentFilesPath() const;
    // Puts the document's file first in the recent files and writes their file.
    void rememberRecentFile(const Document& document);
    // Where an installed program keeps its sample files.
    QString samplesDirectory() const;
    // Where a file dialog starts before any file was chosen.
    QString firstDialogFolder() const;
    // The folder the next file dialog starts in: the folder of the file chosen last, of whatever
    // kind, or the first folder. Only a folder that exists and can be written to is proposed,
    // never the samples folder of an installed program; the documents folder stands in.
    QString dialogFolder() const;
    // What the next file dialog proposes: `name` in the dialog folder.
    QString proposedPath(const QString& name) const;
    // Makes the folder of `path` the one the next file dialog starts in.
    void rememberFolderOf(const QString& path);
    // Gives an empty store the personal shape: numbers per draw + 2 columns and the highest number.
    void applyPersonalShape();
};
