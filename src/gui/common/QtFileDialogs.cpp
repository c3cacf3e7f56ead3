// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "QtFileDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QRegularExpression>
#include <QUrl>

namespace {

// Qt's own dialog asks its icon provider for each file's type, which by default reads the first
// bytes of the file on the user-interface thread: a file that never answers (/proc/kmsg, a
// device) would freeze the program. Types and icons here come from the name alone.
class NameOnlyIconProvider : public QFileIconProvider {
public:
    QIcon icon(const QFileInfo& info) const override
    {
        return QFileIconProvider::icon(info.isDir() ? Folder : File);
    }

    QString type(const QFileInfo& info) const override
    {
        if (info.isDir())
            return QFileIconProvider::type(info);
        return m_mimeTypes.mimeTypeForFile(info, QMimeDatabase::MatchExtension).comment();
    }

private:
    QMimeDatabase m_mimeTypes;
};

QString runDialog(QFileDialog::AcceptMode mode, const QString& title, const QString& proposedPath,
                  const QString& filter, const QString& samples = QString())
{
    // Where the desktop has a dialog of its own, exec() shows that one instead.
    QFileDialog dialog(QApplication::activeWindow(), title, proposedPath, filter);
    NameOnlyIconProvider icons;
    dialog.setIconProvider(&icons);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    // A name typed without a suffix gets the first pattern's here, so that the dialog asks before
    // replacing the file that will really be written.
    static const QRegularExpression firstSuffix(QStringLiteral(R"(\(\*\.(\w+)[ )])"));
    const QRegularExpressionMatch suffix = firstSuffix.match(filter);
    if (mode == QFileDialog::AcceptSave && suffix.hasMatch())
        dialog.setDefaultSuffix(suffix.captured(1));
    if (!samples.isEmpty() && QFileInfo(samples).isDir()) {
        QList<QUrl> places = dialog.sidebarUrls();
        const QUrl folder = QUrl::fromLocalFile(QDir::cleanPath(samples));
        if (!places.contains(folder))
            places.append(folder);
        dialog.setSidebarUrls(places);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString QtFileDialogs::openFileName(const QString& title, const QString& proposedPath,
                                    const QString& filter)
{
    return runDialog(QFileDialog::AcceptOpen, title, proposedPath, filter,
                     m_samplesFolder ? m_samplesFolder() : QString());
}

QString QtFileDialogs::saveFileName(const QString& title, const QString& proposedPath,
                                    const QString& filter)
{
    return runDialog(QFileDialog::AcceptSave, title, proposedPath, filter);
}
