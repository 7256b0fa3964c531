// コマンドライン: the commands of both programs as their own help gives them, `tavrel --check` on the
// worked example's file, and the members of its JSON output.
#include "book/book_chapters.h"

#include "flume/field.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace book {

namespace {

// The Japanese half of a bilingual help text: everything before the English "Usage:".
QStringList japanese_lines(const QString &help)
{
    QString text = help;
    const qsizetype english = text.indexOf(QStringLiteral("\nUsage:"));
    if (english >= 0)
        text.truncate(english);
    QStringList lines = text.split(u'\n');
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    return lines;
}

// What each member of a `tavrel --check --json` line holds.
const QList<std::pair<QString, QString>> json_members = {
    {QStringLiteral("file"), QStringLiteral("ファイルのパス（コマンドに与えたとおり）")},
    {QStringLiteral("inputs"), QStringLiteral("25 の入力欄の文字。名前は次の表のとおりです。")},
    {QStringLiteral("results"), QStringLiteral("結果の欄の文字（空欄は \"\"）と、ケースの結果の N・N·cm への換算値（名前の末尾が _n、_ncm）")},
    {QStringLiteral("messages"), QStringLiteral("出たメッセージの一覧。各要素は text（本文）と title（題名）")},
    {QStringLiteral("page_buttons"), QStringLiteral("最後のページボタンの状態。Command1（主働土圧）～ Command5（ケース.3）が true（使える）か false")},
    {QStringLiteral("case1_groundwater_formula"), QStringLiteral("ケース.1 a で地下水の項を含む式を使ったとき true")},
    {QStringLiteral("materials"), QStringLiteral("部材の応力度照査の材料：σck、鉄筋、σsa と τoa の行、使う許容応力度と、書き換えたかどうか")},
    {QStringLiteral("members"), QStringLiteral("部材の応力度照査の六つの部材（いつも 6 件）：入力、断面、応力度（求まったときの Morvik の"
                                               "表示）、status（応力度のない理由）、judgement（判定）")},
};

} // namespace

void write_command_chapter(BookLayout &book, const BookMaterial &material, QStringList &problems)
{
    book.chapter(QStringLiteral("コマンドライン"));
    book.paragraph(QStringLiteral(
        "Tavrel と Morvik は、画面を開かずに端末から使うこともできます。多くの Tavrelファイルをまとめて確かめる、"
        "報告書の PDF を作る、といったときに使います。どのコマンドも、%1 を付けるとその説明を表示します。"
        "以下の説明は、各コマンドの %1 の表示そのものです（英語の部分は省いています）。")
                       .arg(code(QStringLiteral("--help"))));
    const auto help_of = [&](const QString &command) {
        for (const CommandHelp &help : material.commands) {
            if (help.command == command)
                return help.help;
        }
        problems.append(QStringLiteral("コマンド %1 の説明がありません").arg(command));
        return QString();
    };
    const auto help_section = [&](const QString &title, const QString &command) {
        book.heading(title);
        book.code(japanese_lines(help_of(command)));
    };

    help_section(QStringLiteral("tavrel"), QStringLiteral("tavrel"));
    help_section(QStringLiteral("tavrel --check"), QStringLiteral("tavrel --check"));
    book.paragraph(QStringLiteral("計算例のファイル（%1）を確かめると、次のように表示されます。終了コードは 0 です。")
                       .arg(ref(QStringLiteral("Tavrelファイル (.tvl)/ファイルの形"))));
    QStringList output = material.check_output.split(u'\n');
    while (!output.isEmpty() && output.last().isEmpty())
        output.removeLast();
    if (output.isEmpty())
        problems.append(QStringLiteral("tavrel --check の出力がありません"));
    book.code(output);

    book.heading(QStringLiteral("tavrel --check --json の項目"));
    book.paragraph(QStringLiteral(
        "%1 を付けると、ファイルごとに 1 行の JSON を出力します。文字はすべて画面の欄の文字のままです。各項目は次の"
        "とおりです。")
                       .arg(code(QStringLiteral("--json"))));
    const QJsonObject json = QJsonDocument::fromJson(material.check_json.toUtf8()).object();
    if (json.isEmpty())
        problems.append(QStringLiteral("tavrel --check --json の出力がありません"));
    Table members{{QStringLiteral("項目"), QStringLiteral("内容")}, {}};
    for (const QString &key : json.keys()) {
        QString meaning;
        for (const auto &[name, text] : json_members) {
            if (name == key)
                meaning = text;
        }
        if (meaning.isEmpty())
            problems.append(QStringLiteral("JSON の項目 %1 の説明がありません").arg(key));
        members.rows.append({code(key), meaning});
    }
    for (const auto &[name, text] : json_members) {
        if (!json.contains(name))
            problems.append(QStringLiteral("説明のある JSON の項目 %1 を --check --json は出力しません").arg(name));
    }
    book.table(members);
    book.paragraph(QStringLiteral("inputs と results の名前と、本書の記号の対応は次のとおりです。"));
    Table names{{QStringLiteral("名前"), QStringLiteral("記号"), QStringLiteral("名前"), QStringLiteral("記号")}, {}};
    QList<std::pair<QString, QString>> pairs;
    const QList<Quantity> quantities = all_quantities();
    for (const QString &group : {QStringLiteral("inputs"), QStringLiteral("results")}) {
        for (const QString &name : json.value(group).toObject().keys()) {
            QString symbol;
            for (const flume::FieldInfo &info : flume::field_table) {
                if (QString::fromLatin1(info.member) != name)
                    continue;
                for (const Quantity &q : quantities) {
                    if (q.field == info.field)
                        symbol = q.symbol;
                }
                for (const flume::ConvertedCompanion &c : flume::converted_companions) {
                    if (c.converted != info.field)
                        continue;
                    for (const Quantity &q : quantities) {
                        if (q.field == c.result)
                            symbol = q.symbol + (c.moment ? QStringLiteral("（N·cm）") : QStringLiteral("（N）"));
                    }
                }
            }
            pairs.append({code(name), symbol});
        }
    }
    const qsizetype half = (pairs.size() + 1) / 2;
    for (qsizetype i = 0; i < half; ++i) {
        names.rows.append({pairs[i].first, pairs[i].second, i + half < pairs.size() ? pairs[i + half].first : QString(),
                           i + half < pairs.size() ? pairs[i + half].second : QString()});
    }
    book.table(names);

    help_section(QStringLiteral("tavrel --pdf"), QStringLiteral("tavrel --pdf"));
    help_section(QStringLiteral("tavrel --document"), QStringLiteral("tavrel --document"));
    help_section(QStringLiteral("tavrel --reference-book"), QStringLiteral("tavrel --reference-book"));
    help_section(QStringLiteral("morvik"), QStringLiteral("morvik"));
    help_section(QStringLiteral("morvik --check"), QStringLiteral("morvik --check"));
    help_section(QStringLiteral("morvik --pdf"), QStringLiteral("morvik --pdf"));
}

} // namespace book
