// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/app/CommandLine.h"

#include <QString>

// What `numerion --export` prints and how it ends.
struct ExportCommandResult {
    int exitCode = 0; // 0 when the CSV file was written, 1 otherwise
    QString out; // the one-line summary
    QString err; // why nothing was written
};

// Writes the draws of the draw file `request` names as CSV, for scripts: no window, no
// question. The CSV file is replaced only when the new one was written completely.
ExportCommandResult RunExportCommand(const CommandLine::ExportRequest& request,
                                     const QString& program);
