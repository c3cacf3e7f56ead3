// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/app/CommandLine.h"
#include "core/app/CommandResult.h"

#include <QString>

// Writes the draws of the draw file `request` names as CSV, for scripts: no window, no
// question. The CSV file is replaced only when the new one was written completely.
CommandResult RunExportCommand(const CommandLine::ExportRequest& request, const QString& program);
