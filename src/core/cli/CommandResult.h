// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QString>

// What a command of the command line prints and how it ends.
struct CommandResult {
    int exitCode = 0; // 0 when the command did its work, 1 otherwise
    QString out; // the one-line summary, for standard output
    QString err; // warnings and why nothing was written, for standard error

    // Ends the command: `message` after the program's name, as command-line tools report.
    CommandResult failed(const QString& program, const QString& message)
    {
        exitCode = 1;
        err += program + QStringLiteral(": ") + message + u'\n';
        return *this;
    }
};
