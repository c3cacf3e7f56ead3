// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "WheelCommand.h"

#include "core/common/SaveFile.h"
#include "core/wheels/Wheel.h"
#include "core/wheels/WheelPlan.h"

CommandResult RunWheelCommand(const CommandLine::WheelRequest& request, const QString& program)
{
    CommandResult result;
    const auto failed = [&](const QString& message) { return result.failed(program, message); };
    const Wheel wheel = GenerateWheel(request.search);
    if (!wheel.error.isEmpty())
        return failed(wheel.error);

    const QByteArray csv = WheelCsv(wheel.numbers());
    QString reason;
    if (!SaveFileAtomically(request.output, csv, &reason))
        return failed(QStringLiteral("cannot write %1: %2").arg(request.output, reason));
    const qsizetype count = wheel.tickets.size();
    result.out = (count == 1 ? QStringLiteral("1 ticket") : QStringLiteral("%1 tickets").arg(count))
        + QStringLiteral(" written to ") + request.output + u'\n';
    return result;
}
