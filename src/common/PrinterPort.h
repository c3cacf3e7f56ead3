#pragma once

#include <optional>

// The printer as the program uses it. Tests put a fake in its place.
class PrinterPort {
public:
    virtual ~PrinterPort() = default;

    // Height of the sample text "abc" in the printout font on the default printer, in twips;
    // nothing when no printer is installed or it cannot be asked.
    virtual std::optional<double> lineHeightTwips() = 0;
};
