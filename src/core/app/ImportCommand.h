// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/app/CommandLine.h"
#include "core/app/CommandResult.h"

#include <QDate>
#include <QString>

// Converts the draw history `request` names to a draw file, for scripts: no window, no
// question. The draw file is replaced only when the new one was written completely.
CommandResult RunImportCommand(const CommandLine::ImportRequest& request, const QString& program,
                               const QDate& today);
