#pragma once

class FileDialogs;
struct SharedState;

// Every data file the user chooses comes through here. The caller sets ActionMode to 1 or 2
// (open or save a draw file) or 3 or 4 (open or save a tracker file); afterwards FilePath holds
// the chosen path, or ActionMode is 6 and FilePath empty when the user cancelled. Any other mode
// shows no dialog and leaves FilePath as it was.
void FileDirectory(SharedState& state, FileDialogs& dialogs);
