// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "SharedState.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

void SharedState::chooseFileFolders()
{
    ConfigDirectory.clear();
    DocumentsDirectory.clear();
    const QFileInfo program(ProgramDirectory);
    // An installed program has its data folder beside its own; even when it may write to its
    // folder (run by root, or installed into the user's home) that folder is no place for a
    // user's settings.
    const bool installed = QFileInfo(samplesDirectory()).isDir();
    if (program.isDir() && program.isWritable() && !installed)
        return;

    ConfigDirectory = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    // Made now, so that the settings window finds it when it writes the file.
    QDir().mkpath(ConfigDirectory);
    DocumentsDirectory = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (DocumentsDirectory.isEmpty() || !QFileInfo(DocumentsDirectory).isDir())
        DocumentsDirectory = QDir::homePath();
}

QString SharedState::settingsFilePath() const
{
    const QString folder = ConfigDirectory.isEmpty() ? ProgramDirectory : ConfigDirectory;
    return QDir(folder).filePath(QString::fromLatin1(PersonalSettings::FileName));
}

QString SharedState::recentFilesPath() const
{
    return QFileInfo(settingsFilePath()).dir().filePath(QString::fromLatin1(RecentFiles::FileName));
}

void SharedState::rememberRecentFile(const Document& document)
{
    Recent.add(document.kind(), document.filePath());
    // The list is a convenience: a folder that cannot be written keeps it for this run only, as
    // it keeps the personal settings.
    Recent.writeFile(recentFilesPath());
}

QString SharedState::samplesDirectory() const
{
    return QDir::cleanPath(
        QDir(ProgramDirectory).absoluteFilePath(QStringLiteral(NUMERION_DATA_FROM_PROGRAM)));
}

QString SharedState::firstDialogFolder() const
{
    return DocumentsDirectory.isEmpty() ? ProgramDirectory : DocumentsDirectory;
}

QString SharedState::dialogFolder() const
{
    const QString samples = samplesDirectory();
    const QString candidates[] = {
        LastFolder,
        firstDialogFolder(),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
    };
    for (const QString& folder : candidates) {
        const QFileInfo info(folder);
        if (!folder.isEmpty() && info.isDir() && info.isWritable()
            && QDir::cleanPath(info.absoluteFilePath()) != samples)
            return folder;
    }
    return QDir::homePath();
}

QString SharedState::proposedPath(const QString& name) const
{
    return QDir(dialogFolder()).filePath(name);
}

void SharedState::rememberFolderOf(const QString& path)
{
    LastFolder = QFileInfo(path).absolutePath();
}

void SharedState::applyPersonalShape()
{
    Store.setShape(Settings.defaultShape());
}
