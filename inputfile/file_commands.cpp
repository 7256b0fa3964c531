#include "inputfile/file_commands.h"

#include "common/file_error.h"
#include "common/file_names.h"
#include "flume/flume_sheet.h"

namespace inputfile {

namespace {

FileMessage failure_message(const QString &what, const QString &title, const QString &path,
                            const common::FileResult &result)
{
    return {common::file_failure_text(what, path, result.reason), title};
}

} // namespace

QStringList extension_note_lines(const ExtensionNotes &notes)
{
    QStringList lines;
    if (!notes.damaged.isEmpty())
        lines << message::extension_damaged.arg(notes.damaged.join(u'、'));
    if (!notes.duplicated.isEmpty())
        lines << message::extension_duplicated.arg(notes.duplicated.join(u'、'));
    if (notes.kept)
        lines << message::extension_kept;
    return lines;
}

std::optional<FileMessage> save_as(const FlumeFileState &state, const QString &chosen_path, common::ReadOnlyFile read_only)
{
    if (chosen_path.isEmpty())
        return std::nullopt;
    state.sheet.set_text(flume::Field::save_path, chosen_path);
    common::FileResult result = common::check_dialog_name(chosen_path);
    if (result)
        result = save_inputs(state, chosen_path, read_only);
    if (result)
        return std::nullopt;
    return failure_message(message::save_failed, message::save_title, chosen_path, result);
}

std::optional<FileMessage> open_file(const FlumeFileState &state, const QString &chosen_path)
{
    if (chosen_path.isEmpty())
        return std::nullopt;
    state.sheet.set_text(flume::Field::open_path, chosen_path);
    ExtensionNotes notes;
    const common::FileResult result = open_inputs(state, chosen_path, &notes);
    if (!result)
        return failure_message(message::open_failed, message::open_title, chosen_path, result);
    const QStringList lines = extension_note_lines(notes);
    if (lines.isEmpty())
        return std::nullopt;
    return FileMessage{lines.join(u'\n'), message::open_title, true};
}

} // namespace inputfile
