// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QColor>

// The colours of the program's windows, from the classic sixteen-colour palette.
namespace Colours {

// Setup frames, the strips behind the buttons, grid headers and the small dialogs.
inline constexpr QColor LightGrey(192, 192, 192);
// Boxes the user types into.
inline constexpr QColor Yellow(255, 255, 0);
// The backgrounds of Rado-d-Idorur and the tracker.
inline constexpr QColor Blue(0, 0, 255);
inline constexpr QColor Cyan(0, 255, 255);
// The balls of Rado-d-Idorur and the text of its strip.
inline constexpr QColor DarkGrey(128, 128, 128);
inline constexpr QColor Green(0, 255, 0);
inline constexpr QColor Red(255, 0, 0);
inline constexpr QColor Magenta(255, 0, 255);
// Grids and the paper of charts, and their lines and ink.
inline constexpr QColor White(255, 255, 255);
inline constexpr QColor Black(0, 0, 0);
// The extra numbers (bonus balls, numbers of an own pool): their boxes, and their columns and
// counts in the grids, set apart from the main numbers.
inline constexpr QColor ExtraBox(0, 255, 255);
inline constexpr QColor ExtraCell(215, 255, 255);
// Greyed captions, still readable on light grey.
inline constexpr QColor GreyedText(96, 96, 96);

// The bar chart: the front of a colour bar, the dashed line over a colour chart, the front, top
// and side of a grey bar, and the lines across the chart at each step of the scale.
inline constexpr QColor ChartBar(30, 80, 190);
inline constexpr QColor ChartLine(200, 0, 0);
inline constexpr QColor GreyBarFront(170, 170, 170);
inline constexpr QColor GreyBarTop(225, 225, 225);
inline constexpr QColor GreyBarSide(110, 110, 110);
inline constexpr QColor ChartScaleLine(210, 210, 210);

// The numbers a ticket matched in its results, set together: a main number drawn, and an extra
// one (a bonus ball among the main numbers, or an own pool's number) told apart from it.
inline constexpr QColor MatchedBack(255, 255, 0);
inline constexpr QColor MatchedText(0, 0, 0);
inline constexpr QColor ExtraMatchedBack(0, 255, 255);
inline constexpr QColor ExtraMatchedText(0, 0, 0);

} // namespace Colours
