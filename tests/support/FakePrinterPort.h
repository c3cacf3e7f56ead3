#pragma once

#include "common/PrinterPort.h"

// A printer that is installed or not, as the test says.
class FakePrinterPort : public PrinterPort {
public:
    std::optional<double> lineHeightTwips() override { return lineHeight; }

    std::optional<double> lineHeight; // no printer unless a test installs one
};
