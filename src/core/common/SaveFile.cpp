// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "SaveFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QSaveFile>

bool SaveFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write,
                        QString* error)
{
    QBuffer content;
    content.open(QIODevice::WriteOnly);
    if (!write(content)) {
        if (error)
            *error = content.errorString();
        return false;
    }
    return SaveFileAtomically(path, content.data(), error);
}

bool SaveFileAtomically(const QString& path, const QByteArray& bytes, QString* error)
{
    return SaveFileAtomicallyInPieces(
        path,
        [&bytes](QIODevice& file) {
            qint64 written = 0;
            while (written < bytes.size()) {
                const qint64 step = file.write(bytes.constData() + written, bytes.size() - written);
                if (step <= 0)
                    return false;
                written += step;
            }
            return true;
        },
        error);
}

bool SaveFileAtomicallyInPieces(const QString& path, const std::function<bool(QIODevice&)>& write,
                                QString* error)
{
    // The new file takes the old one's place: a FIFO or a device is never replaced by one.
    const QFileInfo existing(path);
    if (existing.exists() && !existing.isFile() && !existing.isDir()) {
        if (error)
            *error = QStringLiteral("Not a regular file");
        return false;
    }

    // Unbuffered, so that a write that fails says why: a buffered one reports a disk that fills
    // up half-way only as a short write, without the system's reason.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (write(file) && file.commit())
            return true;
        // The reason goes before cancelWriting() puts its own in its place.
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (error)
        *error = file.errorString();
    return false;
}
