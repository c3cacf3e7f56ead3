// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

// Writes the whole new content of `path` through a temporary file that replaces the old one only
// when everything was written: a failed save leaves the old file as it was, and a FIFO or device
// of that name is never replaced. `write` fills the device (the content is gathered first and
// written in one go) and returns false when it could not. On failure, `error` (when given)
// receives the system's reason.
bool SaveFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write,
                        QString* error = nullptr);
bool SaveFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);
// The same for content too large to gather first: `write` writes to the temporary file itself,
// piece by piece (large pieces: the device is unbuffered, so that a failed write says why), and
// returns false when it could not; the file takes the old one's place only when it returned true.
bool SaveFileAtomicallyInPieces(const QString& path, const std::function<bool(QIODevice&)>& write,
                                QString* error = nullptr);
