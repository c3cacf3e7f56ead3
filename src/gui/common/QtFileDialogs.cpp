// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "QtFileDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QMimeDatabase>
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
                  const QList<SaveFilter>& filters, int* chosen, const QString& samples = QString())
{
    QStringList names;
    for (const SaveFilter& filter : filters)
        names.append(filter.filter);
    // Where the desktop has a dialog of its own, exec() shows that one instead.
    QFileDialog dialog(QApplication::activeWindow(), title, proposedPath, names.join(u";;"));
    NameOnlyIconProvider icons;
    dialog.setIconProvider(&icons);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    // A name typed without a suffix gets the chosen filter's here, so that the dialog asks before
    // replacing the file that will really be written.
    const auto takeSuffix = [&dialog, &filters, &names](const QString& name) {
        dialog.setDefaultSuffix(filters.value(names.indexOf(name)).suffix);
    };
    if (mode == QFileDialog::AcceptSave && !filters.isEmpty()) {
        takeSuffix(names.constFirst());
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, takeSuffix);
    }
    if (!samples.isEmpty() && QFileInfo(samples).isDir()) {
        QList<QUrl> places = dialog.sidebarUrls();
        const QUrl folder = QUrl::fromLocalFile(QDir::cleanPath(samples));
        if (!places.contains(folder))
            places.append(folder);
        dialog.setSidebarUrls(places);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    if (chosen)
        *chosen = std::max(0, int(names.indexOf(dialog.selectedNameFilter())));
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString QtFileDialogs::openFileName(const QString& title, const QString& proposedPath,
                                    const QString& filter)
{
    // An open dialog's filter may hold several patterns apart by ";;", as Qt takes them.
    return runDialog(QFileDialog::AcceptOpen, title, proposedPath, {{filter, QString()}}, nullptr,
                     m_samplesFolder ? m_samplesFolder() : QString());
}

QString QtFileDialogs::saveFileName(const QString& title, const QString& proposedPath,
                                    const QList<SaveFilter>& filters, int& chosen)
{
    return runDialog(QFileDialog::AcceptSave, title, proposedPath, filters, &chosen);
}
