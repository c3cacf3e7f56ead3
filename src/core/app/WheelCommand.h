// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/app/CommandLine.h"
#include "core/app/CommandResult.h"

#include <QString>

// Searches the wheel `request` describes and writes its tickets, one line each with the numbers
// ascending, for scripts: no window, no question. The file is replaced only when the new one was
// written completely; the summary is the ticket count.
CommandResult RunWheelCommand(const CommandLine::WheelRequest& request, const QString& program);
