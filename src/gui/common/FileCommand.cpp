#include "FileCommand.h"

#include "core/app/SharedState.h"
#include "core/common/MessageBoxes.h"
#include "core/common/RegularFile.h"
#include "core/common/SaveFile.h"
#include "gui/common/Services.h"

#include <QFile>
#include <QFileInfo>

FileCommand::FileCommand(SharedState& state, Services& services, FileKind kind)
    : m_state(state), m_services(services), m_kind(kind)
{
}

std::optional<QString> FileCommand::choose(Direction direction, const QString& currentName)
{
    const std::optional<QString> path
        = chooseFile(m_services.fileDialogs, m_kind, direction, m_state.proposedPath(currentName));
    if (path)
        m_state.rememberFolderOf(*path);
    return path;
}

FileCommand::Opened FileCommand::open(const QString& currentName, const Reader& read)
{
    const std::optional<QString> path = choose(Direction::Open, currentName);
    if (!path)
        return Opened::Cancelled;
    return this->read(*path, read) ? Opened::Read : Opened::Failed;
}

bool FileCommand::read(const QString& path, const Reader& read)
{
    QFile file(path);
    if (OpenRegularFile(file) && read(file, QFileInfo(path).fileName()))
        return true;
    m_services.messages.inform(
        QStringLiteral("Loading Error"),
        QStringLiteral("File not found or wrong format. Check Filename and/or Directory."));
    return false;
}

std::optional<QString> FileCommand::save(const QString& currentName, const Writer& write)
{
    const std::optional<QString> path = choose(Direction::Save, currentName);
    if (!path)
        return std::nullopt;
    QString writeReason;
    QString reason;
    const bool saved = SaveFileAtomically(
        *path, [&write, &writeReason](QIODevice& device) { return write(device, writeReason); },
        &reason);
    if (saved)
        return path;
    if (!writeReason.isEmpty())
        reason = writeReason;
    QString message = m_kind == FileKind::Draws
        ? QStringLiteral(" Bad Filename. Must be in the form MYFILE.LTO")
        : QStringLiteral(" Bad Filename. Must be in the form MYFILE.ZPX");
    if (!reason.isEmpty())
        message += u'\n' + reason;
    m_services.messages.inform(QStringLiteral("Saving Error"), message);
    return std::nullopt;
}
