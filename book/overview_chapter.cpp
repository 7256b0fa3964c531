// 概要: what Tavrel checks and what it leaves to the engineer, the chain of pages, the launcher,
// the menus and Morvik.
#include "book/book_chapters.h"

#include "flume/captions.h"
#include "flume/member_forces.h"

namespace book {

void write_overview(BookLayout &book)
{
    book.chapter(QStringLiteral("概要"));
    book.paragraph(QStringLiteral(
        "Tavrel は、地震時を考慮しなくてよいプレキャストＵ型フルーム（鉄筋コンクリート製のＵ字形の水路）の構造計算を"
        "行うプログラムです。水路の断面寸法と、土・水・荷重の条件を入力すると、ページごとに次のことを計算します。"
        "単位は SI 単位（m、KN/m3、KN/m2、KN、KN・m、度）です。"));
    book.heading(QStringLiteral("検討すること"));
    book.bullets({
        QStringLiteral("主働土圧：クーロンの式による、側壁背面の主働土圧係数 KA、主働土圧 PA とその鉛直成分。"),
        QStringLiteral("浮上りに対する検討：空の水路が地下水で浮き上がらないことを、安全率 Fs > 1.2 で確かめます。"),
        QStringLiteral("基礎地盤支持力の検討：水を満たした水路の底版下面の地盤反力 qmax が、許容地盤支持力度 qa 以下"
                       "であることを確かめます。"),
        QStringLiteral("ケース.1：外側から土圧・載荷重・地下水圧が働くときの、側壁と底版のせん断力と曲げモーメント。"),
        QStringLiteral("ケース.2：水路に水が満ちたときの、側壁と底版の内側のせん断力と曲げモーメント。"),
        QStringLiteral("ケース.3：水が満ち、外側から土圧も働くときの、側壁と底版の内側のせん断力と曲げモーメント。"),
    });
    book.heading(QStringLiteral("検討しないこと"));
    book.bullets({
        QStringLiteral("地震時の荷重（地震時の土圧や慣性力）は考慮しません。地震時の検討が必要な水路には使えません。"),
        QStringLiteral("部材の応力度は計算しません。求めた断面力から鉄筋コンクリート断面の応力度を確かめるには、"
                       "Morvik（鉄筋コンクリート応力度の検討）を使います。"),
        QStringLiteral("寸法や鉄筋を決めることはしません。入力された寸法と条件について計算し、その結果を示すだけです。"
                       "結果の採否は設計者が判断してください。"),
    });
    book.heading(QStringLiteral("ページの順序"));
    book.paragraph(QStringLiteral(
        "計算のページは次の順につながっていて、前のページの計算が求まると次のページボタンが使えるようになります。"
        "前のページを計算し直すと、それに続くページの結果は消え、先のページボタンは使えなくなります。"));
    book.table({{2400, 3500, 3600},
                {QStringLiteral("ページ"), QStringLiteral("求めるもの"), QStringLiteral("次のページが使えるようになる条件")},
                {
                    {flume::page_caption(flume::Page::ShapeInput), QStringLiteral("T1、T2、T3、T4、H、H1、B"), QStringLiteral("（主働土圧はいつでも開けます）")},
                    {flume::page_caption(flume::Page::EarthPressure), QStringLiteral("KA、PA、PAV、PV"), QStringLiteral("「計算」で結果が求まったとき")},
                    {flume::page_caption(flume::Page::UpliftBearing), QStringLiteral("Fs、qmax"), QStringLiteral("支持力の「計算」で qmax ≦ qa のとき")},
                    {flume::page_caption(flume::Page::Case1), QStringLiteral("Sso、Mso、WR、Sto、Mto"), QStringLiteral("b の「計算」で結果が求まったとき")},
                    {flume::page_caption(flume::Page::Case2), QStringLiteral("Ss1、Ms1、St1、Mt1"), QStringLiteral("「計算」で結果が求まったとき")},
                    {flume::page_caption(flume::Page::Case3), QStringLiteral("Ss1、Ms1、St1、Mt1"), QStringLiteral("（最後のページ）")},
                }});
    book.paragraph(QStringLiteral(
        "計算画面を開くと「形状寸法入力」の状態で始まり、左欄で七つの形状寸法を入力します。主働土圧のページへ進むと"
        "形状寸法は変更できなくなります。左欄の「形状寸法入力」を押すと最初の状態に戻り、主働土圧の結果が消え、"
        "使えるページボタンは主働土圧だけになります。"));
    book.paragraph(QStringLiteral(
        "入力を書き換えても、計算は自動ではやり直されません。結果が変わるのは「計算」を押したときだけです。"
        "ページを開くと、前のページの値が左欄に写されます（各章の「左欄に写される値」）。"));
    book.heading(QStringLiteral("起動の画面"));
    book.paragraph(QStringLiteral("Tavrel を起動すると、三つのボタンの画面が開きます。Tavrel は同時に一つだけ起動できます。"));
    book.table({{3600, 5900},
                {QStringLiteral("ボタン"), QStringLiteral("働き")},
                {
                    {QStringLiteral("参考図書：「Tavrel」(PDF)"), QStringLiteral("この参考図書を PDF の閲覧ソフトで開きます。")},
                    {QStringLiteral("Quenfor"), QStringLiteral("フルームの計算画面を開きます。開いていれば前面に出します。")},
                    {QStringLiteral("鉄筋コンクリート応力度の検討"), QStringLiteral("Morvik を別のプログラムとして起動します。")},
                }});
    book.paragraph(QStringLiteral(
        "参考図書と Morvik は、Tavrel をインストールしたフォルダーの中の file フォルダーにあるものを使います。そこに"
        "ないときだけ、環境変数 curdir が指すフォルダーの中の file フォルダーを探します。ただし、そのフォルダーと"
        "ファイルが本人か root のもので、ほかの人が書き込めないときに限ります。作業中のフォルダーは探しません。"
        "どこで見つけたかは tavrel --version で確かめられます。"));
    book.heading(QStringLiteral("計算画面のメニュー"));
    book.table({{2400, 3200, 3900},
                {QStringLiteral("メニュー"), QStringLiteral("項目"), QStringLiteral("働き")},
                {
                    {QStringLiteral("ファイル(&F)"), QStringLiteral("開く(&O)"), QStringLiteral("Tavrelファイルの入力を画面に読み込みます。")},
                    {QString(), QStringLiteral("名前を付けて保存(&A)"), QStringLiteral("画面の 25 の入力を Tavrelファイルに保存します。")},
                    {QString(), QStringLiteral("終了(&X)"), QStringLiteral("「終了しますか？」と確かめてから計算画面を閉じます。入力と結果は保存されません。")},
                    {QStringLiteral("プリント(&P)"), QStringLiteral("主働土圧 … ケース . 3"), QStringLiteral("そのページの報告書を印刷します（「印刷」の章）。")},
                    {QStringLiteral("ツール(&T)"), QStringLiteral("鉄筋コンクリート応力度の検討"), QStringLiteral("Morvik を別のプログラムとして起動します。")},
                    {QString(),
                     flume::member_caption(flume::member_forces.front()) + QStringLiteral(" … ")
                         + flume::member_caption(flume::member_forces.back()),
                     QStringLiteral("その部材の曲げモーメント（N・cm）とせん断力（N）、単位巾 b = 100 cm を入れて Morvik を起動します。"
                                    "曲げモーメントとせん断力が両方表示されているときだけ使えます。")},
                    {QStringLiteral("ヘルプ(&H)"), QStringLiteral("Tavrel(PDF)"), QStringLiteral("この参考図書を開きます。")},
                    {QString(), QStringLiteral("バージョン情報"), QStringLiteral("プログラムの名前と版を表示します。")},
                }});
    book.heading(QStringLiteral("Morvik"));
    book.paragraph(QStringLiteral(
        "Morvik は、単位幅の単鉄筋コンクリート断面について、鉄筋量・断面寸法・曲げモーメント・せん断力から応力度を"
        "計算する別のプログラムです（「鉄筋コンクリート応力度の検討」の章）。ケース.1～3 の結果は、せん断力が N、"
        "曲げモーメントが N・cm でも報告書に印刷されます。計算画面の「ツール(&T)」でケースと部材を選ぶと、その値と"
        "単位巾 b = 100 cm が入った Morvik の画面が部材ごとに開きます。As、d、U を入力して「計算」を押してください。"));
}

} // namespace book
