// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

class QFile;
class QString;

// Opens `file` for reading only when its name leads to a regular file. A FIFO or a device
// chosen in a file dialog (or put where a settings file belongs) would block the program on
// opening or never come to an end; for the program it is a file that cannot be read.
bool OpenRegularFile(QFile& file);
// Why the file at `path` could not be opened for reading, in the system's words.
QString UnopenedReason(const QString& path);
