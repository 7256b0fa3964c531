// A .tvl file of any bytes: its items and member check, the save→open round trip of what they give,
// and the whole walk through the pages with the --check JSON of the result.
#include "apps/tavrel/check_output.h"
#include "common/messages.h"
#include "flume/flume_sheet.h"
#include "flume/full_check.h"
#include "flume/sheet_inputs.h"
#include "inputfile/tvl_file.h"
#include "inputfile/tvl_format.h"
#include "members/member_check.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool property, const char *what)
{
    if (!property) {
        std::fprintf(stderr, "property failed: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const inputfile::TvlContents contents = inputfile::parse_tvl_file_bytes(bytes);
    const QStringList &items = contents.inputs;
    check(items.size() <= inputfile::item_count, "at most 25 items");

    QStringList texts = items;
    while (texts.size() < inputfile::item_count)
        texts.append(QString());
    const QByteArray saved = inputfile::tvl_file_bytes(contents);
    const inputfile::TvlContents reopened = inputfile::parse_tvl_file_bytes(saved);
    check(reopened.inputs == texts, "saving and opening again gives the same 25 texts");
    // A part that could not be read is not written; what stands in its place is.
    members::MemberCheckInputs written = contents.members;
    written.unreadable = {};
    check(reopened.members == written, "saving and opening again gives the same member check");
    check(reopened.document == contents.document, "saving and opening again gives the same 計算書の設定");
    check(reopened.kept == contents.kept, "saving and opening again keeps what was kept, byte for byte");
    check(inputfile::tvl_file_bytes(reopened) == saved, "saving what was opened writes the same file");

    const flume::WalkedFlume walked = flume::walk_flume(items);
    const flume::FlumeSheet &sheet = *walked.sheet;
    const flume::FullCheckOutcome &outcome = walked.outcome;
    check(flume::input_texts(sheet) == texts, "the walk leaves the inputs as typed");
    check(!outcome.reached_case3 || outcome.pages_opened.size() == flume::calculation_pages.size(),
          "Case 3 is reached only through every page");

    const members::MemberCheckReport member_check = members::check_members(contents.members, sheet);
    const QByteArray json = json_report({QStringLiteral("fuzz.tvl"), sheet, outcome, walked.messages, member_check,
                                         contents.members.entered(), {}});
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    check(error.error == QJsonParseError::NoError && document.isObject(), "the report is valid JSON");
    const QJsonObject inputs = document.object().value(QStringLiteral("inputs")).toObject();
    check(inputs.size() == inputfile::item_count, "the report holds the 25 inputs");
    check(document.object().value(QStringLiteral("members")).toArray().size() == int(members::member_count),
          "the report holds the six members");
    for (const flume::FieldInfo &info : flume::field_table) {
        if (info.kind == flume::FieldKind::Input)
            check(inputs.value(QString::fromLatin1(info.member)).toString() == sheet.text(info.field),
                  "the report holds each input as typed");
    }
    return 0;
}
