// 画面とメニュー: the launcher, the flume window with its page buttons, left panel and menus, the
// version box, closing, and the keyboard.
#include "book/book_chapters.h"

#include "common/program_title.h"
#include "common/window_words.h"
#include "flume/captions.h"
#include "flume/member_forces.h"

namespace book {

namespace {

// A page button's caption with its access key, as the flume window is built from it.
QString button_caption(flume::Page page)
{
    return common::with_access_key(flume::page_caption(page), flume::page_access_key(page));
}

} // namespace

void write_windows_chapter(BookLayout &book, const BookMaterial &material, QStringList &problems)
{
    using flume::Page;
    book.chapter(QStringLiteral("画面とメニュー"));

    book.heading(QStringLiteral("ランチャー"));
    book.paragraph(QStringLiteral(
        "Tavrel を起動すると開く、三つのボタンの画面です（%1）。ランチャーを閉じても、開いている計算画面はそのまま"
        "使えます。")
                       .arg(ref(QStringLiteral("操作の流れ/起動と形状寸法"))));
    book.table({{QStringLiteral("ボタン"), QStringLiteral("働き")},
                {
                    {screen_caption(flume::words::book_button), QStringLiteral("この参考図書を PDF の閲覧ソフトで開きます。")},
                    {screen_caption(flume::words::flume_button), QStringLiteral("フルームの計算画面を開きます。開いていれば前面に出します。")},
                    {screen_caption(flume::words::morvik_button), QStringLiteral("Morvik を別のプログラムとして起動します。")},
                }});

    book.heading(QStringLiteral("計算画面"));
    book.paragraph(QStringLiteral(
        "題名が%1の画面です。上に五つのページボタン、左に形状寸法と前のページから受け取った値の欄（左欄）、右に"
        "開いているページが並びます。使えないページボタンは薄く表示されます。押したページボタンは、そのページが"
        "開いている間、押された形で表示されます。")
                       .arg(quoted(common::program_title)));
    book.bullets({
        QStringLiteral("入力欄は白です。計算の結果の欄は、結果が表示されている間は白、空欄の間はボタンと同じ灰色です。"
                       "結果の欄と左欄の転記された値は書き換えられません。"),
        QStringLiteral("左欄の%1を押すと、形状寸法を入力する最初の状態に戻ります。主働土圧の結果は消え、使えるページボタン"
                       "は%2だけになります。")
            .arg(quoted_caption(flume::page_caption(flume::Page::ShapeInput)), quoted(flume::page_caption(Page::EarthPressure))),
        QStringLiteral("%1のページは縦に長いので、右端のスクロールバーかマウスのホイールで動かします。キーボードでは、"
                       "PageUp・PageDown で画面一つ分、↑・↓ で 1 行、Ctrl + Home・Ctrl + End で一番上と一番下に動きます。"
                       "ページを開くと一番上から表示され、%2で求まった結果は見える位置まで動きます。")
            .arg(quoted(flume::page_caption(Page::Case1)), quoted_caption(common::words::calculate)),
        QStringLiteral("入力欄で Enter キーを押しても計算はしません。ボタンにフォーカスがあるときは、Enter キーで"
                       "そのボタンが押されます。"),
    });

    book.heading(QStringLiteral("メニュー"));
    QStringList members;
    for (const flume::MemberForces &member : flume::member_forces)
        members.append(screen(flume::member_caption(member)));
    book.table({{QStringLiteral("メニュー"), QStringLiteral("項目"), QStringLiteral("働き")},
                {
                    {screen_caption(common::words::file_menu), screen_caption(flume::words::open_entry),
                     QStringLiteral("Tavrelファイルの入力を画面に読み込みます。計算はしません（%1）。").arg(ref(QStringLiteral("Tavrelファイル (.tvl)")))},
                    {QString(), screen_caption(flume::words::save_as_entry),
                     QStringLiteral("画面の 25 の入力、部材の応力度照査の入力と計算書の設定を Tavrelファイルに保存します。")},
                    {QString(), screen_caption(common::words::exit_entry),
                     QStringLiteral("%1と確かめてから計算画面を閉じます。保存していない変更があるときは、代わりに%2と"
                                    "確かめます。")
                         .arg(quoted(QStringLiteral("終了しますか？")), quoted(QStringLiteral("変更を保存しますか？")))},
                    {screen_caption(flume::words::print_menu),
                     screen(flume::report_title(Page::EarthPressure)) + QStringLiteral(" … ") + screen(flume::report_title(Page::Case3)),
                     QStringLiteral("そのページの報告書の印刷の画面を開きます。そのページが開いていて、最後の結果が表示されている"
                                    "ときだけ使えます（%1）。").arg(ref(QStringLiteral("印刷")))},
                    {QString(), screen(flume::report_title(Page::MemberCheck)),
                     QStringLiteral("部材の応力度照査の報告書の印刷の画面を開きます。応力度の求まった部材があるときだけ使えます。")},
                    {QString(), screen_caption(flume::words::settings_entry),
                     QStringLiteral("構造計算書の表紙などに印刷する工事名、発注者、設計者、作成日などを入力します。")},
                    {QString(), screen_caption(flume::words::document_entry),
                     QStringLiteral("表紙、目次、結果一覧、設計条件と、各ページの報告書をまとめた構造計算書の印刷の画面を開きます（%1）。")
                         .arg(ref(QStringLiteral("印刷/構造計算書")))},
                    {screen_caption(flume::words::tools_menu), screen_caption(flume::words::morvik_entry),
                     QStringLiteral("Morvik を空の画面で起動します。")},
                    {QString(), screen(flume::page_caption(Page::MemberCheck)),
                     QStringLiteral("各部材の応力度を照査する画面を開きます（%1）。")
                         .arg(ref(flume::page_caption(Page::MemberCheck)))},
                    {QString(), members.join(u'\n'),
                     QStringLiteral("その部材の曲げモーメント（N·cm）とせん断力（N）、単位幅 b = 100 cm を入力した Morvik を起動"
                                    "します。曲げモーメントとせん断力が両方表示されているときだけ使えます。")},
                    {screen_caption(flume::words::help_menu), screen_caption(flume::words::book_entry), QStringLiteral("この参考図書を開きます。")},
                    {QString(), screen_caption(flume::words::version_entry), QStringLiteral("プログラムの名前と版を表示します。")},
                }});
    book.paragraph(QStringLiteral(
        "メニューの文字のかっこの中の英字は、Alt キーと一緒に押すとそのメニューを開くキーです（%1は Alt + F）。"
        "開いたメニューでは、項目のかっこの中の英字か下線の付いた文字（部材の項目の頭の数字など）を押すと、その項目を"
        "選べます。ページボタンと%2も、かっこの中の英字か下線の付いた数字を Alt キーと一緒に押すと押せます（%3は"
        " Alt + A、%4は Alt + 1）。")
                       .arg(quoted_caption(common::words::file_menu), quoted_caption(button_caption(Page::ShapeInput)),
                            quoted_caption(button_caption(Page::EarthPressure)), quoted(flume::page_caption(Page::Case1))));

    book.heading(QStringLiteral("バージョン情報と終了"));
    book.paragraph(QStringLiteral(
        "%1はプログラムの名前と版を示します。開いている間は計算画面を操作できません。%2で閉じます。")
                       .arg(quoted_caption(flume::words::version_entry), quoted_caption(common::words::ok)));
    window_figure(book, material, QStringLiteral("about-box"), QStringLiteral("バージョン情報"), problems);
    book.paragraph(QStringLiteral(
        "計算画面を閉じるときは、%1（題名%2）と確かめます。%3を選ぶと、入力と結果はそのまま残ります。"
        "開いたときか保存したときから入力、部材の応力度照査の入力か計算書の設定を変えていると、代わりに%4（題名%5）と"
        "確かめます。%6で保存してから、%3で保存せずに閉じ、%7で画面に戻ります。%8で別のファイルを開くときと、"
        "起動中の Tavrel にファイルが渡されたときも、同じように確かめます。計算の結果は保存されません。")
                       .arg(quoted(QStringLiteral("終了しますか？")), quoted(QStringLiteral("終了確認")), quoted_caption(common::words::no),
                            quoted(QStringLiteral("変更を保存しますか？")), quoted(QStringLiteral("保存確認")),
                            quoted_caption(common::words::yes), quoted_caption(common::words::cancel),
                            quoted_caption(flume::words::open_entry)));
}

} // namespace book
