// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "gui/app/RunNumerion.h"

int main(int argc, char** argv)
{
    return RunNumerion(argc, argv);
}
