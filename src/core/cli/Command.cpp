// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "Command.h"

#include "core/cli/CheckCommand.h"
#include "core/cli/ExportCommand.h"
#include "core/cli/ImportCommand.h"
#include "core/cli/WheelCommand.h"
#include "core/draws/LotteryShape.h"
#include "core/wheels/Wheel.h"

#include <algorithm>

QCommandLineOption Command::option() const
{
    return QCommandLineOption(name(), description(), valueName());
}

bool Command::takes(const QString& optionName) const
{
    if (optionName == name())
        return true;
    const QList<QCommandLineOption> taken = options();
    return std::any_of(taken.begin(), taken.end(), [&optionName](const QCommandLineOption& o) {
        return o.names().contains(optionName);
    });
}

namespace {

template <class C> const Command* one()
{
    static const C command;
    return &command;
}

} // namespace

const QList<const Command*>& Commands()
{
    static const QList<const Command*> commands {
        one<ImportCommand>(),
        one<ExportCommand>(),
        one<WheelCommand>(),
        one<CheckCommand>(),
    };
    return commands;
}

const Command* FindCommand(CommandLine::Action action)
{
    for (const Command* command : Commands())
        if (command->action() == action)
            return command;
    return nullptr;
}

QCommandLineOption NumbersOption()
{
    return QCommandLineOption(
        QStringLiteral("numbers"),
        QStringLiteral(
            "With --import: the numbers per draw of the lottery, 1 to %1. With --wheel: the pool, the numbers 1 to <k>, at most %2.")
            .arg(LotteryShape::MaxNumbersPerDraw)
            .arg(WheelRequest::MaxPool),
        QStringLiteral("k"));
}

QCommandLineOption OutputOption()
{
    return QCommandLineOption(
        QStringLiteral("output"),
        QStringLiteral(
            "With --import: the draw database (.lto) to write; with --export: the CSV file to write; with --wheel: the file of tickets to write; with --check: the CSV file of results to write. A file of that name is replaced only once the new one is complete. It cannot be the file read."),
        QStringLiteral("file"));
}
