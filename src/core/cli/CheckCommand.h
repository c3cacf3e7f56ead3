// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/cli/Command.h"

// --check: checks every ticket of the tickets file `request` names (one a line, the numbers
// separated by commas, the extra numbers after a +) against every draw of the draw file between
// --from and --to, and writes a CSV line per draw and ticket: the draw's date, the ticket's line
// number, the main and the extra numbers matched, the ticket's numbers, the tier of the preset
// prize table won and its fixed amount; draws oldest first. For scripts: no window, no question.
// The tickets file is read a line at a time and the result written as it is made, so that memory
// holds the tickets' numbers and no more. Nothing is written when a ticket line is wrong; the
// results file is replaced only once it is complete.
class CheckCommand : public Command {
public:
    QString name() const override;
    QString description() const override;
    QString valueName() const override;
    QList<QCommandLineOption> options() const override;
    CommandLine::Action action() const override { return CommandLine::Action::Check; }
    QString read(const QCommandLineParser& parser, CommandLine& line) const override;
    CommandResult execute(const CommandLine& line, const QDate& today) const override;
};
