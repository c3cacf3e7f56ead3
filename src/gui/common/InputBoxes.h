// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

class MessageBoxes;
class QLineEdit;

// A box that can only ever hold digits (after the blanks of right alignment), whichever way its
// text arrives: typed keys are the caller's to filter; a pasted number is taken without the
// blanks around it, any other paste is refused with a beep and not inserted; there is no context
// menu or dropping.
void MakeDigitBox(QLineEdit* box, MessageBoxes& messages);

// A box whose text the program keeps between double quotes in a file (a title, the user's name,
// the currency symbol): a typed double quote beeps and is dropped, and control characters and
// double quotes are stripped from whatever else reaches it, however it arrives. Key handlers
// hooked before this one see no quote; those hooked after it see it first.
void MakeFileTextBox(QLineEdit* box, MessageBoxes& messages);
