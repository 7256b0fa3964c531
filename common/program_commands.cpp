#include "common/program_commands.h"

#include "common/command_output.h"

namespace common {

CommandLineOutcome run_command_line(int argc, char *argv[], const ProgramCommands &program)
{
    CommandLineRules rules{{}, program.options};
    for (const ProgramCommand &command : program.commands)
        rules.commands.append(command.option);
    CommandLineOutcome outcome{std::nullopt, read_command_line(program_arguments(argc, argv), rules)};
    const CommandLine &line = outcome.line;

    if (!line.error.isEmpty()) {
        const QString who = line.command.isEmpty() ? program.program : program.program + u' ' + line.command;
        outcome.status = command_failure(who, line.error + QStringLiteral(" (--help)"), 2);
    } else if (line.version) {
        QString text = program.display_name + QStringLiteral(" バージョン / version ") + program.version + u'\n';
        if (program.version_details)
            text += program.version_details(argc, argv);
        write_utf8(stdout, text);
        outcome.status = 0;
    } else if (!line.command.isEmpty()) {
        for (const ProgramCommand &command : program.commands) {
            if (command.option != line.command)
                continue;
            if (line.help) {
                write_utf8(stdout, QString::fromUtf8(command.help_text));
                outcome.status = 0;
            } else {
                outcome.status = command.run(argc, argv, line);
            }
        }
    } else if (line.help) {
        write_utf8(stdout, QString::fromUtf8(program.help_text));
        outcome.status = 0;
    }
    return outcome;
}

} // namespace common
