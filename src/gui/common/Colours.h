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

} // namespace Colours
