// コマンドライン: the commands of both programs as their own help gives them, `tavrel --check` on the
// worked example's file with its member check, and every key of its JSON output with its meaning and unit.
#include "book/book_chapters.h"

#include "flume/captions.h"
#include "flume/field.h"
#include "flume/quantities.h"
#include "members/member_check.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

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

// A key of a `tavrel --check --json` line or of an object inside it: what it holds, and its unit
// ("－" for none; empty where a table has no unit column).
struct JsonKey {
    QString key;
    QString meaning;
    QString unit;
};

const QList<JsonKey> &file_keys()
{
    static const QList<JsonKey> keys = {
        {QStringLiteral("file"), QStringLiteral("ファイルのパス（コマンドに与えたとおり）"), {}},
        {QStringLiteral("damaged"),
         QStringLiteral("続きのうち壊れていて読めなかったデータ（使用材料のデータ など）の一覧。なければ []。"
                        "使用材料、構造細目、部材のデータが読めないときは、部材を判定しません"),
         {}},
        {QStringLiteral("inputs"), QStringLiteral("25 の入力欄の文字。名前は次の表のとおりです。"), {}},
        {QStringLiteral("results"), QStringLiteral("結果の欄の文字（空欄は \"\"）と、ケースの結果の N・N·cm への換算値（名前の末尾が _n、_ncm）"), {}},
        {QStringLiteral("messages"), QStringLiteral("出たメッセージの一覧。各要素は text（本文）と title（題名）"), {}},
        {QStringLiteral("page_buttons"), QStringLiteral("最後のページボタンの状態。Command1（主働土圧）～ Command5（ケース.3）が true（使える）か false"), {}},
        {QStringLiteral("case1_groundwater_formula"), QStringLiteral("ケース.1 a で地下水の項を含む式を使ったとき true"), {}},
        {QStringLiteral("materials"), QStringLiteral("部材の応力度照査の使用材料と許容応力度（項目は次の表）"), {}},
        {QStringLiteral("detailing"),
         QStringLiteral("構造細目の限界値の文字：aggregate_size（粗骨材の最大寸法 Gmax、mm）、least_spacing（あきの最小値、mm）、"
                        "largest_pitch（ピッチの最大値、mm）、least_steel_ratio（鉄筋比の最小値、%）"),
         {}},
        {QStringLiteral("members"), QStringLiteral("部材の応力度照査の六つの部材の一覧（いつも 6 件、部材の項目は次の表）"), {}},
    };
    return keys;
}

QString listed(const QStringList &words) { return words.join(QStringLiteral("、")); }

QList<JsonKey> materials_keys()
{
    using namespace members;
    QStringList symbols;
    for (Allowable a : allowables)
        symbols.append(allowable_symbol(a));
    return {
        {QStringLiteral("concrete_strength"), QStringLiteral("コンクリート設計基準強度 σck"), QStringLiteral("N/mm²")},
        {QStringLiteral("steel_grade"), QStringLiteral("鉄筋（%1）").arg(listed({grade_name(SteelGrade::SD295), grade_name(SteelGrade::SD345)})),
         QStringLiteral("－")},
        {QStringLiteral("tension_row"),
         QStringLiteral("σsa の行（%1）").arg(listed({tension_row_name(TensionRow::General), tension_row_name(TensionRow::SlabBridge)})),
         QStringLiteral("－")},
        {QStringLiteral("bar_surface"),
         QStringLiteral("τoa の行（%1）").arg(listed({bar_surface_name(BarSurface::Deformed), bar_surface_name(BarSurface::Plain)})),
         QStringLiteral("－")},
        {QStringLiteral("allowables"),
         QStringLiteral("使う許容応力度。名前は %1 で、値は表の値か書き換えた値の文字（空欄は \"\"）").arg(listed(symbols)),
         QStringLiteral("N/cm²")},
        {QStringLiteral("allowables_typed"), QStringLiteral("%1 のそれぞれを書き換えたとき true").arg(listed(symbols)),
         QStringLiteral("－")},
    };
}

// The short names a judgement gives the detailing rules, quoted: "あき", "ピッチ", "鉄筋比".
QStringList details_named()
{
    QStringList names;
    for (members::Detail d : members::details)
        names.append(QStringLiteral("\"%1\"").arg(members::detail_name(d)));
    return names;
}

QList<JsonKey> member_keys()
{
    using namespace members;
    QStringList stresses;
    for (Allowable a : allowables)
        stresses.append(QStringLiteral("\"%1\"").arg(stress_symbol(a)));
    const auto bar_name = [](const BarSize &bar) { return QString::fromLatin1(bar.name); };
    return {
        {QStringLiteral("member"), QStringLiteral("部材（ケース.1 側壁 ～ ケース.3 底版）"), QStringLiteral("－")},
        {QStringLiteral("moment"), QStringLiteral("曲げモーメント M（ケースの結果の換算値）"), QStringLiteral("N·cm")},
        {QStringLiteral("shear"), QStringLiteral("せん断力 S（ケースの結果の換算値）"), QStringLiteral("N")},
        {QStringLiteral("tension_face"), QStringLiteral("引張側（外側、内側）"), QStringLiteral("－")},
        {QStringLiteral("bar"),
         QStringLiteral("鉄筋の呼び名（%1～%2）か%3")
             .arg(bar_name(std::begin(bar_sizes)[0]), bar_name(std::end(bar_sizes)[-1]), quoted(typed_bars)),
         QStringLiteral("－")},
        {QStringLiteral("bars_per_width"), QStringLiteral("単位幅 100 cm 当たりの本数（ピッチを入れたときは求めた値）"), QStringLiteral("本")},
        {QStringLiteral("pitch"), QStringLiteral("ピッチ（本数を入れたときは求めた値）"), QStringLiteral("mm")},
        {QStringLiteral("rebar_area"), QStringLiteral("鉄筋量 As"), QStringLiteral("cm²")},
        {QStringLiteral("rebar_perimeter"), QStringLiteral("鉄筋の周長の合計 U"), QStringLiteral("cm")},
        {QStringLiteral("unit_width"), QStringLiteral("単位幅 b"), QStringLiteral("cm")},
        {QStringLiteral("thickness"), QStringLiteral("総厚"), QStringLiteral("cm")},
        {QStringLiteral("thickness_typed"), QStringLiteral("総厚を書き換えたとき true"), QStringLiteral("－")},
        {QStringLiteral("cover"), QStringLiteral("かぶり"), QStringLiteral("cm")},
        {QStringLiteral("effective_depth"), QStringLiteral("有効高さ d"), QStringLiteral("cm")},
        {QStringLiteral("status"), QStringLiteral("応力度が求まらない理由（未計算、かぶり未入力など）。求まったときは \"\""),
         QStringLiteral("－")},
        {QStringLiteral("judgement"), QStringLiteral("判定（OK、NG（σs、ピッチ）など。応力度が求まらないときは status と同じ。続きのデータが読めなかった"
                        "ときは「使用材料のデータが不正」など）"),
         QStringLiteral("－")},
        {QStringLiteral("results"),
         QStringLiteral("応力度が求まったときだけあり、Morvik の表示と同じ文字です。名前は %1 と同じです。")
             .arg(code(QStringLiteral("morvik --check --json"))),
         QStringLiteral("－")},
        {QStringLiteral("results.steel_ratio"), QStringLiteral("鉄筋比 P"), QStringLiteral("－")},
        {QStringLiteral("results.neutral_axis_ratio"), QStringLiteral("k"), QStringLiteral("－")},
        {QStringLiteral("results.lever_arm_ratio"), QStringLiteral("j"), QStringLiteral("－")},
        {QStringLiteral("results.concrete_stress"), QStringLiteral("σc（文字は Morvik の単位の表記「（N/c㎡）」付き）"),
         QStringLiteral("N/cm²")},
        {QStringLiteral("results.steel_stress"), QStringLiteral("σs（同）"), QStringLiteral("N/cm²")},
        {QStringLiteral("results.shear_stress"), QStringLiteral("τ（同）"), QStringLiteral("N/cm²")},
        {QStringLiteral("results.bond_stress"), QStringLiteral("τo（同）"), QStringLiteral("N/cm²")},
        {QStringLiteral("failing"),
         QStringLiteral("応力度が求まったときだけあり、許容応力度を超えた応力度（%1）と満たさない構造細目（%2）の一覧。"
                        "なければ []")
             .arg(listed(stresses), listed(details_named())),
         QStringLiteral("－")},
        {QStringLiteral("detailing"),
         QStringLiteral("構造細目ごとの value（部材の値）、limit（限界値）、judgement（OK、NG。判定しないときは \"\"）。"
                        "値と限界値は満たさない側に丸めた文字で、部材に値がないときは \"\""),
         QStringLiteral("－")},
        {QStringLiteral("detailing.clear_spacing"), QStringLiteral("鉄筋のあき（ピッチ － 鉄筋径）と、その最小値"),
         QStringLiteral("mm")},
        {QStringLiteral("detailing.pitch"), QStringLiteral("主鉄筋のピッチと、その最大値"), QStringLiteral("mm")},
        {QStringLiteral("detailing.steel_ratio"), QStringLiteral("鉄筋比 As/(b·d) と、その最小値"), QStringLiteral("%")},
    };
}

// The keys of an object as written, an object inside it as "results.steel_ratio".
QStringList keys_of(const QJsonObject &object)
{
    QStringList keys;
    for (auto it = object.begin(); it != object.end(); ++it) {
        keys.append(it.key());
        if (it.key() != QStringLiteral("allowables") && it.key() != QStringLiteral("allowables_typed")
            && it.value().isObject()) {
            for (const QString &inner : it.value().toObject().keys())
                keys.append(it.key() + u'.' + inner);
        }
    }
    return keys;
}

// The table of the keys in the order described; a key the program writes without a description,
// or a description of a key it does not write, is a problem.
Table key_table(const QStringList &written, const QList<JsonKey> &keys, const QString &where, QStringList &problems)
{
    const bool units = !keys.isEmpty() && !keys.first().unit.isEmpty();
    Table table{{QStringLiteral("項目"), QStringLiteral("内容")}, {}};
    if (units)
        table.header.append(QStringLiteral("単位"));
    for (const QString &key : written) {
        if (std::none_of(keys.begin(), keys.end(), [&key](const JsonKey &k) { return k.key == key; }))
            problems.append(QStringLiteral("JSON の%1項目 %2 の説明がありません").arg(where, key));
    }
    for (const JsonKey &key : keys) {
        if (!written.contains(key.key))
            problems.append(QStringLiteral("説明のある JSON の%1項目 %2 を --check --json は出力しません").arg(where, key.key));
        QStringList row{code(key.key), key.meaning};
        if (units)
            row.append(key.unit);
        table.rows.append(row);
    }
    return table;
}

// The symbol and unit of an inputs or results key, as the catalogue gives them: "qa（kN/m²）",
// "Sto（N）"; a symbol that two Cases share names its Case: "Ss1（kN、ケース.3）".
QString symbol_of(const QString &key)
{
    const flume::Quantity *quantity = nullptr;
    QString unit;
    for (const flume::Quantity &q : flume::quantities()) {
        if (q.json_key == key) {
            quantity = &q;
            unit = q.si_unit;
        }
    }
    for (const flume::ConvertedCompanion &c : flume::converted_companions) {
        if (flume::json_key(c) == key) {
            quantity = &flume::quantity(c.result);
            unit = flume::si_unit(c);
        }
    }
    if (!quantity)
        return {};
    const bool shared = std::any_of(flume::quantities().begin(), flume::quantities().end(), [quantity](const flume::Quantity &q) {
        return q.printed == quantity->printed && q.field != quantity->field;
    });
    QStringList notes;
    if (!unit.isEmpty())
        notes.append(unit);
    if (shared)
        notes.append(flume::page_caption(quantity->page));
    return notes.isEmpty() ? quantity->printed : quantity->printed + u'（' + notes.join(QStringLiteral("、")) + u'）';
}

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
    book.paragraph(QStringLiteral(
        "計算例のファイル（%1の 7 行と%2の続き）を確かめると、次のように表示されます。終了コードは 0 です。単位は"
        "画面の表記（KN、KN/m2 など）のままです。部材の応力度照査のデータがあるので、最後に部材ごとの 3 行が続きます。"
        "1 行目は部材、鉄筋とピッチ、総厚、d と判定、2 行目は σc、σs、τ、τo を「応力度 ≦ 許容応力度」（超えるときは"
        "「＞」）の形で、3 行目は構造細目のあき、ピッチ、鉄筋比を限界値と比べて示します。応力度の求まらない部材は 1 行"
        "で、判定の欄にその理由を示します。")
                       .arg(ref(QStringLiteral("Tavrelファイル (.tvl)/ファイルの形")),
                            ref(QStringLiteral("Tavrelファイル (.tvl)/部材の応力度照査と計算書の設定のデータ"))));
    if (!material.check_passed)
        problems.append(QStringLiteral("計算例のファイルが tavrel --check でケース.3 まで通りません"));
    QStringList output = material.check_output.split(u'\n');
    while (!output.isEmpty() && output.last().isEmpty())
        output.removeLast();
    if (!output.contains(flume::page_caption(flume::Page::MemberCheck)))
        problems.append(QStringLiteral("tavrel --check の出力に部材の応力度照査がありません"));
    book.code(output);

    book.heading(QStringLiteral("tavrel --check --json の項目"));
    book.paragraph(QStringLiteral(
        "%1 を付けると、ファイルごとに 1 行の JSON を出力します。文字はすべて画面の欄の文字のままです。各項目は次の"
        "とおりです。")
                       .arg(code(QStringLiteral("--json"))));
    const QJsonObject json = QJsonDocument::fromJson(material.check_json.toUtf8()).object();
    if (json.isEmpty())
        problems.append(QStringLiteral("tavrel --check --json の出力がありません"));
    book.table(key_table(json.keys(), file_keys(), {}, problems));

    book.paragraph(QStringLiteral("%1 の項目は次のとおりです。").arg(code(QStringLiteral("materials"))));
    book.table(key_table(keys_of(json.value(QStringLiteral("materials")).toObject()), materials_keys(),
                         QStringLiteral(" materials の"), problems));
    book.paragraph(QStringLiteral("%1 の各部材の項目は次のとおりです。文字は部材の応力度照査の画面の欄の文字のままです。")
                       .arg(code(QStringLiteral("members"))));
    QStringList member_keys_written;
    for (const QJsonValue &member : json.value(QStringLiteral("members")).toArray()) {
        for (const QString &key : keys_of(member.toObject())) {
            if (!member_keys_written.contains(key))
                member_keys_written.append(key);
        }
    }
    book.table(key_table(member_keys_written, member_keys(), QStringLiteral(" members の"), problems));

    // Each group in a table of its own, its names in two columns side by side.
    for (const QString &group : {QStringLiteral("inputs"), QStringLiteral("results")}) {
        QList<std::pair<QString, QString>> pairs;
        for (const QString &name : json.value(group).toObject().keys()) {
            const QString symbol = symbol_of(name);
            if (symbol.isEmpty())
                problems.append(QStringLiteral("JSON の %1 の %2 に本書の記号がありません").arg(group, name));
            pairs.append({code(name), symbol});
        }
        book.paragraph(QStringLiteral("%1 の名前と、本書の記号・単位の対応は次のとおりです。").arg(code(group)));
        Table names{{QStringLiteral("名前"), QStringLiteral("記号（単位）"), QStringLiteral("名前"), QStringLiteral("記号（単位）")},
                    {}};
        const qsizetype half = (pairs.size() + 1) / 2;
        for (qsizetype i = 0; i < half; ++i) {
            const bool beside = i + half < pairs.size();
            names.rows.append({pairs[i].first, pairs[i].second, beside ? pairs[i + half].first : QString(),
                               beside ? pairs[i + half].second : QString()});
        }
        book.table(names);
    }

    help_section(QStringLiteral("tavrel --design"), QStringLiteral("tavrel --design"));
    book.paragraph(QStringLiteral("選び方と、配筋が見つからないときの表示は%1のとおりです。")
                       .arg(ref(flume::page_caption(flume::Page::MemberCheck) + QStringLiteral("/自動配筋"))));
    help_section(QStringLiteral("tavrel --pdf"), QStringLiteral("tavrel --pdf"));
    help_section(QStringLiteral("tavrel --document"), QStringLiteral("tavrel --document"));
    help_section(QStringLiteral("tavrel --reference-book"), QStringLiteral("tavrel --reference-book"));
    help_section(QStringLiteral("morvik"), QStringLiteral("morvik"));
    help_section(QStringLiteral("morvik --check"), QStringLiteral("morvik --check"));
    help_section(QStringLiteral("morvik --pdf"), QStringLiteral("morvik --pdf"));
}

} // namespace book
