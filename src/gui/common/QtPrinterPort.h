// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "gui/common/CupsQueue.h"
#include "gui/common/PrinterPort.h"

class QFont;

// The platform's default printer, through the CUPS print server, or a PDF file. Every printout
// is drawn into a PDF on the paper, orientation and margins of its destination; a printer gets
// that PDF as one job, so that a refusal comes back with the server's reason.
class QtPrinterPort : public PrinterPort {
public:
    std::optional<PageMetrics> pageMetrics() override;
    bool hasPrinter() override;
    PrintOutcome print(const Printout& printout, const QString& pdfPath, QString* error) override;
    PrintOutcome printPicture(const QPicture& picture, bool colour, const QString& pdfPath,
                              QString* error) override;

    // The monospaced font every text printout uses, so that character columns line up.
    static QFont printoutFont();

    // Called while a job is handed to the print server, for tests that fail it half-way.
    void setSubmitHook(SubmitHook hook) { m_submitHook = std::move(hook); }

private:
    SubmitHook m_submitHook;
};
