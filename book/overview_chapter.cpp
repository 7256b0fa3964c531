// 概要: what Tavrel checks and what it leaves to the engineer, the chain of pages, and how the book's
// worked example runs through it.
#include "book/book_chapters.h"

#include "common/number_format.h"
#include "flume/calculations.h"
#include "flume/captions.h"

namespace book {

void write_overview(BookLayout &book)
{
    using flume::Page;
    book.chapter(QStringLiteral("概要"));
    book.paragraph(QStringLiteral(
        "Tavrel は、地震時を考慮しなくてよいプレキャストＵ型フルーム（鉄筋コンクリート製のＵ字形の水路）の構造計算を"
        "行うプログラムです。水路の断面寸法と、土・水・荷重の条件を入力すると、ページごとに次のことを計算します。"
        "単位は SI 単位（m、kN、kN/m、kN/m²、kN/m³、kN·m、度）です。画面と報告書は kN を%1と表記しています。")
                       .arg(quoted(QStringLiteral("KN"))));
    book.heading(QStringLiteral("検討すること"));
    book.bullets({
        QStringLiteral("主働土圧：クーロンの式による、側壁の背面の主働土圧係数 KA、主働土圧 PA とその鉛直成分。"),
        QStringLiteral("浮上りに対する検討：空の水路が地下水で浮き上がらないことを、安全率 Fs > %1 で確かめます。")
            .arg(common::default_number_text(flume::required_uplift_safety)),
        QStringLiteral("基礎地盤支持力の検討：水を満たした水路の底版下面の最大地盤反力度 qmax が、許容支持力度 qa 以下で"
                       "あることを確かめます。"),
        QStringLiteral("ケース.1：水路が空で、外側から土圧・載荷重・地下水圧が働くときの、側壁と底版のせん断力と曲げ"
                       "モーメント。"),
        QStringLiteral("ケース.2：水路に水が満ちたときの、側壁と底版のせん断力と曲げモーメント。"),
        QStringLiteral("ケース.3：水が満ち、外側から土圧も働くときの、側壁と底版のせん断力と曲げモーメント。"),
        QStringLiteral("部材の応力度照査：ケース.1～3 の側壁と底版の鉄筋を決め、応力度を許容応力度と比べて判定します（%1）。")
            .arg(ref(QStringLiteral("部材の応力度照査"))),
    });
    book.paragraph(QStringLiteral(
        "一つの鉄筋コンクリート断面の応力度は、Morvik（%1）でも求められます。")
                       .arg(ref(QStringLiteral("鉄筋コンクリート応力度の検討"))));
    book.heading(QStringLiteral("検討しないこと"));
    book.bullets({
        QStringLiteral("地震時の荷重（地震時の土圧や慣性力）は考慮しません。地震時の検討が必要な水路には使えません。"),
        QStringLiteral("寸法や鉄筋を決めることはしません。入力された寸法、鉄筋と条件について計算し、その結果を示すだけです。"
                       "結果の採否は設計者が判断してください。"),
        QStringLiteral("縦断方向（水路の長さ方向）の検討、継手、基礎の沈下は扱いません。計算はすべて奥行き 1 m あたり"
                       "です。"),
    });
    book.heading(QStringLiteral("ページの順序"));
    book.paragraph(QStringLiteral(
        "計算のページは次の順につながっていて、前のページの計算が求まると次のページボタンが使えるようになります。"
        "前のページを計算し直すと、それに続くページの結果は消え、先のページボタンは使えなくなります。"));
    book.table({{QStringLiteral("ページ"), QStringLiteral("求めるもの"), QStringLiteral("次のページが使えるようになる条件")},
                {
                    {screen(flume::page_caption(Page::ShapeInput)), QStringLiteral("T1、T2、T3、T4、H、H1、B（入力）"),
                     QStringLiteral("主働土圧のページはいつでも開ける")},
                    {screen(flume::page_caption(Page::EarthPressure)), QStringLiteral("KA、PA、PAV、PV"),
                     QStringLiteral("結果が求まったとき")},
                    {screen(flume::page_caption(Page::UpliftBearing)), QStringLiteral("Fs、qmax"),
                     QStringLiteral("支持力の検討で qmax ≦ qa のとき")},
                    {screen(flume::page_caption(Page::Case1)), QStringLiteral("Sso、Mso、WR、Sto、Mto"),
                     QStringLiteral("b（底版）の結果が求まったとき")},
                    {screen(flume::page_caption(Page::Case2)), QStringLiteral("Ss1、Ms1、St1、Mt1"),
                     QStringLiteral("結果が求まったとき")},
                    {screen(flume::page_caption(Page::Case3)), QStringLiteral("Ss1、Ms1、St1、Mt1"), QStringLiteral("（最後のページ）")},
                }});
    book.paragraph(QStringLiteral(
        "入力を書き換えても、計算は自動ではやり直されません。結果が変わるのは%1を押したときだけです。ページを"
        "開くと、前のページの値が左欄に転記されます（各章の「前のページから受け取る値」）。")
                       .arg(quoted_caption(common::words::calculate)));
    book.heading(QStringLiteral("この参考図書の計算例"));
    book.paragraph(QStringLiteral(
        "各章の計算例は、一つの水路を形状寸法からケース.3 まで順に計算したものです。入力は%1の表の 25 の値で、"
        "その値を保存したファイルを%2で開けば、同じ結果を画面で確かめられます。本書の計算例の値、メッセージ、"
        "確かめる条件は、すべてこの版のプログラムが本書を作るときに計算したものです。")
                       .arg(ref(QStringLiteral("Tavrelファイル (.tvl)/ファイルの形")), quoted_caption(flume::words::open_entry)));
}

} // namespace book
