// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/app/CommandLine.h"
#include "core/app/CommandResult.h"

#include <QString>

// Checks every ticket of the tickets file `request` names (one a line, the numbers separated by
// commas, the extra numbers after a +) against every draw of the draw file, and writes a CSV
// line per draw and ticket: the draw's date, the ticket's line number, the main and the extra
// numbers matched; draws oldest first. For scripts: no window, no question. Nothing is written
// when a ticket line is wrong; the results file is replaced only once it is complete.
CommandResult RunCheckCommand(const CommandLine::CheckRequest& request, const QString& program);
