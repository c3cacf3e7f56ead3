// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QString>

#include <optional>

class DrawStore;

// "Distribution of numbers in database.  Top 6 =  ..." for the store's counts, ranked by count
// whatever order a chart shows; nothing when no number was ever drawn. The database window shows
// it above its counts and the database printout prints it above the distribution.
std::optional<QString> TopNumbersOf(const DrawStore& store);
// The same line for the extra numbers, "Distribution of extra numbers in database.  Top 1 =  ...";
// nothing for a shape without them or when none was drawn.
std::optional<QString> TopExtraNumbersOf(const DrawStore& store);
