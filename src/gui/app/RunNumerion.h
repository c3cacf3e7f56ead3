// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

// Runs the program: the real message boxes and printer, the start-up, and the event loop.
int RunNumerion(int argc, char** argv);
