#pragma once

#include <QString>
#include <QStringList>

namespace common {
class MessageRecorder;
}
namespace rcstress {
class SectionSheet;
}

// What morvik's command-line commands share: reading their arguments and running the calculation
// on the six texts as a user types them into the window.

struct CommandArguments {
    QStringList values;
    bool json = false;
    bool help = false;
    QString unknown_option;  // not empty when an option was not understood
};

// Takes the command's own option once (e.g. "--pdf"), "--json" where the command has it, "--help"
// or "-h", and "--", after which every argument is a value. A value beginning with "-" (a negative
// number) is a value.
CommandArguments read_command_arguments(const QStringList &arguments, const QString &command, bool takes_json);

// Types As, b, d, M, S and U into the sheet and presses "計算".
void compute_typed_section(rcstress::SectionSheet &sheet, const QStringList &values, common::MessageRecorder &messages);
