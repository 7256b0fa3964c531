// 部材の応力度照査: the materials and the allowable stresses the tables give, what is entered for
// each member, how the row is worked out and judged, and the worked example of the Cases with
// D13 × 5 and a cover of 3 cm, computed by the member check itself.
#include "book/book_chapters.h"

#include "flume/captions.h"
#include "inputfile/tvl_extension.h"
#include "members/member_check.h"

namespace book {

namespace {

using members::Allowable;

// Every member of the worked flume with D13 × 5 per metre and a clear cover of 3 cm.
members::MemberCheckInputs worked_inputs()
{
    members::MemberCheckInputs inputs;
    for (members::MemberInputs &member : inputs.members)
        member = {QStringLiteral("D13"), members::Spacing::Count, QStringLiteral("5"), {}, {}, {}, {}, QStringLiteral("3")};
    return inputs;
}

Table allowable_table()
{
    Table table{{2600, 1400, 1400, 1400, 2700},
                {QStringLiteral("σck（N/mm²）"), QStringLiteral("σca"), QStringLiteral("τa（梁）"), QStringLiteral("τoa"),
                 QStringLiteral("σsa")},
                {}};
    for (const QString &strength : members::table_strengths) {
        members::Materials materials;
        materials.concrete_strength = strength;
        QStringList row{strength};
        for (Allowable a : {Allowable::Compression, Allowable::Shear, Allowable::Bond}) {
            const QString value = members::table_allowable(materials, a);
            row << (value.isEmpty() ? QStringLiteral("（入力）") : value);
        }
        materials.tension_row = members::TensionRow::SlabBridge;
        row << QStringLiteral("一般 %1、床版橋 %2")
                   .arg(members::table_allowable(members::Materials{}, Allowable::Tension),
                        members::table_allowable(materials, Allowable::Tension));
        table.rows.append(row);
    }
    return table;
}

} // namespace

void write_member_check_chapter(BookLayout &book)
{
    book.chapter(flume::page_caption(flume::Page::MemberCheck));
    book.paragraph(QStringLiteral(
        "ケース.1～3 の側壁と底版の六つの部材について、鉄筋を決め、Morvik と同じ計算で応力度を求め、許容応力度と比べて"
        "判定します。計算画面の「ツール(&T)」の「部材の応力度照査」で開きます。この画面は計算画面の結果に従い、"
        "ケースを計算し直すとすぐに応力度も変わります。曲げモーメントとせん断力が表示されていない部材は「未計算」です。"));
    book.heading(QStringLiteral("使用材料と許容応力度"));
    book.paragraph(QStringLiteral(
        "コンクリート設計基準強度 σck は 18、21、24 N/mm² から選ぶか入力します。鉄筋は SD295 か SD345 です。許容応力度"
        "（N/c㎡）は Morvik の許容応力度の表から入ります。σsa は「一般」の行（「床版橋」も選べます）、τa は片方向の"
        "部材のせん断の「梁」の行、τoa は「異形鉄筋」の行（「普通丸鋼」も選べます）です。表に値のない欄は空欄になる"
        "ので入力してください。どの値も書き換えられ、書き換えた値には画面と報告書で「＊」が付きます。"));
    book.table(allowable_table());
    book.heading(QStringLiteral("部材ごとの入力"));
    book.bullets({
        QStringLiteral("鉄筋：D10、D13、D16、D19、D22 から選び、100 cm 当たりの本数かピッチ（mm）を入れます。一方からもう"
                       "一方が求まります（ピッチ 150 なら 6.67 本）。As と U は 1 本の断面積と周長（D10 0.71 cm²・3 cm、"
                       "D13 1.27・4、D16 1.99・5、D19 2.87・6、D22 3.87・7）に本数を掛けたものです。"),
        QStringLiteral("「%1」を選ぶと、溶接金網などの As、U と ｄ をそのまま入力します。").arg(members::typed_bars),
        QStringLiteral("総厚：形状寸法から入ります。側壁はケースが力を求める深さ（ケース.1 は h、ケース.2・3 は h'）で T1（天端）"
                       "と T2（下端）の間を直線で結んだ厚さ（T1～T2 の範囲）、底版は T3 です。書き換えるまでは形状寸法に従います。"),
        QStringLiteral("かぶり：鉄筋の表面までのかぶりです。ｄ ＝ 総厚 － かぶり － 鉄筋径/2（呼び径 D10 9.53、D13 12.7、"
                       "D16 15.9、D19 19.1、D22 22.2 mm）。"),
        QStringLiteral("単位巾 ｂ は 100 cm、Ｍ と Ｓ はケースの結果の N・cm と N の値です。"),
    });
    book.heading(QStringLiteral("計算と判定"));
    book.bullets({
        QStringLiteral("P、k、j、σc、σs、τ、τo は Morvik の「計算」と同じ式と丸めで、｜Ｍ｜と｜Ｓ｜から求めます。"
                       "Ｍ が負のときは引張側が反対の面になります（ケース.1 は正で外側、ケース.2・3 は正で内側）。"),
        QStringLiteral("Ｓ ＝ 0（底版の曲げモーメント最大の断面など）では τ と τo が 0.00 になります。"),
        QStringLiteral("表示された応力度がすべて許容応力度以下なら OK、超えるものがあれば NG と、超えた応力度を示します。"),
        QStringLiteral("入力の足りない部材は、その欄の名前と「未入力」「が不正」を判定の欄に示します。"),
    });
    book.heading(QStringLiteral("計算例"));
    const ExampleRun example = run_example(flume_chapters().last(), {}, worked_inputs());
    const members::MemberCheckReport &check = example.sheet.member_check;
    book.paragraph(QStringLiteral(
        "ケース.3 までの計算例で、どの部材も D13 を 5 本、かぶり 3 cm とし、σck 24、SD345 の表の値で照査したものです。"));
    Table rows{{1700, 900, 900, 1200, 1500, 1300, 1300, 700},
               {QStringLiteral("部材"), QStringLiteral("ｄ（cm）"), QStringLiteral("引張側"), QStringLiteral("σc"),
                QStringLiteral("σs"), QStringLiteral("τ"), QStringLiteral("τo"), QStringLiteral("判定")},
               {}};
    for (std::size_t i = 0; i < check.members.size(); ++i) {
        const members::MemberResult &m = check.members[i];
        QStringList row{m.member, m.effective_depth, m.tension_face};
        for (Allowable a : members::allowables)
            row << check.comparison(i, a);
        row << m.judgement;
        rows.rows.append(row);
    }
    book.table(rows);
    book.heading(QStringLiteral("保存と印刷"));
    book.bullets({
        QStringLiteral("材料と部材の入力は、Tavrelファイルの 25 の入力（7 行）の後に、同じ「\"」で囲んで「,」で区切った行で"
                       "保存します。最初の行 \"%1\",\"%2\" が続きの印で、そのあとに材料（materials）と部材（members）の"
                       "まとまりが続きます。何も入力していないときは書かないので、ファイルは 7 行のままです。")
            .arg(inputfile::extension_marker, inputfile::extension_version),
        QStringLiteral("Shift_JIS で表せない文字は \\u{1F600} のように書くので、続きがあってもファイルは Shift_JIS のままです。"
                       "25 の入力だけを読むプログラムも、これまでどおりファイルを読めます。"),
        QStringLiteral("続きのないファイルを開くと、部材の応力度照査の入力は空になります。この版で読めない続きは、"
                       "そのまま残して保存のときに書き戻し、開いたときに知らせます。壊れた続きは読まずに知らせます。"),
        QStringLiteral("「プリント(&P)」の「部材の応力度照査」で、材料、六つの部材の表と計算式を A4 1 ページに印刷します。"
                       "応力度の求まった部材があるときに使えます。tavrel --pdf も、ケース.3 の後にこのページを書きます。"),
    });
}

} // namespace book
