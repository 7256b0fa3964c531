#pragma once

#include "common/command_line.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

namespace common {

// A command of a program's command line ("--check"), its help text (UTF-8, shown for
// "--check --help") and what runs it.
struct ProgramCommand {
    QString option;
    const char *help_text;
    std::function<int(int argc, char *argv[], const CommandLine &line)> run;
};

// What a program's command line offers besides starting its window.
struct ProgramCommands {
    QString program;       // "tavrel"
    QString display_name;  // "Tavrel", for --version
    QString version;
    const char *help_text;  // UTF-8
    QList<OptionRule> options;
    QList<ProgramCommand> commands;
    // Lines that "--version" adds after the version (where the program finds its companions), if any.
    std::function<QString(int argc, char *argv[])> version_details = {};
};

// Reads the command line and runs what it asks for without a window: a command, "--help",
// "--version", or the message for a wrong line (exit status 2). status is empty when the window
// is to start; line is what was read.
struct CommandLineOutcome {
    std::optional<int> status;
    CommandLine line;
};
CommandLineOutcome run_command_line(int argc, char *argv[], const ProgramCommands &program);

} // namespace common
