#include "apps/morvik/section_command.h"

#include "common/messages.h"
#include "rcstress/section_sheet.h"
#include "rcstress/section_stress.h"

CommandArguments read_command_arguments(const QStringList &arguments, const QString &command, bool takes_json)
{
    CommandArguments read;
    bool command_seen = false;
    bool options_end = false;
    for (const QString &argument : arguments.mid(1)) {
        if (!options_end) {
            if (argument == command && !command_seen) {
                command_seen = true;
                continue;
            }
            if (takes_json && argument == QLatin1String("--json")) {
                read.json = true;
                continue;
            }
            if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
                read.help = true;
                return read;
            }
            if (argument == QLatin1String("--")) {
                options_end = true;
                continue;
            }
            if (argument.startsWith(QLatin1String("--")) && argument.size() > 2 && argument[2].isLetter()) {
                read.unknown_option = argument;
                return read;
            }
        }
        read.values.append(argument);
    }
    return read;
}

void compute_typed_section(rcstress::SectionSheet &sheet, const QStringList &values, common::MessageRecorder &messages)
{
    for (int i = 0; i < rcstress::input_count && i < values.size(); ++i)
        sheet.set_text(rcstress::field_table[std::size_t(i)].field, values[i]);
    rcstress::compute_section_stress(sheet, messages);
}
