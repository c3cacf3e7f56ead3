// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include "core/draws/DrawHistoryImport.h"
#include "core/wheels/Wheel.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

// What the command line asks for: the windows, the help, or a command (core/cli/Command.h) and
// the request it read.
struct CommandLine {
    enum class Action {
        Run, // start the program, opening `file` when one was given
        Import, // convert a draw history to a draw file as `import` says, without a window
        Export, // write the draws of a draw file as CSV as `exportDraws` says, without a window
        Wheel, // search a wheel and write its tickets as `wheel` says, without a window
        Check, // check tickets against the draws of a draw file as `check` says, without a window
        ShowHelp, // print `text` (the usage) and end
        ShowVersion, // print `text` (the version) and end
        Fail, // print `text` (what is wrong and where to find help) and end with an error
    };

    // --import FILE --numbers K --highest N [--extra E (--extra-from main | --extra-range L-M)]
    // (--output OUT | --add-to LTO [--output OUT]) [--title TEXT] [--dates ORDER] [--newest COUNT]
    // [--columns LIST] [--date-column N]
    struct ImportRequest {
        QString history;
        DrawHistoryImport::Shape shape;
        QString output; // may be empty when `addTo` is given
        QString addTo; // the draw file the draws are added to; empty: they make a new one
        int newest = 0; // only this many of the history's newest draws; 0: all
        std::optional<QString> title; // the history's file name when not given
        DrawHistoryImport::DateOrder dateOrder = DrawHistoryImport::DateOrder::FromFile;
        DrawHistoryImport::Columns columns; // where the date and the drawn numbers stand

        // The file written: --output, else the draw file added to.
        const QString& destination() const { return output.isEmpty() ? addTo : output; }
    };

    // --export FILE.lto --output DRAWS.csv
    struct ExportRequest {
        QString drawFile;
        QString output;
    };

    // --wheel --numbers V --size K --guarantee T --if M [--keys a,b] [--seconds S] [--seed N]
    // --output TICKETS.csv
    struct WheelRequest {
        ::WheelRequest search; // over the pool 1..V
        QString output;
    };

    // --check TICKETS.csv --draws FILE.lto --output RESULT.csv [--from DATE] [--to DATE]
    struct CheckRequest {
        QString tickets;
        QString drawFile;
        QString output;
        QDate from; // the first draw date checked; invalid: from the oldest draw
        QDate to; // the last; invalid: to the newest
    };

    Action action = Action::Run;
    QString program; // the program's name, for messages
    QString file;
    // --quit-after-show, left out of the help: the program ends once its menu is painted, so
    // that its start-up can be timed as a whole process.
    bool quitAfterShow = false;
    ImportRequest import;
    ExportRequest exportDraws;
    WheelRequest wheel;
    CheckRequest check;
    QString text;
};

// Reads `arguments` as the program received them, the program's own path first. Qt's own options
// (-platform offscreen, -style fusion) are passed over: QApplication takes them. An option given
// twice, or a word after one dash ("-import"), fails.
CommandLine ParseCommandLine(const QStringList& arguments);
