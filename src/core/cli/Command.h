// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/cli/CommandLine.h"
#include "core/cli/CommandResult.h"

#include <QCommandLineOption>
#include <QDate>
#include <QList>
#include <QString>

class QCommandLineParser;

// A command the program runs without a window, chosen by its own option (--import and the
// like). It declares its options, reads them into the command line and does its work; the
// entry point finds it in Commands(). A new command is a class and a line in that list.
class Command {
public:
    virtual ~Command() = default;

    // The option that chooses the command, without its dashes: "import".
    virtual QString name() const = 0;
    // That option's text in the help.
    virtual QString description() const = 0;
    // The name of that option's value in the help ("file"); empty when it takes none.
    virtual QString valueName() const { return {}; }
    // The other options the command takes, in the order the help lists them. An option several
    // commands take (NumbersOption, OutputOption) is listed by each; the first command lists it
    // in the help and is named when it is given without one that takes it.
    virtual QList<QCommandLineOption> options() const = 0;
    virtual CommandLine::Action action() const = 0;

    // Fills the command's request in `line` from what `parser` read; what is wrong, or nothing.
    // Options of other commands have been refused already.
    virtual QString read(const QCommandLineParser& parser, CommandLine& line) const = 0;
    // Does the work `line` asks for. `today` dates what the command needs dated.
    virtual CommandResult execute(const CommandLine& line, const QDate& today) const = 0;

    // The option that chooses the command.
    QCommandLineOption option() const;
    // Whether the command takes the option named `name` (its own included).
    bool takes(const QString& name) const;
};

// The commands, in the order the help lists their options.
const QList<const Command*>& Commands();
// The command that does `action`; none for running the windows, the help and the like.
const Command* FindCommand(CommandLine::Action action);

// The options several commands take.
QCommandLineOption NumbersOption();
QCommandLineOption OutputOption();
