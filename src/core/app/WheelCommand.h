// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/app/CommandLine.h"

#include <QString>

// What `numerion --wheel` prints and how it ends.
struct WheelCommandResult {
    int exitCode = 0; // 0 when the tickets were written, 1 otherwise
    QString out; // the ticket count
    QString err; // why nothing was written
};

// Searches the wheel `request` describes and writes its tickets, one line each with the numbers
// ascending, for scripts: no window, no question. The file is replaced only when the new one was
// written completely.
WheelCommandResult RunWheelCommand(const CommandLine::WheelRequest& request,
                                   const QString& program);
