// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

class FileDialogs;
class FileFlow;
class MessageBoxes;
class PrinterPort;
class RandomSource;

// The platform services windows use besides the shared state. The program fills it with the real
// ones; tests with fakes, so that nothing blocks on a dialog or a printer.
struct Services {
    MessageBoxes& messages;
    PrinterPort& printer;
    FileDialogs& fileDialogs;
    RandomSource& random;
    // Every file the user opens or saves goes through it; it asks `fileDialogs`.
    FileFlow& files;
};
