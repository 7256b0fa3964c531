// 印刷: the five reports of Tavrel and Morvik's report, the print dialog, its preview and PDF, and
// the reports as PDF from the command line.
#include "book/book_chapters.h"

#include "flume/captions.h"

namespace book {

void write_printing_chapter(BookLayout &book)
{
    book.chapter(QStringLiteral("印刷"));
    book.paragraph(QStringLiteral(
        "計算のページごとに、A4 縦 1 ページの報告書を印刷できます。報告書は画面の欄の文字をそのまま印刷し、数値を"
        "計算し直したり丸め直したりはしません。結果の横には、この参考図書の各章と同じ式の図が印刷されます。"
        "「プリント(&P)」の項目は、そのページが開いていて最後の結果が表示されているときだけ使えます。"));
    book.heading(QStringLiteral("報告書"));
    book.table({{2600, 6900},
                {QStringLiteral("プリント(&P) の項目"), QStringLiteral("内容")},
                {
                    {flume::report_title(flume::Page::EarthPressure),
                     QStringLiteral("壁高、内幅と主働土圧のページの入力、断面図、KA・PA・PAV・PV とその式。")},
                    {flume::report_title(flume::Page::UpliftBearing),
                     QStringLiteral("上半分に浮上りの検討（形状寸法、Pv、γw、γsc、Fs とその式、「※ Fs ＞ 1.2」）、下半分に"
                                    "支持力の検討（同じ入力と qa、qmax とその式、「※ qmax ≦ qa」）。")},
                    {flume::report_title(flume::Page::Case1),
                     QStringLiteral("a：写された Pv・KA・q・γw・γsc と h、H'、H'1、γt、γws、δ'、Sso・Mso とその式（最後の a の"
                                    "計算で使った式）。b：T1、T2、BL、X など、WR・Sto・Mto とその式。せん断力は N、"
                                    "曲げモーメントは N・cm でも併記します。")},
                    {flume::report_title(flume::Page::Case2),
                     QStringLiteral("a：γw、h'、Ss1・Ms1。b：X、WR、BL、St1・Mt1。それぞれの式と N、N・cm の値。")},
                    {flume::report_title(flume::Page::Case3),
                     QStringLiteral("a：KA、γw、γt、δ'、h'、Ss1・Ms1。b：X、WR、BL、St1・Mt1。入力はすべて左欄に写された値です。")},
                }});
    book.paragraph(QStringLiteral(
        "報告書の左欄の値（Pv、KA など）は、そのページを開いたときに写された値です。前のページを計算し直したときは、"
        "ページボタンを押し直してから印刷してください。"));
    book.heading(QStringLiteral("印刷の画面"));
    book.table({{2600, 6900},
                {QStringLiteral("項目"), QStringLiteral("働き")},
                {
                    {QStringLiteral("プリンタ名"), QStringLiteral("印刷するプリンタを選びます。選んだプリンタは、次に開いたときも選ばれています。")},
                    {QStringLiteral("種類・場所"), QStringLiteral("選んでいるプリンタの名前と接続先です。")},
                    {QStringLiteral("プロパティ"), QStringLiteral("プリンタの設定画面を開きます。用紙は設定にかかわらず A4 縦で印刷します。")},
                    {QStringLiteral("印刷"), QStringLiteral("報告書を印刷して画面を閉じます。印刷できなかったときは、そのことを知らせて画面は残ります。")},
                    {QStringLiteral("プレビュー"), QStringLiteral("印刷する前に、報告書を画面で確かめます。")},
                    {QStringLiteral("PDF保存"), QStringLiteral("報告書を A4 の PDF ファイルに保存します。")},
                    {QStringLiteral("キャンセル"), QStringLiteral("印刷しないで画面を閉じます。")},
                }});
    book.paragraph(QStringLiteral("印刷の画面が開いている間は、計算画面は操作できません。"));
    book.heading(QStringLiteral("画面を使わない計算と PDF"));
    book.paragraph(QStringLiteral(
        "端末から、Tavrelファイルを画面を開かずに計算できます。tavrel --check ファイル.tvl は、利用者と同じ順にページを"
        "開いて「計算」を押し、結果とメッセージを表示します。tavrel --pdf 出力.pdf ファイル.tvl は、最後に印刷できる"
        "報告書をページの順に PDF にします。morvik --pdf 出力.pdf As b d M S U は Morvik の報告書を PDF にします。"
        "詳しくはそれぞれ --help で表示されます。"));
}

} // namespace book
