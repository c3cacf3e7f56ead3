#pragma once

#include "common/PrinterPort.h"

class QFont;

// The platform's default printer through QPrinter.
class QtPrinterPort : public PrinterPort {
public:
    std::optional<double> lineHeightTwips() override;

    // The monospaced font every text printout uses, so that character columns line up.
    static QFont printoutFont();
};
