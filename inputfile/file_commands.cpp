#include "inputfile/file_commands.h"

#include "common/file_error.h"
#include "common/file_names.h"
#include "flume/flume_sheet.h"
#include "inputfile/tvl_file.h"

namespace inputfile {

namespace {

FileMessage failure_message(const QString &what, const QString &title, const QString &path,
                            const common::FileResult &result)
{
    return {common::file_failure_text(what, path, result.reason), title};
}

} // namespace

std::optional<FileMessage> save_as(flume::FlumeSheet &sheet, const QString &chosen_path)
{
    if (chosen_path.isEmpty())
        return std::nullopt;
    sheet.set_text(flume::Field::save_path, chosen_path);
    common::FileResult result = common::check_dialog_name(chosen_path);
    if (result)
        result = save_inputs(sheet, chosen_path);
    if (result)
        return std::nullopt;
    return failure_message(message::save_failed, message::save_title, chosen_path, result);
}

std::optional<FileMessage> open_file(flume::FlumeSheet &sheet, const QString &chosen_path)
{
    if (chosen_path.isEmpty())
        return std::nullopt;
    sheet.set_text(flume::Field::open_path, chosen_path);
    const common::FileResult result = open_inputs(sheet, chosen_path);
    if (result)
        return std::nullopt;
    return failure_message(message::open_failed, message::open_title, chosen_path, result);
}

} // namespace inputfile
