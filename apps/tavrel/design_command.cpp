#include "apps/tavrel/design_command.h"

#include "apps/tavrel/check_output.h"
#include "common/command_output.h"
#include "common/same_file.h"
#include "flume/full_check.h"
#include "inputfile/file_commands.h"
#include "inputfile/tvl_file.h"
#include "members/auto_reinforcement.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

namespace {

const char help_text[] =
    "使い方: tavrel --design [--json] ファイル.tvl\n"
    "        tavrel --design ファイル.tvl --write OUT.tvl [--in-place] [--force]\n"
    "\n"
    "画面を開かずに、tavrel --check と同じ順にページを開いて「計算」を押し、ケースの力が出た部材\n"
    "ごとに自動配筋をします。探す鉄筋と探すピッチ（ファイルの自動配筋のリスト。なければ D10、D13、\n"
    "D16、D19、D22 と 100～300 mm の 25 mm おき）のすべての組合せを部材の応力度照査と同じ計算で\n"
    "照査し、すべての許容応力度と構造細目を満たすもののうち As が最小のもの（同じ As ならピッチの\n"
    "大きい方、さらに細い鉄筋）を選びます。かぶり、総厚と材料はファイルの部材のデータのものです。\n"
    "\n"
    "出力: ファイルのパス、出たメッセージ、探したリスト、部材ごとに tavrel --check の部材の行と\n"
    "同じ列（鉄筋 @ピッチ、総厚、ｄ、判定）に「自動配筋」と最大の比（σs 0.87 など）、その下に応力度\n"
    "と構造細目。満たす組合せがない部材は「配筋なし」とその理由、同じリストで配筋できる最小の総厚\n"
    "（5 mm 単位、ケースの力は今のまま）を示します。ケースの力がない部材はそのままです。\n"
    "  --json      JSON を 1 行で出力します（file, damaged, messages, lists, members: 六つの部材の\n"
    "              --check --json の項目と design: found, bar, pitch, governing, reason,\n"
    "              least_thickness, no_forces）。\n"
    "  --write OUT.tvl  選んだ鉄筋を部材のデータに入れて OUT.tvl に書きます。25 の入力とほかの\n"
    "              続きはそのままです。OUT.tvl が ファイル.tvl と同じときは --in-place が必要です。\n"
    "  --in-place  ファイル.tvl に書き戻すことを認めます（--write がなければ ファイル.tvl に書きます）。\n"
    "  --force     読み取り専用の OUT.tvl も置き換えます。\n"
    "  --help      この説明を表示します。\n"
    "\n"
    "終了コード: 0 すべての部材に配筋が見つかった\n"
    "            1 配筋の見つからない部材があった（ケースの力がない部材、続きが壊れたファイルも）\n"
    "            2 ファイルを読めない、書けない、引数が正しくない、または続きが壊れたファイルに\n"
    "              書こうとした\n"
    "\n"
    "Usage: tavrel --design [--json] FILE.tvl\n"
    "       tavrel --design FILE.tvl --write OUT.tvl [--in-place] [--force]\n"
    "\n"
    "Walks the pages of FILE.tvl as tavrel --check does, then chooses the bars of every member the\n"
    "Cases gave forces for (自動配筋): every bar of the lists to search at every pitch of the lists\n"
    "(the file's lists; without them D10, D13, D16, D19, D22 and 100 to 300 mm in steps of 25 mm) is\n"
    "checked as the member check checks typed bars, and of those that pass every allowable stress and\n"
    "every detailing rule the least As is taken (of equal As the larger pitch, then the thinner bar).\n"
    "Cover, 総厚 and materials are the file's member check data.\n"
    "\n"
    "Output: the file's path, the messages raised, the lists searched, then for each member the\n"
    "columns of tavrel --check's member lines (bar @pitch, 総厚, d, judgement) with 自動配筋 and the\n"
    "largest ratio to a limit (σs 0.87, say), and below them the stresses and detailing rules. A\n"
    "member for which nothing passes shows 配筋なし, why, and the least 総厚 (to 5 mm, for the\n"
    "Cases' present forces) at which the same lists would do. Members without forces are left alone.\n"
    "  --json      one JSON line (file, damaged, messages, lists, members: the six members with the\n"
    "              items of tavrel --check --json and design: found, bar, pitch, governing, reason,\n"
    "              least_thickness, no_forces).\n"
    "  --write OUT.tvl  writes the file with the bars chosen in its member data to OUT.tvl; the 25\n"
    "              inputs and the rest of the extension stay as they are. OUT.tvl may be FILE.tvl\n"
    "              only with --in-place.\n"
    "  --in-place  allows writing FILE.tvl itself (without --write, writes FILE.tvl).\n"
    "  --force     replaces a read-only OUT.tvl as well.\n"
    "  --help      shows this text.\n"
    "\n"
    "Exit status: 0 every member has an arrangement\n"
    "             1 some member has none (a member without forces, or a damaged file, included)\n"
    "             2 the file could not be read or written, the arguments are wrong, or a file with a\n"
    "               damaged extension was to be written\n";

const QString command = QStringLiteral("tavrel --design");

int fail(const QString &reason)
{
    return common::command_failure(command, reason, 2);
}

QJsonObject json_design(const members::MemberDesign &design)
{
    return {{QStringLiteral("found"), design.found},
            {QStringLiteral("bar"), design.bar},
            {QStringLiteral("pitch"), design.pitch},
            {QStringLiteral("governing"), design.governing},
            {QStringLiteral("reason"), design.reason},
            {QStringLiteral("least_thickness"), design.least_thickness},
            {QStringLiteral("no_forces"), design.no_forces}};
}

// What the search found on a file's flume.
struct DesignRun {
    QString path;
    QStringList damaged;
    const flume::WalkedFlume &walked;
    const members::DesignLists &lists;
    const std::array<members::MemberDesign, members::member_count> &designs;
    const members::MemberCheckReport &check;  // with every arrangement found put in
};

QString plain_output(const DesignRun &run)
{
    QStringList lines{run.path};
    if (!run.damaged.isEmpty())
        lines << QStringLiteral("  ") + inputfile::message::extension_damaged.arg(run.damaged.join(u'、'));
    for (const flume::PageMessage &raised : run.walked.messages)
        lines << QStringLiteral("  ") + common::message_line(raised.message);
    lines << QStringLiteral("自動配筋（") + members::lists_text(run.lists) + u'）';
    for (std::size_t i = 0; i < members::member_count; ++i) {
        const members::MemberDesign &design = run.designs[i];
        if (!design.found) {
            const QString title = flume::member_title(flume::member_forces[i]);
            lines << QStringLiteral("  ") + title + (design.no_forces ? QString() : QStringLiteral("  配筋なし")) + QStringLiteral("  ")
                    + members::design_note(design);
            continue;
        }
        QStringList member = member_lines(run.check, i);
        member[0] += QStringLiteral("  自動配筋 ") + design.governing;
        lines << member;
    }
    return lines.join(u'\n') + u'\n';
}

QByteArray json_output(const DesignRun &run)
{
    QJsonArray messages, rows;
    for (const flume::PageMessage &raised : run.walked.messages)
        messages.append(QJsonObject{{QStringLiteral("text"), raised.message.text},
                                    {QStringLiteral("title"), raised.message.title}});
    for (std::size_t i = 0; i < members::member_count; ++i) {
        QJsonObject member = json_member(run.check, i);
        member.insert(QStringLiteral("design"), json_design(run.designs[i]));
        rows.append(member);
    }
    const QJsonObject object{
        {QStringLiteral("file"), run.path},
        {QStringLiteral("damaged"), QJsonArray::fromStringList(run.damaged)},
        {QStringLiteral("messages"), messages},
        {QStringLiteral("lists"), QJsonObject{{QStringLiteral("bars"), run.lists.bars},
                                              {QStringLiteral("pitches"), run.lists.pitches}}},
        {QStringLiteral("members"), rows},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

int run(int argc, char *argv[], const common::CommandLine &line)
{
    if (line.operands.size() != 1)
        return fail(QStringLiteral("ファイル.tvl が一つ必要です / one FILE.tvl expected (--help)"));
    const QString path = line.operands[0];
    const bool in_place = line.has(QStringLiteral("--in-place"));
    QString out = line.values.value(QStringLiteral("--write"));
    if (out.isEmpty() && in_place)
        out = path;
    out = out.isEmpty() ? out : common::output_file(out);
    if (!out.isEmpty() && !in_place && common::is_same_file(out, path))
        return fail(out + QStringLiteral(": 入力ファイルと同じファイルです（--in-place で書き戻せます） / the output is the "
                                         "input file (--in-place allows it)"));
    QCoreApplication app(argc, argv);

    inputfile::TvlContents contents;
    inputfile::ExtensionNotes notes;
    if (const common::FileResult read = inputfile::read_tvl_file(path, contents, &notes); !read)
        return fail(path + QStringLiteral(": ") + read.reason);
    for (const QString &note : inputfile::extension_note_lines(notes))
        common::write_utf8(stderr, command + QStringLiteral(": ") + path + QStringLiteral(": ") + note + u'\n');

    const flume::WalkedFlume walked = flume::walk_flume(contents.inputs);
    const auto designs = members::design_members(contents.members, *walked.sheet);
    const members::MemberCheckInputs designed = members::with_designs(contents.members, designs);
    const members::MemberCheckReport check = members::check_members(designed, *walked.sheet);
    const DesignRun design_run{path, notes.damaged, walked, contents.members.design_lists, designs, check};
    std::FILE *lines = out.isEmpty() ? stdout : common::line_stream({out});
    if (line.has(QStringLiteral("--json")))
        common::write_utf8(lines, QString::fromUtf8(json_output(design_run)));
    else
        common::write_utf8(lines, plain_output(design_run));

    if (!out.isEmpty()) {
        // Data a damaged section held is not in the contents read: writing would lose it.
        if (!notes.damaged.isEmpty())
            return fail(out + QStringLiteral(": 壊れたデータのあるファイルなので書きません / not written: the file has "
                                             "damaged data"));
        contents.members = designed;
        if (const common::FileResult written = inputfile::write_tvl_file(out, contents, common::read_only_output(line)); !written)
            return fail(out + QStringLiteral(": ") + common::output_failure_reason(written.reason));
    }
    std::fflush(stdout);
    const bool all_found = std::all_of(designs.begin(), designs.end(), [](const members::MemberDesign &d) { return d.found; });
    return all_found && notes.damaged.isEmpty() ? 0 : 1;
}

} // namespace

common::ProgramCommand design_command()
{
    return {QStringLiteral("--design"), help_text, run};
}
