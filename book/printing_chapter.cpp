// 印刷: the reports of Tavrel, the print dialog with its preview and PDF, the structural calculation
// document with 計算書の設定, and the reports as PDF from the command line.
#include "book/book_chapters.h"

#include "flume/captions.h"

namespace book {

void write_printing_chapter(BookLayout &book, const BookMaterial &material, QStringList &problems)
{
    using flume::Page;
    book.chapter(QStringLiteral("印刷"));
    book.paragraph(QStringLiteral(
        "計算のページごとに、A4 縦 1 ページの報告書を印刷できます。報告書は画面の欄の文字をそのまま印刷し、数値を"
        "計算し直したり丸め直したりはしません。結果の横には、本書の各章と同じ式が印刷されます。%1の項目は、その"
        "ページが開いていて最後の結果が表示されているときだけ使えます。")
                       .arg(quoted_caption(flume::words::print_menu)));
    book.heading(QStringLiteral("報告書"));
    book.table({{common::shown_caption(flume::words::print_menu) + QStringLiteral(" の項目"), QStringLiteral("内容")},
                {
                    {screen(flume::report_title(Page::EarthPressure)),
                     QStringLiteral("壁高、内幅と主働土圧のページの入力、断面図、KA・PA・PAV・PV とその式。")},
                    {screen(flume::report_title(Page::UpliftBearing)),
                     QStringLiteral("上半分に浮上りの検討（形状寸法、Pv、γw、γsc、Fs とその式、「※ Fs ＞ 1.2」）、下半分に"
                                    "支持力の検討（同じ入力と qa、qmax とその式、「※ qmax ≦ qa」）。")},
                    {screen(flume::report_title(Page::Case1)),
                     QStringLiteral("a：受け取った Pv・KA・q・γw・γsc と h、H'、H'1、γt、γws、δ'、Sso・Mso とその式（最後に計算"
                                    "した a で使った式）。b：T1、T2、BL、X など、WR・Sto・Mto とその式。せん断力は N、"
                                    "曲げモーメントは N·cm でも併記します。")},
                    {screen(flume::report_title(Page::Case2)),
                     QStringLiteral("a：γw、h'、Ss1・Ms1。b：X、WR、BL、St1・Mt1。それぞれの式と N、N·cm の値。")},
                    {screen(flume::report_title(Page::Case3)),
                     QStringLiteral("a：KA、γw、γt、δ'、h'、Ss1・Ms1。b：X、WR、BL、St1・Mt1。入力はすべて左欄に転記された値です。")},
                    {screen(flume::report_title(Page::MemberCheck)),
                     QStringLiteral("使用材料と許容応力度、六つの部材の M、S、引張側、鉄筋、As、U、b、総厚、かぶり、d、応力度と許容応力度、"
                                    "判定の表、応力度の式。応力度の求まった部材があるときに使えます（%1）。")
                         .arg(ref(flume::page_caption(Page::MemberCheck)))},
                }});
    book.paragraph(QStringLiteral(
        "報告書の左欄の値（Pv、KA など）は、そのページを開いたときに転記された値です。前のページを計算し直したときは、"
        "ページボタンを押し直してから印刷してください。報告書の単位は画面と同じ表記（KN、KN/m2、KN・m など）です。"
        "本書は kN、kN/m²、kN·m と書き、報告書や画面の語を引くところだけ、その表記のまま示します。"));
    book.heading(QStringLiteral("印刷の画面"));
    book.paragraph(QStringLiteral("%1の項目を選ぶと開きます（%2）。開いている間は計算画面を操作できません。")
                       .arg(quoted_caption(flume::words::print_menu), ref(QStringLiteral("操作の流れ/印刷と保存"))));
    window_figure(book, material, QStringLiteral("print-dialog"), QStringLiteral("印刷の画面"), problems);
    book.table({{QStringLiteral("項目"), QStringLiteral("働き")},
                {
                    {screen(QStringLiteral("プリンタ名")), QStringLiteral("印刷するプリンタを選びます。選んだプリンタは、次に開いたときも選ばれています。")},
                    {screen(QStringLiteral("種類・場所")), QStringLiteral("選んでいるプリンタの名前と接続先です。")},
                    {screen_caption(common::words::properties), QStringLiteral("プリンタの設定画面を開きます。用紙は設定にかかわらず A4 縦で印刷します。")},
                    {screen_caption(common::words::print), QStringLiteral("報告書を印刷して画面を閉じます。印刷できなかったときは、そのことを知らせて画面は残ります。")},
                    {screen_caption(common::words::preview), QStringLiteral("印刷する前に、報告書を画面で確かめます。")},
                    {screen_caption(common::words::save_pdf), QStringLiteral("報告書を A4 の PDF ファイルに保存します。")},
                    {screen_caption(common::words::cancel), QStringLiteral("印刷しないで画面を閉じます。")},
                }});
    book.heading(QStringLiteral("構造計算書"));
    book.paragraph(QStringLiteral(
        "%1の%2は、報告書を一つにまとめた A4 縦の構造計算書を印刷の画面で開きます。構造計算書は、画面に入っている"
        "入力から全ページを計算し直して作ります（主働土圧のページから順に開いて%4を押します）。画面に出ている結果は"
        "使わず、変えもしません。表紙、目次、結果一覧、設計条件、計算できたページの報告書、応力度の求まった部材があれば"
        "部材の応力度照査の順で、%3は全ページを一つの印刷として送ります。表紙と目次には番号を付けず、結果一覧から各ページの"
        "下に「- 1 -」の形の番号を、上に工事名を印刷します。報告書のページは、上の余白に目次の章の番号と名前"
        "（「3　主働土圧」）も印刷します。計算できない章は、目次に「未計算」と、その下に理由（出たメッセージなど）が"
        "載ります。計算中のメッセージは画面に出しません。PDF では章がしおりに、目次の行がその章へのリンクになります。")
                       .arg(quoted_caption(flume::words::print_menu), quoted_caption(flume::words::document_entry),
                            quoted_caption(common::words::print), quoted_caption(common::words::calculate)));
    book.paragraph(QStringLiteral(
        "結果一覧は第 1 章で、浮上りの安全率 Fs と 1.2、最大地盤反力 qmax と許容支持力度 qa、各部材の σc、σs、τ、τo と"
        "許容応力度を一つの表に並べ、それぞれに OK か NG を示し、表の下の行ですべてが OK かどうかを示します。Fs と qmax は"
        "表示のために丸める前の値で判定するので、表ではふだんの桁（Fs 小数 2 桁、qmax 小数 1 桁）では判定と食い違って見えるときだけ、"
        "判定の分かる桁まで示します（1.201 ＞ 1.2 など）。Fs は 1.2 を超えるとき、qmax は qa 以下のとき OK です。"));
    book.paragraph(QStringLiteral(
        "設計条件は、構造と三つの荷重ケースの説明、25 の入力を名前・記号・値・単位（kN、kN/m²、kN/m³ などの SI 単位）"
        "で示した表と断面図、部材の応力度照査のデータがあれば材料と許容応力度（N/cm²）と、部材ごとの鉄筋、本数または"
        "ピッチ、かぶり（総厚を入力した部材はその値も）です。報告書のページは、一つずつ"
        "印刷するときとまったく同じで、単位も報告書の表記（KN など）のままです。部材の応力度照査のページは、設計条件と"
        "同じく N/cm²、cm² と書きます。"));
    book.paragraph(QStringLiteral("表紙などに印刷する内容は、%1の%2で入力します。入力した内容は Tavrelファイルに保存されます（%3）。")
                       .arg(quoted_caption(flume::words::print_menu), quoted_caption(flume::words::settings_entry),
                            ref(QStringLiteral("Tavrelファイル (.tvl)/部材の応力度照査と計算書の設定のデータ"))));
    book.table({{QStringLiteral("計算書の設定の項目"), QStringLiteral("印刷するところ")},
                {
                    {screen(QStringLiteral("工事名")),
                     QStringLiteral("表紙、各ページの上（長いときは小さくし、入らなければ「…」で省きます）、PDF の題名"
                                    "「工事名 構造計算書」、PDF保存で示すファイル名。")},
                    {screen(QStringLiteral("施設名・路線名")), QStringLiteral("表紙の工事名の下。")},
                    {screen(QStringLiteral("発注者")), QStringLiteral("表紙。")},
                    {screen(QStringLiteral("設計者（会社名）・（担当者）")), QStringLiteral("表紙に 2 行で。PDF の作成者。")},
                    {screen(QStringLiteral("作成日")),
                     QStringLiteral("表紙。「印刷する日」にチェックがある間は、印刷した日を和暦（令和8年12月8日）で印刷します。"
                                    "日付を入力するか、チェックを外すと、その日付に決まります。")},
                    {screen(QStringLiteral("適用基準")), QStringLiteral("設計条件の初めのページ。")},
                    {screen(QStringLiteral("備考")), QStringLiteral("表紙。")},
                }});
    book.paragraph(QStringLiteral(
        "画面を開かずに、Tavrelファイルから報告書や構造計算書の PDF を作ることもできます（%1）。")
                       .arg(ref(QStringLiteral("コマンドライン"))));
}

} // namespace book
