#include "FileDirectory.h"

#include "core/app/SharedState.h"
#include "core/common/FileDialogs.h"

#include <QDir>
#include <QFileInfo>

void FileDirectory(SharedState& state, FileDialogs& dialogs)
{
    const int mode = state.ActionMode;
    if (mode < ActionOpenOrCorrect || mode > ActionSaveTrackerFile)
        return;

    const bool draws = mode == ActionOpenOrCorrect || mode == ActionSaveDrawFile;
    const bool opening = mode == ActionOpenOrCorrect || mode == ActionOpenTrackerFile;
    const QString filter = draws ? QStringLiteral("Lottery Winning Numbers Database (*.lto)")
                                 : QStringLiteral("Investment Tracker Databases (*.inv)");
    const QString name = draws ? state.Store.FileDisplayName() : state.TrackerFileName;
    // The name of the file last used, in the folder last used.
    const QString folder
        = state.LastFolder.isEmpty() ? state.firstDialogFolder() : state.LastFolder;
    const QString proposed = QDir(folder).filePath(name);

    const QString title = QStringLiteral("Directories - Folders");
    const QString path = opening ? dialogs.openFileName(title, proposed, filter)
                                 : dialogs.saveFileName(title, proposed, filter);
    if (path.isEmpty()) {
        state.ActionMode = ActionDialogCancelled;
        state.FilePath.clear();
        return;
    }
    state.FilePath = QFileInfo(path).absoluteFilePath();
    state.LastFolder = QFileInfo(state.FilePath).absolutePath();
}

bool ChooseFile(SharedState& state, FileDialogs& dialogs, int mode)
{
    state.ActionMode = mode;
    FileDirectory(state, dialogs);
    if (state.ActionMode == ActionDialogCancelled || state.FilePath.isEmpty()) {
        state.ActionMode = ActionIdle;
        state.FilePath.clear();
        return false;
    }
    return true;
}
