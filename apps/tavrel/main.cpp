// Tavrel: the flume check. "--check", "--pdf" and "--document" run the calculations and
// "--reference-book" writes the reference book without a display, as do "--help" and "--version";
// otherwise the launcher window opens.
#include "apps/tavrel/tavrel_commands.h"
#include "common/command_output.h"
#include "gui/tavrel/tavrel_windows.h"

int main(int argc, char *argv[])
{
    const common::CommandLineOutcome outcome = common::run_command_line(argc, argv, tavrel_commands());
    if (outcome.status)
        return *outcome.status;
    const QStringList &files = outcome.line.operands;
    if (files.size() > 1) {
        return common::command_failure(
            QStringLiteral("tavrel"), QStringLiteral("開けるファイルは一つです / only one file can be opened (--help)"), 2);
    }
    return tavrel::run_windows(argc, argv, files.value(0));
}
