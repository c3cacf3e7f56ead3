#include "ChooseFile.h"

#include "core/common/FileDialogs.h"

#include <QFileInfo>

std::optional<QString> chooseFile(FileDialogs& dialogs, FileKind kind, Direction direction,
                                  const QString& proposed)
{
    const QString filter = kind == FileKind::Draws
        ? QStringLiteral("Lottery Winning Numbers Database (*.lto)")
        : QStringLiteral("Investment Tracker Databases (*.inv)");
    const QString title = QStringLiteral("Directories - Folders");
    const QString path = direction == Direction::Open
        ? dialogs.openFileName(title, proposed, filter)
        : dialogs.saveFileName(title, proposed, filter);
    if (path.isEmpty())
        return std::nullopt;
    return QFileInfo(path).absoluteFilePath();
}
