// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QColor>
#include <QVariant>

class QTableWidgetItem;
class QWidget;

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

// A fixed background and the text that stays readable on it. The program's own grounds always
// come with their own text: a desktop theme's text colour, light in a dark theme, would all but
// vanish on a yellow box or a white grid.
struct Pair {
    QColor background;
    QColor text;
};

// Boxes the user types into, the extra numbers' boxes, and a matched number in a results grid.
inline constexpr Pair EntryBox {Yellow, Black};
inline constexpr Pair ExtraEntryBox {ExtraBox, Black};
inline constexpr Pair MatchedNumber {Yellow, Black};
// A matched extra number (a bonus ball among the main numbers, or an own pool's number), told
// apart from a matched main number.
inline constexpr Pair ExtraMatchedNumber {Cyan, Black};
// The cells of a grid, its shaded header cells, and the extra numbers' cells: their columns in
// the record grid and their counts (ExtraCountCell), their columns in the grids of picked or
// imported sets (ExtraSetCell).
inline constexpr Pair GridCell {White, Black};
inline constexpr Pair GridHeader {LightGrey, Black};
inline constexpr Pair ExtraCountCell {ExtraCell, Black};
inline constexpr Pair ExtraSetCell {Cyan, Black};
// The paper of charts and of the help pages shown on a blue window.
inline constexpr Pair Paper {White, Black};
// Setup frames, the strips behind the buttons, the small dialogs, and what stands on them.
inline constexpr Pair Panel {LightGrey, Black};
// The help boxes and notes of Rado-d-Idorur.
inline constexpr Pair Note {Cyan, Black};
// The blue windows. Their texts stand on frames, boxes and strips of their own; a caption placed
// straight on the blue takes this pair itself.
inline constexpr Pair BlueWindow {Blue, White};
// Rado-d-Idorur's message strip: red text on the window's blue, a light red so that it can be read
// (the pure red of the sixteen colours has 2.2:1 against the blue).
inline constexpr QColor LightRed(255, 170, 170);
inline constexpr Pair MessageStrip {Blue, LightRed};
// A ball of Rado-d-Idorur: a coloured picture without text.
constexpr Pair Ball(QColor colour)
{
    return {colour, Black};
}

// Which colour roles of a widget a pair sets.
enum class Roles {
    // Base and Text: the cells of a grid or the page of a text box, nothing around them.
    Cells,
    // Window as well, filled, for the frame the style draws around a text or spin box; its
    // WindowText stays the desktop's, which draws the arrows of scroll bars and spin buttons
    // on the desktop's own buttons.
    Page,
    // Window and WindowText as well, the ground filled: a box, a label, a frame or a window,
    // and the captions on them.
    Ground,
    // Window, Button and their texts as well, the ground left to the widget: a grid's header,
    // whose sections are drawn as buttons.
    Sections,
    // Window and Base alone, filled: the ground of a whole window. Its children take their text
    // from pairs of their own or from the desktop, whose style draws scroll bars and the like on
    // grounds of its own: the window's text would reach those too.
    Backdrop,
};

// Sets `pair` into the palette of `widget`, which its children take unless they set their own.
// Disabled text stays the theme's, as greyed text is meant to look.
void apply(QWidget* widget, const Pair& pair, Roles roles = Roles::Ground);
// Gives a grid cell `pair`; none: the cell takes its grid's colours.
void apply(QTableWidgetItem* cell, const Pair* pair);
// What a model returns for `role` in a cell of `pair`: its background or its text, nothing for
// any other role. Models answer both roles from one pair, so the two never part.
QVariant cellRole(const Pair& pair, int role);

// The WCAG contrast ratio of two colours: 1 for equal ones, 21 for black on white.
double contrast(const QColor& first, const QColor& second);

} // namespace Colours
