#pragma once

#include <QByteArray>
#include <QString>

// Writes `bytes` as the whole new content of `path` through a temporary file that replaces the
// old one only when everything was written: a failed save leaves the old file as it was.
// On failure, `error` (when given) receives the reason.
bool SaveFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);
