// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
// Reaches up into the windows and round into analysis, which reaches back.
#include "core/analysis/Ranking.h"
#include "gui/draws/LDbase.h"
