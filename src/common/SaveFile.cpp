#include "SaveFile.h"

#include <QSaveFile>

bool SaveFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write,
                        QString* error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        // The last buffered bytes reach the disk in flush(); commit() would not notice if they
        // failed to and would put a cut-off file in place of the old one.
        if (write(file) && file.flush() && file.commit())
            return true;
        // Cancelling replaces the reason with its own ("Writing canceled by application").
        const QString reason = file.errorString();
        file.cancelWriting();
        if (error)
            *error = reason;
        return false;
    }
    if (error)
        *error = file.errorString();
    return false;
}

bool SaveFileAtomically(const QString& path, const QByteArray& bytes, QString* error)
{
    return SaveFileAtomically(
        path, [&bytes](QIODevice& device) { return device.write(bytes) == bytes.size(); }, error);
}
