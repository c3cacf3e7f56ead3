#pragma once

#include <optional>

// Lines of the database printout on one page: an 11-inch page (15840 twips) divided by the
// printer's line height, less 7, rounded with halves to even; 50 when there is no printer.
int LinesPerPageFor(std::optional<double> lineHeightTwips);
