// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QString>

// The texts of the help panels, each built the same way: a title line, paragraphs separated by
// empty lines, and an end marker.
namespace HelpTexts {

QString radoDIdorur();
QString database();
QString tracker();

} // namespace HelpTexts
