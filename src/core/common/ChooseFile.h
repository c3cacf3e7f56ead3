#pragma once

#include <QString>

#include <optional>

class FileDialogs;

// The two kinds of data file the user chooses: draw files (.lto) and tracker files (.inv).
enum class FileKind { Draws, Tracker };
enum class Direction { Open, Save };

// Every data file the user chooses comes through here: the open or save dialog of the kind,
// starting at `proposed` (a folder, and the name of the file in use). The chosen file's absolute
// path, or nothing when the user cancelled.
std::optional<QString> chooseFile(FileDialogs& dialogs, FileKind kind, Direction direction,
                                  const QString& proposed);
