#include "QtFileDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QMimeDatabase>

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
                  const QString& filter)
{
    // Where the desktop has a dialog of its own, exec() shows that one instead.
    QFileDialog dialog(QApplication::activeWindow(), title, proposedPath, filter);
    NameOnlyIconProvider icons;
    dialog.setIconProvider(&icons);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString QtFileDialogs::openFileName(const QString& title, const QString& proposedPath,
                                    const QString& filter)
{
    return runDialog(QFileDialog::AcceptOpen, title, proposedPath, filter);
}

QString QtFileDialogs::saveFileName(const QString& title, const QString& proposedPath,
                                    const QString& filter)
{
    return runDialog(QFileDialog::AcceptSave, title, proposedPath, filter);
}
