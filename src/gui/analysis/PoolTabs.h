// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/analysis/DrawStatistics.h"

class QTabBar;
class QWidget;

// The choice between the main numbers and the extra numbers as two tabs, "Main numbers" and
// "Extra numbers", for the windows that show each pool on its own.
namespace PoolTabs {

QTabBar* create(QWidget* parent);
Pool current(const QTabBar* tabs);
// Shown only while `shape` has extra numbers; without them the main numbers are chosen again.
void follow(QTabBar* tabs, const LotteryShape& shape);

} // namespace PoolTabs
