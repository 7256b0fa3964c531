#include "apps/tavrel/walked_file.h"

#include "common/command_output.h"
#include "common/messages.h"
#include "common/same_file.h"
#include "inputfile/file_commands.h"
#include "printing/report_application.h"

std::unique_ptr<WalkedFile> walk_file(const QString &command, int &argc, char *argv[], const common::CommandLine &line)
{
    const auto fail = [&command](const QString &reason) {
        common::command_failure(command, reason, 2);
        return nullptr;
    };
    if (line.operands.size() != 2)
        return fail(QStringLiteral("OUT.pdf と FILE.tvl が必要です / OUT.pdf and FILE.tvl expected (--help)"));
    auto walked = std::make_unique<WalkedFile>();
    walked->out_path = common::output_file(line.operands[0]);
    walked->tvl_path = line.operands[1];
    if (common::is_same_file(walked->out_path, walked->tvl_path))
        return fail(walked->out_path + QStringLiteral(": 入力ファイルと同じファイルです / the output is the input file"));

    walked->app = printing::start_report_application(argc, argv);
    common::write_left_recovery_copies(command);

    inputfile::ExtensionNotes notes;
    if (const common::FileResult read = inputfile::read_tvl_file(walked->tvl_path, walked->contents, &notes); !read)
        return fail(walked->tvl_path + QStringLiteral(": ") + read.reason);
    for (const QString &note : inputfile::extension_note_lines(notes))
        common::write_utf8(stderr, command + QStringLiteral(": ") + walked->tvl_path + QStringLiteral(": ") + note + u'\n');
    walked->damaged = !notes.damaged.isEmpty();

    walked->walk = flume::walk_flume(walked->contents.inputs);
    walked->lines = common::line_stream({walked->out_path});
    for (const flume::PageMessage &raised : walked->walk.messages)
        common::write_utf8(walked->lines, common::message_line(raised.message) + u'\n');
    return walked;
}
