// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/cli/Command.h"

// --wheel: searches the wheel `request` describes and writes its tickets, one line each with the
// numbers ascending, for scripts: no window, no question. The file is replaced only when the new
// one was written completely; the summary is the ticket count.
class WheelCommand : public Command {
public:
    QString name() const override;
    QString description() const override;
    QList<QCommandLineOption> options() const override;
    CommandLine::Action action() const override { return CommandLine::Action::Wheel; }
    QString read(const QCommandLineParser& parser, CommandLine& line) const override;
    CommandResult execute(const CommandLine& line, const QDate& today) const override;
};
