#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace common {

// An option a program understands: "--json" alone, or "--moment" followed by its value (also
// written "--moment=230700"). commands names the commands it goes with ("--check", "--pdf"); an
// empty text stands for starting the window.
struct OptionRule {
    QString name;
    bool takes_value = false;
    QStringList commands;
};

// What a program's command line may hold: its commands, each used alone, and its options.
struct CommandLineRules {
    QStringList commands;
    QList<OptionRule> options;
};

// A command line as read by read_command_line().
struct CommandLine {
    QString command;       // the command given ("--check"); empty: start the window
    bool help = false;     // "--help" or "-h"
    bool version = false;  // "--version"
    QSet<QString> flags;   // the options without a value that were given
    QHash<QString, QString> values;            // the last value of each option given
    QHash<QString, QStringList> value_lists;   // every value of each option, in the order given
    QStringList operands;  // everything that is not an option: files, typed values
    QString error;         // not empty when the line cannot be used; names what is wrong

    bool has(const QString &option) const { return flags.contains(option) || values.contains(option); }
};

// Reads the arguments after the program's name, the same way for both programs. An argument that
// begins with "--" or "-" and a letter is an option; any other argument, a negative number
// such as "-5" or a lone "-" included, is an operand, and after "--" every argument is one.
// "--help" and "--version" are understood with or without a command. A command that is also an
// option of another command given with it is that option ("--batch T.csv --design"). An option
// that is not in the rules, or not for the command given, any other second command and a missing
// option value are errors.
CommandLine read_command_line(const QStringList &arguments, const CommandLineRules &rules);

// The arguments of main() after the program's name, each as the bytes the system gave
// (common::name_from_native), so that a file named in any encoding is the file used.
QStringList program_arguments(int argc, char *argv[]);

} // namespace common
