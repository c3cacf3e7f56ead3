// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "gui/common/FileFlow.h"

#include <QString>

#include <optional>

struct Services;
struct SharedState;

// The file commands of draw files and tracker files: the one file flow of the program
// (`FileFlow`), bound to one kind.
class FileCommand {
public:
    using Reader = FileFlow::Reader;
    using Writer = FileFlow::Writer;

    // The flow keeps the folders in `state` itself; the state is taken for the callers' sake.
    FileCommand(SharedState& state, Services& services, FileKind kind);

    enum class Opened { Cancelled, Read, Failed };
    // Asks for a file to open, `currentName` proposed, and reads it. A failed read has been
    // reported; what it left in memory is the caller's to clear.
    Opened open(const QString& currentName, const Reader& read);
    // Reads the file at `path` as open() does with the file chosen; false, reported, when it
    // could not be read.
    bool read(const QString& path, const Reader& read);
    // Asks for a file to save to, `currentName` proposed, and writes it. The path written, or
    // nothing when the user cancelled or the write failed (which has been reported).
    std::optional<QString> save(const QString& currentName, const Writer& write);

private:
    FileFlow& m_flow;
    FileKind m_kind;
};
