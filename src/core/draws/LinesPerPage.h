// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/common/Printout.h"

#include <optional>

// Lines of the database printout on one page, before its break. A page of records also carries
// an empty line and the page number below its last record, so two lines fewer than fit on a
// sheet; 50 when the page cannot be measured.
int LinesPerPageFor(std::optional<PageMetrics> page);
