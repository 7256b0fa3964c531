// 部材の応力度照査: the materials and the allowable stresses the tables give, what is entered for
// each member, how the row is worked out and judged, and the worked example of the Cases with
// D13 × 5 and a cover of 3 cm, computed by the member check itself.
#include "book/book_chapters.h"

#include "flume/captions.h"
#include "flume/full_check.h"
#include "members/auto_reinforcement.h"
#include "members/member_check.h"

namespace book {

namespace {

using members::Allowable;

Table allowable_table()
{
    Table table{{QStringLiteral("σck\n（N/mm²）"), QStringLiteral("σca\n（N/cm²）"), QStringLiteral("σsa\n（N/cm²）"),
                 QStringLiteral("τa（梁）\n（N/cm²）"), QStringLiteral("τoa\n（N/cm²）")},
                {}};
    for (const QString &strength : members::table_strengths) {
        members::Materials materials;
        materials.concrete_strength = strength;
        members::Materials other_rows = materials;
        other_rows.tension_row = members::TensionRow::SlabBridge;
        other_rows.bar_surface = members::BarSurface::Plain;
        QStringList row{strength};
        for (Allowable a : members::allowables) {
            const QString value = members::table_allowable(materials, a);
            const QString other = members::table_allowable(other_rows, a);
            QString cell = value.isEmpty() ? QStringLiteral("（入力）") : value;
            if (other != value)
                cell += QStringLiteral("\n%1 %2").arg(members::allowable_row(other_rows, a),
                                                      other.isEmpty() ? QStringLiteral("（入力）") : other);
            row << cell;
        }
        table.rows.append(row);
    }
    return table;
}

// The section on 自動配筋: what the search does and how it chooses, the worked example's six
// answers computed by the search itself, and what a member without an answer says.
void write_design_section(BookLayout &book, QStringList &problems)
{
    using members::MemberInputs;
    const QString design = QStringLiteral("自動配筋");
    const members::DesignLists lists;
    book.heading(design);
    book.paragraph(QStringLiteral(
        "鉄筋を一つずつ試す代わりに、%1で部材ごとの鉄筋とピッチを選ばせることができます。画面右上の%1の枠の%2と%3の"
        "すべての組合せを、この章の照査とまったく同じ計算（同じ d の求め方と丸め、同じ許容応力度と構造細目）で照査し、"
        "%4を選びます。As は表に示す値（小数 2 桁）で比べます。既定のリストは、鉄筋 %5、ピッチ %6 mm で、書き換えた"
        "ときだけ Tavrelファイルに保存されます。")
                       .arg(quoted(design), quoted(QStringLiteral("探す鉄筋")), quoted(QStringLiteral("探すピッチ（mm）")),
                            members::design_rule, lists.bars, lists.pitches));
    book.bullets({
        QStringLiteral("枠の%5（Alt+A）は六つの部材すべてに、表の%1の行のボタンはその部材だけに、選んだ鉄筋とピッチを入れます。"
                       "%2の行はそれを%3と示し、あとで鉄筋やピッチを書き換えると%4になります。かぶりと総厚はそのままです。")
            .arg(quoted(design), quoted(QStringLiteral("配筋")), quoted(QStringLiteral("自動")), quoted(QStringLiteral("手入力")),
                 quoted_caption(flume::words::design_all_button)),
        QStringLiteral("%1の行には、選んだ配筋の最大の比を%2のように示します。σc、σs、τ、τo のそれぞれの許容応力度に対する比と、"
                       "最小鉄筋比に対する比（最小鉄筋比 ÷ 鉄筋比）のうち最大のもので、小数 2 桁に切り上げます。この照査が配筋を"
                       "決めています。")
            .arg(quoted(QStringLiteral("自動配筋の結果")), quoted(QStringLiteral("σs 0.87"))),
        QStringLiteral("ケースの力が表示されていない部材はそのままにして%1と示します。").arg(quoted(QStringLiteral("未計算のため変更なし"))),
        QStringLiteral("Ctrl+Z で、%1が入れる前の鉄筋に戻します（そのあと書き換えた部材はそのままです）。Ctrl+Y でやり直します。")
            .arg(quoted(design)),
        QStringLiteral("報告書と構造計算書の結果一覧には、自動配筋で選んだ配筋に%1と記し、探したリストを注記するので、照査する人が"
                       "同じ探索を繰り返せます。画面を開かずに選ぶには tavrel --design を使います（%2）。")
            .arg(quoted(design), ref(QStringLiteral("コマンドライン"))),
    });

    const members::MemberCheckInputs example = example_member_inputs();
    const flume::WalkedFlume walked = flume::walk_flume(example_input_texts());
    const auto designs = members::design_members(example, *walked.sheet);
    const members::MemberCheckReport check = members::check_members(members::with_designs(example, designs), *walked.sheet);
    book.paragraph(QStringLiteral("計算例の水路（かぶり 3 cm、σck %1、%2）で%3を押すと、次のように選びます。")
                       .arg(example.materials.concrete_strength, members::grade_name(example.materials.grade), quoted(design)));
    Table rows{{QStringLiteral("部材"), QStringLiteral("鉄筋"), QStringLiteral("ピッチ\n（mm）"), QStringLiteral("As\n（cm²）"),
                QStringLiteral("d\n（cm）"), QStringLiteral("σs\n（N/cm²）"), QStringLiteral("鉄筋比\n（%）"), QStringLiteral("最大の比"),
                QStringLiteral("判定")},
               {}};
    for (std::size_t i = 0; i < members::member_count; ++i) {
        const members::MemberResult &m = check.members[i];
        if (!designs[i].found)
            problems.append(QStringLiteral("計算例の %1 に自動配筋がありません（%2）").arg(m.member, members::design_note(designs[i])));
        rows.rows.append({m.member, designs[i].bar, designs[i].pitch, m.rebar_area, m.effective_depth,
                          check.comparison(i, members::Allowable::Tension),
                          m.detailing[std::size_t(members::Detail::SteelRatio)].comparison(members::Detail::SteelRatio),
                          designs[i].governing, m.judgement});
    }
    book.table(rows);
    // The next arrangement with less steel than the lists' least: one pitch step further.
    members::MemberCheckInputs wider = members::with_designs(example, designs);
    MemberInputs &first = wider.members[0];
    const double step = 25;
    first.spacing_text = QString::number(first.spacing_text.toDouble() + step);
    const members::MemberResult next = members::check_members(wider, *walked.sheet).members[0];
    book.paragraph(QStringLiteral(
        "計算例の力は小さく、どの部材もリストで最も鉄筋の少ない組合せで満たします。最大の比が鉄筋比のものは、最小鉄筋比が最も"
        "厳しい照査です。リストにないピッチ %1 mm にすると、%2の判定は%3です。")
                       .arg(first.spacing_text, next.member, quoted(next.judgement)));

    book.heading(QStringLiteral("自動配筋で配筋が見つからないとき"));
    members::MemberCheckInputs thin = example;
    thin.members[0].thickness = QStringLiteral("6");
    const members::MemberDesign none = members::design_members(thin, *walked.sheet)[0];
    if (none.found || none.least_thickness.isEmpty())
        problems.append(QStringLiteral("総厚 6 cm の計算例で配筋が見つかります"));
    book.paragraph(QStringLiteral(
        "どの組合せも満たさない部材は鉄筋とピッチをそのままにし、%1の行に、すべての組合せで満たさない照査と、同じリストで"
        "配筋が見つかる最小の総厚（5 mm 単位）を示します。たとえば計算例の%2の総厚を 6 cm とすると、%3です。")
                       .arg(quoted(QStringLiteral("自動配筋の結果")), check.members[0].member, quoted(members::design_note(none))));
    book.bullets({
        QStringLiteral("%1：σc か τ がすべての組合せで許容応力度を超えます。鉄筋を増やしてもほとんど下がらないので、断面を厚く"
                       "します。")
            .arg(quoted(QStringLiteral("σc：断面が不足（総厚を増やしてください）"))),
        QStringLiteral("%1：最も多い鉄筋でも σs か τo が超えます。総厚を増やすか、太い鉄筋や狭いピッチをリストに加えます。")
            .arg(quoted(QStringLiteral("σs：鉄筋が不足（総厚を増やすか、探す鉄筋・ピッチを広げてください）"))),
        QStringLiteral("%1：あき、ピッチ、鉄筋比のいずれかを、どの組合せも満たしません。リストか構造細目を見直します。")
            .arg(quoted(QStringLiteral("ピッチ：構造細目を満たす組合せがありません（探す鉄筋・ピッチを見直してください）"))),
        QStringLiteral("最小の総厚は今のケースの力のままで求めたものです。形状寸法の T1、T2、T3 を変えると自重などが変わり力も"
                       "変わるので、ケースを計算し直してから、もう一度%1を押して確かめます。この部材の総厚だけを書き換える（黄色の"
                       "総厚）ときは、形状寸法とは別の厚さで照査していることになります。")
            .arg(quoted(design)),
        QStringLiteral("かぶり未入力など、照査に足りない入力のある部材は、その理由を示します。許容応力度の空欄なども同じです。"),
    });
}

} // namespace

void write_member_check_chapter(BookLayout &book, const BookMaterial &material, QStringList &problems)
{
    const QString title = flume::page_caption(flume::Page::MemberCheck);
    book.chapter(title);
    book.paragraph(QStringLiteral(
        "ケース.1～3 の側壁と底版の六つの部材に鉄筋を決め、Morvik と同じ計算で応力度を求めて許容応力度と比べ、判定"
        "します（%1）。計算画面の%2の%3で開きます。この画面は計算画面の結果に従い、ケースを計算し直すとすぐに応力度も"
        "変わります。曲げモーメントとせん断力が表示されていない部材は%4です。力を求めたあとで、その力を求めた計算が読む"
        "入力（前のページの入力と、そのケースのその計算までの入力）を書き換えたり別のファイルを開いたりすると、表示されて"
        "いる力は今の入力のものではないので、ケースを計算し直すまで%5になります。ケース.1 の側壁は a の入力までなので、"
        "a を計算したあとで b の入力を書き換えても変わりません。ケース.2・3 は h' も読みます。画面は、入りきらないときは"
        "スクロールでき、大きさを変えられます。計算画面を閉じると、この画面も閉じます。")
                       .arg(ref(QStringLiteral("鉄筋コンクリート応力度の検討")), quoted_caption(flume::words::tools_menu),
                            quoted(title), quoted(QStringLiteral("未計算")), quoted(members::forces_outdated)));
    window_figure(book, material, QStringLiteral("member-check"), title, problems);

    book.heading(QStringLiteral("使用材料と許容応力度"));
    book.paragraph(QStringLiteral(
        "コンクリート設計基準強度 σck は 18、21、24 N/mm² から選ぶか入力します（工場製品では 30～40 も使われます）。"
        "鉄筋は SD295 か SD345 です。許容応力度（N/cm²）は Morvik の許容応力度の表から入ります。σsa は%1の行（%2も"
        "選べます）、τa は片方向に働く部材のせん断の%3の行、τoa は%4の行（%5も選べます）です。地震時・定着の行と"
        "スラブの押抜きせん断の行は、この照査には使いません。表に値のない欄は空欄になるので入力します。次の表では、"
        "その欄を%6と示しています。"
        "どの値も書き換えられ、書き換えた値には画面と報告書で「＊」が付きます。")
                       .arg(quoted(members::tension_row_name(members::TensionRow::General)),
                            quoted(members::tension_row_name(members::TensionRow::SlabBridge)), quoted(QStringLiteral("梁")),
                            quoted(members::bar_surface_name(members::BarSurface::Deformed)),
                            quoted(members::bar_surface_name(members::BarSurface::Plain)), QStringLiteral("（入力）")));
    book.table(allowable_table());

    book.heading(QStringLiteral("部材ごとの入力"));
    QStringList bars;
    for (const members::BarSize &bar : members::bar_sizes)
        bars.append(QStringLiteral("%1 %2 cm²・%3 cm・%4 mm")
                        .arg(QString::fromLatin1(bar.name), QString::number(bar.area), QString::number(bar.perimeter),
                             QString::number(bar.diameter)));
    book.bullets({
        QStringLiteral("鉄筋：呼び名を選び、単位幅 100 cm 当たりの本数かピッチ（mm）を入れます。一方からもう一方が求まります"
                       "（ピッチ 150 なら 6.67 本）。本数とピッチを切り替えると、入れた値はもう一方の値に換わります。"
                       "ピッチは鉄筋径より広くなければなりません。As と U は 1 本の断面積と周長に本数を掛けたものです（1 本の断面積・周長・"
                       "鉄筋径（公称直径）：%1）。")
            .arg(bars.join(QStringLiteral("、"))),
        QStringLiteral("%1を選ぶと、溶接金網などの As、U と d をそのまま入力します。かぶりは使わないので「－」と示します。"
                       "総厚は形状寸法の値を示し、d はそれより小さくなければなりません（総厚以上なら%2）。")
            .arg(quoted(members::typed_bars), quoted(QStringLiteral("ｄが総厚以上"))),
        QStringLiteral("総厚：形状寸法から入ります。側壁は、ケースが力を求める深さ（ケース.1 は h、ケース.2・3 は h'）での厚さ"
                       "で、T1（天端）と T2（下端）の間を直線で結んで求めます（T1～T2 の範囲）。底版は T3 です。書き換えるまでは"
                       "形状寸法に従い、書き換えた総厚は黄色で表示されます。"),
        QStringLiteral("かぶり：鉄筋の表面までのかぶりです。有効高さ d = 総厚 − かぶり − 鉄筋径 / 2 は、Morvik に入力する"
                       "ときと同じく cm で小数 1 桁（1 mm 単位）で、ｄは 1 mm 未満を切り捨てます。切り上げると断面を実際より"
                       "深く見て応力度を小さく求めるからです。形状寸法から求めた総厚も 1 mm 未満を切り捨てて示し、d はその"
                       "総厚から求めます。応力度は示した d で求めるので、表の値から計算し直すと同じ値になります。"),
        QStringLiteral("単位幅 b は 100 cm、M と S はケースの結果を換算した N·cm と N の値です。"),
    });

    book.heading(QStringLiteral("構造細目"));
    const members::DetailingRules usual;
    book.paragraph(QStringLiteral(
        "鉄筋が施工でき、コンクリートと一体に働くかを、次の三つの構造細目で確かめます。限界値は画面の%1の枠で書き換えられ、"
        "次の既定値から変えたときだけ Tavrelファイルに保存されます。既定値は、鉄筋コンクリートのスラブや壁に一般に"
        "用いられる値ですが、基準（示方書、設計基準、発注者の仕様など）によって値や条件が異なります。設計者は、工事で"
        "従う基準と照らし合わせて確かめ、違うときは書き換えてください。")
                       .arg(quoted(QStringLiteral("構造細目"))));
    book.bullets({
        QStringLiteral("あき：隣り合う鉄筋の間の空き（ピッチ − 鉄筋径）が、%1 mm、鉄筋の公称直径、粗骨材の最大寸法 Gmax の 4/3 の"
                       "うち最も大きい値以上であること。コンクリートが鉄筋の間に行き渡り、付着が確保されるための条件です。既定の"
                       "Gmax %2 mm では D13 で 26.7 mm です。")
            .arg(usual.least_spacing, usual.aggregate_size),
        QStringLiteral("ピッチ：主鉄筋の中心間隔が %1 mm 以下であること。間隔が広すぎると、鉄筋の間のコンクリートにひび割れが"
                       "集中するためです。部材の厚さの 2 倍以下などの条件を加える基準もあります。")
            .arg(usual.largest_pitch),
        QStringLiteral("鉄筋比：As/(b·d) が %1 % 以上であること。ひび割れたときに鉄筋がすぐに降伏して壊れることを防ぎ、乾燥収縮"
                       "や温度によるひび割れを分散させるための最小の鉄筋量です。0.2 % など、より大きい値とする基準もあります。")
            .arg(usual.least_steel_ratio),
        QStringLiteral("部材の値は満たさない側に丸めて示し（あきと鉄筋比は切り捨て、ピッチは切り上げ）、限界値は安全側に丸めて"
                       "示して（あきの 26.67 mm は 26.7 mm）、示した値どうしを比べます。表で満たしていれば、実際の値も満たして"
                       "います。"),
        QStringLiteral("%1の部材はピッチがないので、鉄筋比だけを確かめます。").arg(quoted(members::typed_bars)),
    });

    book.heading(QStringLiteral("計算と判定"));
    book.bullets({
        QStringLiteral("P、k、j、σc、σs、τ、τo は Morvik の%1と同じ式と丸めで、|M| と |S| から求めます。")
            .arg(quoted_caption(common::words::calculate)),
        QStringLiteral("引張側は M の符号で決まります。ケース.1 は正で外側、ケース.2・3 は正で内側が引張です。"),
        QStringLiteral("S = 0（底版の曲げモーメントが最大の断面など）では τ と τo が 0.00 になります。"),
        QStringLiteral("表示された応力度がすべて許容応力度以下で、構造細目をすべて満たせば OK です。超える応力度や満たさない"
                       "構造細目があれば NG で、%1のようにそれを並べて示します。NG は画面では赤で表示します。")
            .arg(quoted(QStringLiteral("NG（σs、ピッチ）"))),
        QStringLiteral("入力の足りない部材は、判定の欄に足りない入力や不正な入力を示します（%1、%2など）。鉄筋の間隔が"
                       "鉄筋径以下になる本数やピッチは%3・%4、d が 0 以下になるときは%5、応力度が求まらないときは%6です。")
            .arg(quoted(QStringLiteral("かぶり未入力")), quoted(QStringLiteral("総厚が不正")),
                 quoted(QStringLiteral("本数が不正")), quoted(QStringLiteral("ピッチが不正")),
                 quoted(QStringLiteral("ｄが0以下")), quoted(QStringLiteral("計算できません"))),
        QStringLiteral("許容応力度に空欄や数値でない欄があるときは、ほかの許容応力度を超えて NG でなければ、%1・%2の"
                       "ようにその記号を示します。σck が空欄なら%3、0 以下や数値でなければ%4です（NG が先です）。構造細目の"
                       "限界値が空欄や数値でないときは%5・%6です。")
            .arg(quoted(QStringLiteral("許容値未入力（τa）")), quoted(QStringLiteral("許容値が不正（σca）")),
                 quoted(QStringLiteral("σck未入力")), quoted(QStringLiteral("σckが不正")),
                 quoted(QStringLiteral("構造細目未入力（あき）")), quoted(QStringLiteral("構造細目が不正（ピッチ）"))),
        QStringLiteral("開いた Tavrelファイルの使用材料、構造細目、部材のデータが壊れていて読めなかったときは、代わりに入っている"
                       "新しい画面の値では判定せず、判定の欄に%1のように示します（tavrel --check、構造計算書も同じです）。その"
                       "データを画面で入力し直すと判定します。")
            .arg(quoted(members::input_part_caption(members::InputPart::Materials) + QStringLiteral("が不正"))),
    });

    book.heading(QStringLiteral("計算例"));
    const members::MemberCheckReport &check = run_chain(example_member_inputs()).sheet.member_check;
    const members::MemberResult &first = check.members[0];
    book.paragraph(QStringLiteral(
        "本書の計算例の水路で、どの部材も D13 を 5 本、かぶり 3 cm とし、σck %1、%2 の表の値で照査したものです。"
        "応力度の欄は「応力度 ≦ 許容応力度」です。構造細目は、どの部材もあき %3 mm、ピッチ %4 mm、鉄筋比 %5 % で"
        "満たしています。")
                       .arg(check.materials.concrete_strength, members::grade_name(check.materials.grade),
                            first.detailing[std::size_t(members::Detail::ClearSpacing)].comparison(members::Detail::ClearSpacing),
                            first.detailing[std::size_t(members::Detail::Pitch)].comparison(members::Detail::Pitch),
                            first.detailing[std::size_t(members::Detail::SteelRatio)].comparison(members::Detail::SteelRatio)));
    Table rows{{QStringLiteral("部材"), QStringLiteral("引張側"), QStringLiteral("総厚\n（cm）"), QStringLiteral("d\n（cm）"),
                QStringLiteral("σc\n（N/cm²）"), QStringLiteral("σs\n（N/cm²）"), QStringLiteral("τ\n（N/cm²）"),
                QStringLiteral("τo\n（N/cm²）"), QStringLiteral("判定")},
               {}};
    for (std::size_t i = 0; i < check.members.size(); ++i) {
        const members::MemberResult &m = check.members[i];
        if (!m.has_stresses())
            problems.append(QStringLiteral("計算例の %1 に応力度がありません（%2）").arg(m.member, m.status));
        QStringList row{m.member, m.tension_face, m.thickness, m.effective_depth};
        for (Allowable a : members::allowables)
            row << check.comparison(i, a);
        row << m.judgement;
        rows.rows.append(row);
    }
    book.table(rows);
    write_design_section(book, problems);

    book.heading(QStringLiteral("保存と印刷"));
    book.paragraph(QStringLiteral(
        "入力は、計算画面の入力と一緒に Tavrelファイルに保存されます（%1）。報告書は%2の%3で A4 1 ページに印刷します（%4）。")
                       .arg(ref(QStringLiteral("Tavrelファイル (.tvl)/部材の応力度照査と計算書の設定のデータ")),
                            quoted_caption(flume::words::print_menu), quoted(flume::report_title(flume::Page::MemberCheck)),
                            ref(QStringLiteral("印刷"))));
}

} // namespace book
