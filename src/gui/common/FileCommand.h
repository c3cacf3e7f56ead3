#pragma once

#include "core/common/ChooseFile.h"

#include <QString>

#include <functional>
#include <optional>

class QIODevice;
struct Services;
struct SharedState;

// The steps the file commands of draw files and tracker files share. The file dialog proposes the
// name of the file in memory in the folder used last, and remembers the folder chosen. A file is
// read only when it is a regular file, and a read that fails is reported; a file is written in
// one piece or not at all, and a failed write is reported with its reason.
class FileCommand {
public:
    // Reads an opened file, called `name` without its folder, into memory; false when it is no
    // file of the kind.
    using Reader = std::function<bool(QIODevice& file, const QString& name)>;
    // Writes the whole file; false with `reason` set when it cannot.
    using Writer = std::function<bool(QIODevice& file, QString& reason)>;

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
    std::optional<QString> choose(Direction direction, const QString& currentName);

    SharedState& m_state;
    Services& m_services;
    FileKind m_kind;
};
