// 一括計算: a table of flumes checked at once, from the window and from the command line. The header
// names come from the catalogues of the flume's and the member check's inputs, the example's results
// from the batch run itself on the book's product range.
#include "book/book_chapters.h"
#include "book/worked_example.h"

#include "batch/batch_run.h"
#include "batch/batch_words.h"
#include "flume/captions.h"
#include "flume/quantities.h"
#include "members/member_quantities.h"

namespace book {

namespace {

using batch::ColumnRole;

QString unit_or_none(const QString &unit) { return unit.isEmpty() ? QStringLiteral("－") : unit; }

// The example: the product range over the worked example's file.
batch::BatchJob example_job()
{
    batch::SplitTable split;
    const QList<QStringList> rows = batch_example_table();
    for (int i = 0; i < rows.size(); ++i)
        split.records.append({i + 1, rows[i]});
    return {batch::read_table(split), example_file(), QStringLiteral("example.tvl")};
}

// What a column of the results holds.
QString meaning(const batch::ResultColumn &column)
{
    switch (column.role) {
    case ColumnRole::Line: return QStringLiteral("表の行の番号（見出しが 1 行目）");
    case ColumnRole::Name: return QStringLiteral("表の%1の列の値").arg(quoted(batch::name_header));
    case ColumnRole::Input: return QStringLiteral("表の入力の列（計算例では左のもの）。空欄の行は基本ファイルの値を示します。");
    case ColumnRole::Ka:
    case ColumnRole::Pa: return QStringLiteral("主働土圧のページの結果（画面と同じ桁）");
    case ColumnRole::Fs:
    case ColumnRole::Qmax:
        return QStringLiteral("浮上り・支持力のページの結果。画面の桁では判定と食い違って見えるときだけ、判定の分かる桁まで示します。"
                              "Fs が 1.2 以下で画面の欄が空のままのときも、計算書の照査と同じ値を示します。");
    case ColumnRole::FsVerdict: return QStringLiteral("Fs ＞ 1.2 のとき OK、そうでなければ NG");
    case ColumnRole::QmaxVerdict: return QStringLiteral("qmax ≦ qa のとき OK、そうでなければ NG");
    case ColumnRole::MemberBar: return QStringLiteral("自動配筋で選んだ鉄筋（自動配筋のときだけ）");
    case ColumnRole::MemberPitch: return QStringLiteral("自動配筋で選んだピッチ（自動配筋のときだけ）");
    case ColumnRole::MemberRatio:
        return QStringLiteral("部材の四つの応力度のうち、許容応力度に対する比の最も大きいもの（小数 2 桁。1 を超えるのに 1.00 と読めるときは桁を増やします）");
    case ColumnRole::MemberGoverning: return QStringLiteral("その比を決めた応力度（σc、σs、τ、τo）");
    case ColumnRole::MemberJudgement:
        return QStringLiteral("%1の判定（OK、NG（σs）など。応力度のない部材はその理由。自動配筋で組合せが見つからない部材は"
                              "NG（配筋なし）とその理由）")
            .arg(quoted(flume::page_caption(flume::Page::MemberCheck)));
    case ColumnRole::Overall:
        return QStringLiteral("すべての照査が OK なら OK、どれかが NG なら NG、NG はないが判定の出ていない照査があれば －");
    case ColumnRole::Reason:
        return QStringLiteral("計算しなかった行はその理由（行と列）、途中で止まった行はページごとのメッセージ");
    }
    return {};
}

} // namespace

void write_batch_chapter(BookLayout &book, const BookMaterial &material, QStringList &problems)
{
    using namespace batch::words;
    book.chapter(window_title);
    book.paragraph(QStringLiteral(
        "製品の寸法ごとの検討や、地下水位・上載荷重・土質を変えた検討のように、いくつものフルームを同じ手順で計算するとき"
        "は、表の 1 行に 1 基ずつ書いて、まとめて計算します。各行は%1と同じ手順（ページを順に開いて%2を押し、続けて"
        "部材の応力度照査）で計算し、結果を表の 1 行ずつにまとめて、CSV、表計算のファイル（.xlsx）、一覧表の PDF に"
        "書きます。計算画面の%3の%4で開く画面と、コマンド %5 のどちらでも使えます。")
                       .arg(code(QStringLiteral("tavrel --check")), quoted_caption(common::words::calculate),
                            quoted_caption(common::words::file_menu), quoted_caption(flume::words::batch_entry),
                            code(QStringLiteral("tavrel --batch"))));

    book.heading(QStringLiteral("表の形"));
    book.bullets({
        QStringLiteral("1 行目は見出しで、入力の記号を並べます。2 行目からの各行が 1 基のフルームです。"),
        QStringLiteral("表にない入力と、表の空欄は、基本ファイル（.tvl）の 25 の入力と部材の応力度照査のデータの値を使います。"
                       "画面から計算するときは、基本ファイルの代わりに計算画面の入力を使えます。"),
        QStringLiteral("記号の後ろに単位を括弧で書いても構いません（%1）。単位は次の表のもの（または画面の単位）に限ります。"
                       "全角の英数字と括弧、空白は半角と同じに扱います。%2の列には各行の名前を書きます。")
            .arg(code(QStringLiteral("B (m)")), quoted(batch::name_header)),
        QStringLiteral("CSV ファイルは UTF-8（BOM の有無を問わない）か、表計算ソフトが「CSV」で保存する Shift_JIS（CP932）で、"
                       "コンマ区切りかタブ区切りです。「\"」で囲んだ欄には、コンマ、改行、重ねた「\"\"」を書けます。"),
        QStringLiteral("入力の値は数値だけです（1,000 のような桁区切りは使えます）。数値でない値、表にない鉄筋、見出しより多い欄の"
                       "ある行は、行と列を示してその行だけを飛ばし、ほかの行は計算します。見出しに分からない名前や同じ名前が"
                       "あるときは、何も計算しません。"),
    });
    Table headers{{QStringLiteral("見出し"), QStringLiteral("内容"), QStringLiteral("単位")}, {}};
    QStringList per_member;
    for (const batch::InputColumn &column : batch::all_columns()) {
        if (column.member)
            continue;
        QString term;
        if (column.kind == batch::ColumnKind::Name)
            term = QStringLiteral("フルームの名前（結果にそのまま写します）");
        else if (column.kind == batch::ColumnKind::FlumeInput)
            term = flume::quantity(column.field).term;
        else
            term = column.member_quantity->term + (column.member_quantity->per_member ? QStringLiteral("（六つの部材すべて）") : QString());
        if (column.kind == batch::ColumnKind::MemberInput && column.member_quantity->per_member)
            per_member << column.symbol;
        headers.rows.append({code(column.symbol), term, unit_or_none(column.unit)});
    }
    book.table(headers);
    QStringList titles;
    for (const flume::MemberForces &member : flume::member_forces)
        titles << flume::member_title(member);
    book.paragraph(QStringLiteral(
        "%1 は、記号の後ろに括弧で部材を書くと、その部材だけの値になります（%2）。部材は %3 です。部材ごとの列は、"
        "すべての部材の列より優先します。同じ部材に本数とピッチの両方は書けません。")
                       .arg(per_member.join(QStringLiteral("、")),
                            code(members::member_symbol(*members::member_quantity_by_symbol(QStringLiteral("かぶり")), 0)),
                            titles.join(QStringLiteral("、"))));

    const batch::BatchJob job = example_job();
    const batch::BatchResults results = batch::run_batch(job);
    book.heading(QStringLiteral("計算例"));
    QStringList csv;
    for (const QStringList &row : batch_example_table())
        csv << row.join(u',');
    book.paragraph(QStringLiteral(
        "内幅と壁高が 300 mm から 1500 mm までの製品を、本書の計算例のファイル %1 を基本ファイルにして検討します。"
        "表には形状寸法と、それに応じて決まる入力（外水位は壁高の半分）、かぶりを書きます。土質と荷重、材料と鉄筋"
        "（D13、本数 5）は基本ファイルの値です。表 %2 を次のとおり作ります。")
                       .arg(code(QStringLiteral("example.tvl")), code(QStringLiteral("range.csv"))));
    book.code(csv);
    book.paragraph(QStringLiteral("コマンドでは次のとおり計算し、結果を表計算のファイルと PDF に書きます。"));
    book.code({QStringLiteral("$ tavrel --batch range.csv --base example.tvl --out range.xlsx --out range.pdf")});
    const qsizetype name = results.column(ColumnRole::Name), fs = results.column(ColumnRole::Fs),
                    fs_verdict = results.column(ColumnRole::FsVerdict), qmax = results.column(ColumnRole::Qmax),
                    qmax_verdict = results.column(ColumnRole::QmaxVerdict), overall = results.column(ColumnRole::Overall);
    Table example{{batch::name_header, QStringLiteral("Fs"), QStringLiteral("qmax（kN/m²）"),
                   QStringLiteral("応力度比の最大（部材、応力度）"), QStringLiteral("総合判定")},
                  {}};
    for (const batch::RowResult &row : results.rows) {
        QString largest;
        double most = -1;
        for (int m = 0; m < int(flume::member_forces.size()); ++m) {
            const QString ratio = row.cells.value(results.column(ColumnRole::MemberRatio, m));
            if (!ratio.isEmpty() && ratio.toDouble() > most) {
                most = ratio.toDouble();
                largest = ratio + QStringLiteral("（") + titles[m] + QStringLiteral("、")
                        + row.cells.value(results.column(ColumnRole::MemberGoverning, m)) + QStringLiteral("）");
            }
        }
        example.rows.append({row.cells[name], row.cells[fs] + u' ' + row.cells[fs_verdict],
                             row.cells[qmax] + u' ' + row.cells[qmax_verdict], largest, row.cells[overall]});
    }
    book.table(example);
    book.paragraph(QStringLiteral(
        "表はこの版の Tavrel が計算した結果の一部です。結果のファイルには、次の節の列がすべて入ります。部材の応力度比が"
        "小さい製品は、鉄筋やかぶりを表の列で変えて検討し直せます。"));

    book.heading(QStringLiteral("結果の列"));
    book.paragraph(QStringLiteral(
        "結果は表の 1 行に 1 行で、次の列を順に並べます。部材の列は、基本ファイルか表に部材の応力度照査のデータが"
        "あるとき（または自動配筋のとき）だけ、部材ごとに三つずつ（自動配筋のときは鉄筋とピッチを加えて五つずつ）"
        "並びます。見出しには単位を括弧で付けます。"));
    Table columns{{QStringLiteral("列"), QStringLiteral("内容")}, {}};
    bool member_shown = false;
    QStringList inputs;
    // The columns as 自動配筋 gives them: every column a run can have.
    batch::BatchJob designed = job;
    designed.design = true;
    const QList<batch::ResultColumn> all = batch::result_columns(designed);
    for (qsizetype i = 0; i < all.size(); ++i) {
        const batch::ResultColumn &column = all[i];
        const bool member = column.member >= 0;
        if (member && column.member > 0)
            continue;
        QString header = column.header();
        if (column.role == ColumnRole::Input) {
            // The table's inputs stand in one row, as the example's table has them.
            inputs << header;
            if (all.value(i + 1).role == ColumnRole::Input)
                continue;
            header = inputs.join(QStringLiteral("、"));
        }
        if (member) {
            header.replace(titles[0], QStringLiteral("（部材）"));
            member_shown = true;
        }
        columns.rows.append({screen(header), meaning(column)});
    }
    if (!member_shown)
        problems.append(QStringLiteral("一括計算の計算例に部材の列がありません"));
    book.table(columns);
    book.bullets({
        QStringLiteral("CSV は UTF-8 で、表計算ソフトが日本語のまま開けるよう先頭に BOM を付けます（%1 で CP932）。"
                       "値は画面の表示と同じ文字です。")
            .arg(code(QStringLiteral("--encoding cp932"))),
        QStringLiteral("表計算のファイル（.xlsx）は 1 枚のシートで、見出しの行と行・名称の列を固定し、数値は数値として、"
                       "画面と同じ小数の桁の表示形式で入れます。NG は赤で示します。印刷は A4 横で、見出しを各ページに繰り返します。"),
        QStringLiteral("一覧表（PDF と印刷）は A4 横で、1 ページ目に表と基本ファイルの条件を示し、見出しを各ページに繰り返します。"
                       "Fs、qmax と部材の欄は、値の下に判定を示します。"),
    });

    book.heading(QStringLiteral("画面"));
    book.paragraph(QStringLiteral(
        "%1の%2で開きます。計算画面やランチャーとは別の画面で、開いたまま計算画面を使えます。")
                       .arg(quoted_caption(common::words::file_menu), quoted_caption(flume::words::batch_entry)));
    window_figure(book, material, QStringLiteral("batch-window"), QStringLiteral("一括計算の画面（計算例）"), problems);
    book.bullets({
        QStringLiteral("%1で CSV ファイルを読み込むか、表に直接入力します。1 行目が見出しです。表の右下には、行と列を足すための"
                       "空欄がいつもあります。%2で表を CSV（UTF-8）に保存します。")
            .arg(quoted_caption(open_table), quoted_caption(save_table)),
        QStringLiteral("%1は、計算画面の入力（画面を開いた計算画面の、そのときの入力と部材の応力度照査のデータ）です。"
                       "%2で .tvl ファイルを選び、%3で計算画面の入力に戻します。")
            .arg(quoted(base_caption + screen_base_name), quoted_caption(choose_base), quoted_caption(screen_base)),
        QStringLiteral("%1に印を付けると、各行の部材ごとに自動配筋（%2 と同じ探し方）をしてから照査し、選んだ鉄筋とピッチを"
                       "結果に加えます。探す鉄筋とピッチは基本の部材のデータのものです。")
            .arg(quoted_caption(design), code(QStringLiteral("tavrel --design"))),
        QStringLiteral("%1を押すと、すべての行を計算します（コンピューターのすべてのコアを使います）。長い表では進み具合が"
                       "示され、%2で止められます。止めたときは、計算の済んだ行の結果を示し、ほかの行は%3となります。")
            .arg(quoted_caption(compute), quoted_caption(cancel), quoted(cancelled)),
        QStringLiteral("結果は各行の右に並びます。NG は赤で示し、行にマウスを置くとその行の理由（飛ばした理由やメッセージ）が"
                       "表示されます。表を書き換えると、結果は消えます。"),
        QStringLiteral("%1は、選んだ行のフルームを新しい計算画面に入れて開きます（%2と同じく、計算はしません）。")
            .arg(quoted_caption(open_row), quoted_caption(flume::words::open_entry)),
        QStringLiteral("%1、%2、%3で結果を保存し、%4で一覧表を印刷します。")
            .arg(quoted_caption(save_csv), quoted_caption(save_xlsx), quoted_caption(save_pdf), quoted_caption(print)),
        QStringLiteral("画面は、最後に開いた表と選んだ基本ファイルを覚えていて、次に開いたときに読み込みます。"),
    });

    book.heading(QStringLiteral("コマンドと終了コード"));
    book.paragraph(QStringLiteral(
        "%1 は画面を使わずに計算します。%2 はいくつでも書け、拡張子で形式（.csv、.xlsx、.pdf）が決まります。%3 を付けると"
        "自動配筋をしてから照査します。表の誤りとメッセージで止まった行は、行を示して標準エラー出力に出します。説明は%4に"
        "あります。")
                       .arg(code(QStringLiteral("tavrel --batch 表.csv --base 基本.tvl --out 結果.csv")),
                            code(QStringLiteral("--out")), code(QStringLiteral("--design")), ref(QStringLiteral("コマンドライン"))));
    book.table({{QStringLiteral("終了コード"), QStringLiteral("意味")},
                {{QStringLiteral("0"), QStringLiteral("すべての行が OK")},
                 {QStringLiteral("1"), QStringLiteral("NG の行、飛ばした行、途中で止まった行、判定の出ていない部材のある行がある（結果は書きます）")},
                 {QStringLiteral("2"), QStringLiteral("引数の誤り、表や基本ファイルが読めない、見出しの誤り、表に行がない、結果を書けない")}}});
}

} // namespace book
