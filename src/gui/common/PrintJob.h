// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

class QPicture;
struct Printout;
struct Services;

// The question every printout asks first: "Continue with Printout." True only for Yes.
bool ConfirmPrintout(Services& services);

// Sends a finished printout to the default printer. Without a printer the user picks a PDF file
// and is told where it went. Failures are shown as a message; they never end the program.
void SendPrintout(Services& services, const Printout& printout);

// Prints a picture of a window on one page, the same way.
void SendPicture(Services& services, const QPicture& picture, bool colour);
