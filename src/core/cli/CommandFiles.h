// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/draws/DrawFile.h"

#include <QString>

// Files as the command-line commands take them.

// Whether two names are one existing file: a command writing over a file it reads would lose it.
bool SameFile(const QString& a, const QString& b);

// The draw file at `path`; when it cannot be read, `error` says why as the commands report it
// ("cannot read PATH: ...") and the result's error is set.
DrawFile::ReadResult ReadDrawFileForCommand(const QString& path, QString& error);
