// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

class QString;
struct Services;
struct SharedState;

// The menu's draw-file and database-printout commands. The menu hides itself around them and
// decides which window shows next.

// Lets the user pick a draw file and writes the store to it, or exports the draws as CSV when the
// user chose that filter. Nothing is written without records or when the user cancels; a failed
// write leaves the old file as it was and tells the user why.
void SaveDrawFile(SharedState& state, Services& services);

// Lets the user pick a draw file and reads it into the store; a file that cannot be read leaves
// the store empty. Returns false when the user chose to go back and save the records in memory
// first; then nothing was opened and the database window is not to be shown.
bool OpenDrawFile(SharedState& state, Services& services);

// Reads the draw file at `path` into the store as the open command does with the file chosen: a
// file that cannot be read leaves the store empty and is reported.
void ReadDrawFileInto(SharedState& state, Services& services, const QString& path);

// Prints every record and the distribution of numbers after the usual question.
void PrintDatabase(SharedState& state, Services& services);
