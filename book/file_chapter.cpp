// Tavrelファイル (.tvl): the file's seven lines, written from the worked example by the program's
// own file format, the member check's data after them, and what opening and saving do.
#include "book/book_chapters.h"

#include "document/document_data.h"
#include "flume/captions.h"
#include "flume/quantities.h"
#include "inputfile/document_section.h"
#include "inputfile/file_commands.h"
#include "inputfile/member_sections.h"
#include "inputfile/tvl_encoding.h"
#include "inputfile/tvl_extension.h"
#include "inputfile/tvl_file.h"
#include "inputfile/tvl_format.h"
#include "members/member_check.h"

namespace book {

namespace {

// The section on what follows the 25 items.
const QString extension_anchor = QStringLiteral("Tavrelファイル (.tvl)/部材の応力度照査と計算書の設定のデータ");

} // namespace

void write_file_chapter(BookLayout &book)
{
    book.chapter(QStringLiteral("Tavrelファイル (.tvl)"));
    book.paragraph(QStringLiteral(
        "%1の%2で計算画面の 25 の入力をファイルに保存し、%3で読み込みます。ファイルの種類は%4、拡張子は tvl です。"
        "保存するのは入力だけ（25 の入力と、入力したときは%5の入力と%6）で、結果、左欄に転記された値、開いているページは"
        "保存しません。")
                       .arg(quoted_caption(common::words::file_menu), quoted_caption(flume::words::save_as_entry),
                            quoted_caption(flume::words::open_entry), quoted(inputfile::dialog_filter),
                            ref(flume::page_caption(flume::Page::MemberCheck)), ref(extension_anchor)));
    book.heading(QStringLiteral("ファイルの形"));
    book.paragraph(QStringLiteral(
        "7 行のテキストファイルです。各行には入力欄の文字を、入力されたとおりに「\"」で囲み、「,」で区切って並べます。"
        "行の終わりは CR LF です。空欄は \"\" になります。文字コードは Shift_JIS（CP932）で、その文字コードで表せない"
        "文字を含むときだけ、ファイル全体を UTF-8（先頭に BOM）で書きます。次の表の右の欄は、本書の計算例の入力を"
        "保存したファイルの各行で、本書のすべての計算例はこの 25 の値から計算しています。"));
    const QStringList lines = inputfile::format_tvl(example_input_texts()).split(QStringLiteral("\r\n"));
    Table layout{{QStringLiteral("行"), QStringLiteral("項目"), QStringLiteral("計算例のファイルの行")}, {}};
    int item = 0;
    for (int line = 0; line < inputfile::items_per_line.size(); ++line) {
        QStringList symbols;
        for (int i = 0; i < inputfile::items_per_line[line]; ++i)
            symbols.append(flume::quantity(flume::input_field(item++)).printed);
        layout.rows.append({QString::number(line + 1), symbols.join(QStringLiteral("、")), code(lines.value(line))});
    }
    book.table(layout);
    book.heading(QStringLiteral("開くとき"));
    book.bullets({
        QStringLiteral("読み込んだ文字を、入力したときと同じように 25 の入力欄に入れます。計算はしません。前に表示されて"
                       "いた結果はそのまま残るので、%1を押し直してください。入力の変わった部材の応力度照査は、計算し直す"
                       "まで%2です。")
            .arg(quoted_caption(common::words::calculate), quoted(members::forces_outdated)),
        QStringLiteral("行の区切りは問いません。項目が 25 より少ないファイルでは、足りない入力欄が空欄になります。"
                       "26 番目からは、%1だけを読みます。続きのないファイルを開くと、部材の応力度照査の入力と"
                       "計算書の設定は新しい画面と同じ空の状態になります。")
            .arg(ref(extension_anchor)),
        QStringLiteral("左欄に転記された値は、ファイルを開いても変わりません。ページボタンを押し直すと改めて転記されます。"),
        QStringLiteral("%1 より大きいファイル、フォルダーや装置のファイルは開きません。")
            .arg(QStringLiteral("%1 MiB").arg(inputfile::max_file_bytes / (1024 * 1024))),
        QStringLiteral("開けないファイルや読めないファイルのときは、入力欄を変えずに%1（題名%2）と知らせます（%3）。")
            .arg(quoted(inputfile::message::open_failed), quoted(inputfile::message::open_title), ref(QStringLiteral("メッセージ一覧"))),
    });
    book.heading(extension_anchor.section(u'/', 1));
    const QString member_title = flume::page_caption(flume::Page::MemberCheck);
    const document::DocumentData document = example_document();
    QStringList document_entries;
    for (const document::DocumentEntry &entry : document::document_entries) {
        if (!(document.*entry.member).isEmpty())
            document_entries.append(QString::fromUtf16(entry.caption) + u'「' + document.*entry.member + u'」');
    }
    book.paragraph(QStringLiteral(
        "%1の材料や部材、または%2を入力したときだけ、7 行の後に同じ形（「\"」で囲んで「,」で区切り、CR LF で終わる行）で"
        "続きを書きます。何も入力していないときは書かないので、ファイルは 7 行のままです。25 の項目だけを読む"
        "プログラムは、続きがあってもこれまでどおりファイルを読めます。次は、計算例の入力に%3の計算例の入力（鉄筋 %4）"
        "と、%2（%5、作成日は印刷する日）を加えて保存したときの続きです。")
                       .arg(quoted(member_title), quoted(QStringLiteral("計算書の設定")),
                            ref(member_title + QStringLiteral("/計算例")),
                            members::grade_name(example_member_inputs().materials.grade),
                            document_entries.join(QStringLiteral("、"))));
    const QString saved = inputfile::decode_tvl(inputfile::tvl_file_bytes(example_file()));
    QStringList extension = saved.split(QStringLiteral("\r\n"));
    extension.remove(0, std::min<qsizetype>(extension.size(), inputfile::items_per_line.size()));
    while (!extension.isEmpty() && extension.last().isEmpty())
        extension.removeLast();
    book.code(extension);
    book.bullets({
        QStringLiteral("1 行目 %1 が続きの印と版です。続く %2 の行が、まとまりの名前、その版、行の数です。")
            .arg(code(QStringLiteral("\"%1\",\"%2\"").arg(inputfile::extension_marker, inputfile::extension_version)),
                 code(QStringLiteral("\"section\"")))
        ,
        QStringLiteral("%1 は材料を新しい画面の状態（σck %2、%3、表の値）から変えたときだけ書く 1 行で、σck、鉄筋、"
                       "σsa の行、τoa の行、書き換えた σca・σsa・τa・τoa（表の値のときは空欄）です。計算例では鉄筋を"
                       "変えたので書いています。")
            .arg(code(inputfile::materials_section), members::Materials{}.concrete_strength,
                 members::grade_name(members::Materials{}.grade)),
        QStringLiteral("%1 は構造細目を新しい画面の値（Gmax %2 mm、あき %3 mm、ピッチ %4 mm、鉄筋比 %5 %）から変えたときだけ"
                       "書く 1 行で、その四つの値です。このまとまりを知らない前の版の Tavrel も、読まずに残して保存のときに"
                       "書き戻します。")
            .arg(code(inputfile::detailing_section), members::DetailingRules{}.aggregate_size,
                 members::DetailingRules{}.least_spacing, members::DetailingRules{}.largest_pitch,
                 members::DetailingRules{}.least_steel_ratio),
        QStringLiteral("%1 は部材ごとに 1 行で、部材、鉄筋、本数かピッチか、その値、As、U、d（%2のとき）、書き換えた"
                       "総厚（形状寸法に従うときは空欄）、かぶりです。")
            .arg(code(inputfile::members_section), quoted(members::typed_bars)),
        QStringLiteral("%1 は自動配筋で探すリストを既定（%2 と %3）から変えたときだけ書く 1 行で、探す鉄筋と探すピッチを"
                       "入力したままの文字で書きます。%4 は自動配筋で鉄筋を入れた部材ごとに 1 行で、部材、鉄筋、本数かピッチか、"
                       "その値です。鉄筋をその値から書き換えた部材は「手入力」として読みます。どちらも知らない前の版の Tavrel は、"
                       "読まずに残して保存のときに書き戻します（%5）。")
            .arg(code(inputfile::design_lists_section), members::DesignLists{}.bars, members::DesignLists{}.pitches,
                 code(inputfile::designed_members_section),
                 ref(flume::page_caption(flume::Page::MemberCheck) + QStringLiteral("/自動配筋"))),
        QStringLiteral("%1 は%2に何か入力したときだけ書く 1 行で、工事名、施設名・路線名、発注者、設計者の会社名と担当者、"
                       "作成日（印刷した日にするときは空欄）、適用基準、備考です（%3）。")
            .arg(code(inputfile::document_section), quoted(QStringLiteral("計算書の設定")), ref(QStringLiteral("印刷/構造計算書"))),
        QStringLiteral("続きの中では、Shift_JIS で表せない文字、「\\」、「\"」を %1 のように書くので、続きのために"
                       "ファイルが UTF-8 になることはありません。")
            .arg(code(QStringLiteral("\\u{1F600}"))),
        QStringLiteral("この版で読めない続き（新しい版のまとまり、ほかのプログラムが書き足した行など）は、読まずにバイトの"
                       "ままそのまま残して保存のときに書き戻し、開いたときにそのことを知らせます。同じまとまりが二つ以上あると"
                       "きは最初のものを読み、ほかはそのまま書き戻します。壊れたまとまりはそれだけを読まずに名前を知らせ、"
                       "25 の入力はそのまま読みます（%1）。壊れた使用材料、構造細目、部材のデータの代わりには新しい画面の値が"
                       "入りますが、それで部材を判定することはありません（%2）。")
            .arg(ref(QStringLiteral("メッセージ一覧")), ref(flume::page_caption(flume::Page::MemberCheck) + QStringLiteral("/計算と判定"))),
    });
    book.heading(QStringLiteral("保存するとき"));
    book.bullets({
        QStringLiteral("種類%1のまま名前に拡張子を付けなかったときは、%2 を付けて保存します。")
            .arg(quoted(inputfile::dialog_filter), code(QStringLiteral(".tvl"))),
        QStringLiteral("同じ名前のファイルがあるときは、置き換えてよいか確かめます。書き込みがすべて終わってから置き換える"
                       "ので、途中で失敗しても前のファイルは残ります。所有者、アクセス権、ACL などの属性も前のファイルの"
                       "ままです。"),
        QStringLiteral("ハードリンクのあるファイルや、共有フォルダーにあるほかの人のファイルは、置き換えずにその場で書き換え"
                       "ます。書き換える前に元の内容を読んで %1 にも残し、書き込めなかったときは元に戻して、残した"
                       "ファイルの名前を知らせます。書き換えの途中でプログラムが終わったときは、次に起動したときに残した"
                       "ファイルを知らせます。")
            .arg(code(QStringLiteral("~/.cache/tavrel"))),
        QStringLiteral("読み取り専用のファイルは、置き換えてよいか確かめてから置き換えます。"),
        QStringLiteral("続きの読めないデータのために 1 MiB を超えるファイルになるときは、開けなくなるので保存しません。"),
        QStringLiteral("書き込めなかったときは%1（題名%2）と知らせます。")
            .arg(quoted(inputfile::message::save_failed), quoted(inputfile::message::save_title)),
        QStringLiteral("入力欄の文字は、数値に直さずにそのまま保存します（%1や%2もそのまま）。「\"」を含む文字は「\"\"」と"
                       "二つ重ねて書くので、読み込むと元に戻ります。")
            .arg(code(QStringLiteral("1,5")), code(QStringLiteral("0.50"))),
    });
}

} // namespace book
