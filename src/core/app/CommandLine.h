#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for. The options are read in one place so that more can be added.
struct CommandLine {
    enum class Action {
        Run, // start the program, opening `file` when one was given
        ShowHelp, // print `text` (the usage) and end
        ShowVersion, // print `text` (the version) and end
        Fail, // print `text` (what is wrong and where to find help) and end with an error
    };

    Action action = Action::Run;
    QString file;
    QString text;
};

// Reads `arguments` as the program received them, the program's own path first.
CommandLine ParseCommandLine(const QStringList& arguments);
