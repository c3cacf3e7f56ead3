// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/app/CommandLine.h"

#include <QDate>
#include <QString>

// What `numerion --import` prints and how it ends.
struct ImportCommandResult {
    int exitCode = 0; // 0 when the draw file was written, 1 otherwise
    QString out; // the one-line summary
    QString err; // the skipped lines, warnings and why nothing was written
};

// Converts the draw history `request` names to a draw file, for scripts: no window, no
// question. The draw file is replaced only when the new one was written completely.
ImportCommandResult RunImportCommand(const CommandLine::ImportRequest& request,
                                     const QString& program, const QDate& today);
