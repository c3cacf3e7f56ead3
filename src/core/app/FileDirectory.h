#pragma once

class FileDialogs;
struct SharedState;

// Every data file the user chooses comes through here. The caller sets ActionMode to 1 or 2
// (open or save a draw file) or 3 or 4 (open or save a tracker file); afterwards FilePath holds
// the chosen path, or ActionMode is 6 and FilePath empty when the user cancelled. Any other mode
// shows no dialog and leaves FilePath as it was.
void FileDirectory(SharedState& state, FileDialogs& dialogs);

// The calling sequence of the file commands: sets ActionMode to `mode` and runs the dialog.
// True with FilePath set when a file was chosen; after a cancel ActionMode is idle again and
// FilePath empty.
bool ChooseFile(SharedState& state, FileDialogs& dialogs, int mode);
