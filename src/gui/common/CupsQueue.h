// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "gui/common/PrinterPort.h"

#include <QByteArray>
#include <QString>

#include <functional>

// The points of handing a job to the server where a test can step in (and stop the server).
enum class SubmitStep { JobMade, DocumentWritten };
using SubmitHook = std::function<void(SubmitStep)>;

// One queue of the CUPS print server, asked directly for what Qt's printer classes do not tell:
// whether it takes jobs, its default orientation, and whether the server took a job.
class CupsQueue {
public:
    explicit CupsQueue(const QString& name);

    // Empty when the queue takes jobs; otherwise why it does not (stopped, or refusing jobs),
    // with the printer's own message where it gives one.
    QString problem() const;
    // The queue prints in landscape unless told otherwise (its own or the user's default).
    bool landscape() const;
    // Hands a PDF file to the queue as one job, with the queue's default options and the
    // paper `media`: the job is made first and its document sent after it, so that a job whose
    // document did not get through is cancelled rather than left to print later. Unless the
    // server confirmed the job, `error` says what became of it.
    PrintOutcome submitPdf(const QString& pdfPath, const QString& title, const QString& media,
                           QString* error, const SubmitHook& hook = {}) const;

private:
    QByteArray m_name;
};
