#pragma once

#include "core/app/PersonalSettings.h"
#include "core/draws/DrawStore.h"
#include "core/tracker/Sheet.h"

#include <QString>

#include <array>
#include <optional>

// What the program is busy with; several windows hand work to each other through it.
enum ActionModeValue : int {
    ActionIdle = 0,
    ActionOpenOrCorrect = 1, // open a draw file, correct a record, rank for a pick, row dialog
    ActionSaveDrawFile = 2,
    ActionOpenTrackerFile = 3,
    ActionSaveTrackerFile = 4,
    ActionDialogCancelled = 6,
    ActionNaturalOrder = 10, // keep the natural order when ranking
};

// The program state every window works on. One instance is made at start-up and handed to each
// window; nothing else is shared between windows.
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

    std::array<QString, 9> PrintLines; // the database printout's distribution block, 1..8
    QString DistributionText; // the top-numbers line last shown in the database window

    int ActionMode = ActionIdle;
    QString FilePath;
    // The folder of the data file chosen last, where the next file dialog starts. The current
    // directory stays the program's, so the settings file is always found.
    QString LastFolder;

    // The investment tracker's sheet and what outlives its window.
    Sheet TrackerSheet;
    bool SheetChanged = false; // calculated since the last save
    QString TrackerFileName;
    QString RowDialogAnswer; // the row typed in the insert dialog; empty after "&Cancel"

    int CorrectRecNo = 0;
    bool EditingFlag = false;
    int GraphOpener = 0;
    // Measured on the default printer's paper each time the database is printed; nothing
    // before the first printout.
    std::optional<int> LinesPerPage;

    // Looks at the program's folder and sets ConfigDirectory and DocumentsDirectory.
    void chooseFileFolders();
    QString settingsFilePath() const;
    // Where a file dialog starts before any file was chosen.
    QString firstDialogFolder() const;
    // Gives an empty store the personal shape: numbers per draw + 2 columns and the highest number.
    void applyPersonalShape();
};
