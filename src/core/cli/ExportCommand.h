// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/cli/Command.h"

// --export: writes the draws of the draw file `request` names as CSV, for scripts: no window, no
// question. The CSV file is replaced only when the new one was written completely.
class ExportCommand : public Command {
public:
    QString name() const override;
    QString description() const override;
    QString valueName() const override;
    QList<QCommandLineOption> options() const override;
    CommandLine::Action action() const override { return CommandLine::Action::Export; }
    QString read(const QCommandLineParser& parser, CommandLine& line) const override;
    CommandResult execute(const CommandLine& line, const QDate& today) const override;
};
