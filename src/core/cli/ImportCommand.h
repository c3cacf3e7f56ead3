// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/cli/Command.h"

#include <QDate>
#include <QString>

// --import: converts a draw history to a draw file, or adds it to one.
class ImportCommand : public Command {
public:
    QString name() const override;
    QString description() const override;
    QString valueName() const override;
    QList<QCommandLineOption> options() const override;
    CommandLine::Action action() const override { return CommandLine::Action::Import; }
    QString read(const QCommandLineParser& parser, CommandLine& line) const override;
    CommandResult execute(const CommandLine& line, const QDate& today) const override;
};

// Converts the draw history `request` names to a draw file, for scripts: no window, no
// question. The draw file is replaced only when the new one was written completely.
CommandResult RunImportCommand(const CommandLine::ImportRequest& request, const QString& program,
                               const QDate& today);
