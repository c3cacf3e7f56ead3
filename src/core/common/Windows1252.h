// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QByteArrayView>
#include <QString>

// Text of the Windows ANSI code page of Western Europe (Windows-1252), which files written by
// older programs hold: Latin-1 but for 0x80..0x9F, where it has the euro sign, typographic quotes
// and dashes rather than control characters. The five bytes the code page leaves undefined read
// as Windows reads them, as the control characters of the same value. Any bytes decode.
QString DecodeWindows1252(QByteArrayView bytes);
