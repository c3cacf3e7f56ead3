// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "ChooseFile.h"

#include "core/common/FileDialogs.h"

#include <QFileInfo>

#include <array>

const QString LoadingErrorTitle = QStringLiteral("Loading Error");
const QString SavingErrorTitle = QStringLiteral("Saving Error");

const FileKindInfo& FileKindInfoOf(FileKind kind)
{
    // In the order of FileKind.
    static const std::array<FileKindInfo, 8> kinds {{
        {QStringLiteral("Directories - Folders"),
         QStringLiteral("Lottery Winning Numbers Database (*.lto)"), QStringLiteral("lto"),
         QStringLiteral(" Bad Filename. Must be in the form MYFILE.LTO"),
         QStringLiteral("Export Draws as CSV (*.csv)")},
        // The tracker's error has always named this example; users know it.
        {QStringLiteral("Directories - Folders"),
         QStringLiteral("Investment Tracker Databases (*.inv)"), QStringLiteral("inv"),
         QStringLiteral(" Bad Filename. Must be in the form MYFILE.ZPX"), QString()},
        {QStringLiteral("Import Draw History"),
         QStringLiteral("Draw histories (*.csv *.txt *.tsv);;All files (*)"), QString(), QString(),
         QString()},
        {QStringLiteral("Save as CSV"), QStringLiteral("CSV files (*.csv)"), QStringLiteral("csv"),
         QStringLiteral(" Bad Filename. Must be in the form MYFILE.CSV"), QString()},
        {QStringLiteral("Save Image As"), QStringLiteral("PNG images (*.png);;SVG images (*.svg)"),
         QStringLiteral("png"), QStringLiteral(" Bad Filename. Must be in the form MYFILE.PNG"),
         QString()},
        {QStringLiteral("No printer is available: save the printout as PDF"),
         QStringLiteral("PDF documents (*.pdf)"), QStringLiteral("pdf"),
         QStringLiteral(" Bad Filename. Must be in the form MYFILE.PDF"), QString()},
        {QStringLiteral("My Tickets"), QStringLiteral("Numerion Ticket Books (*.ltk)"),
         QStringLiteral("ltk"), QStringLiteral(" Bad Filename. Must be in the form MYFILE.LTK"),
         QString()},
        {QStringLiteral("Import Tickets"),
         QStringLiteral("Ticket lists (*.csv *.txt);;All files (*)"), QString(), QString(),
         QString()},
    }};
    return kinds.at(std::size_t(kind));
}

std::optional<QString> chooseFile(FileDialogs& dialogs, FileKind kind, Direction direction,
                                  const QString& proposed)
{
    const FileKindInfo& info = FileKindInfoOf(kind);
    QString path = direction == Direction::Open
        ? dialogs.openFileName(info.title, proposed, info.filter)
        : dialogs.saveFileName(info.title, proposed,
                               info.alsoSavedAs.isEmpty()
                                   ? info.filter
                                   : info.filter + QStringLiteral(";;") + info.alsoSavedAs);
    if (path.isEmpty())
        return std::nullopt;
    // A dialog of the desktop may leave the suffix to the program.
    if (direction == Direction::Save && !info.defaultSuffix.isEmpty()
        && QFileInfo(path).suffix().isEmpty())
        path += u'.' + info.defaultSuffix;
    return QFileInfo(path).absoluteFilePath();
}

namespace {

QString withReason(QString text, const QString& reason)
{
    if (!reason.isEmpty())
        text += u'\n' + reason;
    return text;
}

} // namespace

QString LoadingErrorText(const QString& reason)
{
    return withReason(
        QStringLiteral("File not found or wrong format. Check Filename and/or Directory."), reason);
}

QString SavingErrorText(FileKind kind, const QString& reason)
{
    return withReason(FileKindInfoOf(kind).savingError, reason);
}
