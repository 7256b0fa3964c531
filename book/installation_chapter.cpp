// インストールと起動: installing and removing the Debian package, what it puts where, and the ways of
// starting the programs.
#include "book/book_chapters.h"

#include "common/program_title.h"

namespace book {

void write_installation_chapter(BookLayout &book)
{
    const QString package = QStringLiteral("tavrel_%1_amd64.deb").arg(common::version_number);
    book.chapter(QStringLiteral("インストールと起動"));
    book.paragraph(QStringLiteral(
        "Tavrel と Morvik は Debian 12 用のパッケージ %1 として配られます（amd64 の場合の名前です）。"
        "パッケージには二つのプログラム、この参考図書、デスクトップのメニュー項目とアイコン、Tavrelファイル"
        "（.tvl）のファイルの種類が入っています。")
                       .arg(code(package)));
    book.heading(QStringLiteral("インストール"));
    book.paragraph(QStringLiteral("端末で、パッケージのあるフォルダーに移り、管理者の権限で次のように入力します。"
                                  "足りないパッケージ（日本語のフォント、Qt のライブラリなど）も一緒にインストールされます。"));
    book.code({QStringLiteral("sudo apt install ./%1").arg(package)});
    book.paragraph(QStringLiteral(
        "参考図書を開くには PDF の閲覧ソフトが必要です。パッケージは evince、okular などの閲覧ソフトを推奨して"
        "いるので、通常は一緒にインストールされます。閲覧ソフトがないときは、ランチャーの参考図書のボタンを押すと"
        "そのことを知らせます（%1）。")
                       .arg(ref(QStringLiteral("メッセージ一覧"))));
    book.heading(QStringLiteral("インストールされるもの"));
    book.table({{QStringLiteral("場所"), QStringLiteral("内容")},
                {
                    {code(QStringLiteral("/usr/bin/tavrel")), QStringLiteral("Tavrel を起動するコマンド（%1 へのリンク）")
                                                                  .arg(code(QStringLiteral("/usr/lib/tavrel/tavrel")))},
                    {code(QStringLiteral("/usr/bin/morvik")), QStringLiteral("Morvik を起動するコマンド（%1 へのリンク）")
                                                                  .arg(code(QStringLiteral("/usr/lib/tavrel/file/morvik")))},
                    {code(QStringLiteral("/usr/lib/tavrel/")), QStringLiteral("プログラム本体")},
                    {code(QStringLiteral("/usr/lib/tavrel/file/Tavrel.pdf")), QStringLiteral("この参考図書（ランチャーとヘルプのメニューが開くもの）")},
                    {code(QStringLiteral("/usr/share/doc/tavrel/")), QStringLiteral("この参考図書、著作権表示、変更履歴")},
                    {code(QStringLiteral("/usr/share/man/man1/")), QStringLiteral("tavrel と morvik のマニュアル（%1）")
                                                                       .arg(code(QStringLiteral("man tavrel")))},
                    {code(QStringLiteral("/usr/share/man/ja/man1/")), QStringLiteral("同じマニュアルの日本語版（日本語の環境で %1）")
                                                                          .arg(code(QStringLiteral("man tavrel")))},
                    {code(QStringLiteral("/usr/share/applications/")), QStringLiteral("デスクトップのメニュー項目（Tavrel、Morvik）")},
                    {code(QStringLiteral("/usr/share/mime/packages/tavrel.xml")), QStringLiteral("ファイルの種類「Tavrelファイル」（*.tvl）")},
                }});
    book.paragraph(QStringLiteral(
        "Tavrel は Morvik と参考図書を、まず Tavrel 自身のフォルダーの下の %1 から探します。そこにないときだけ、環境変数 "
        "curdir が指すフォルダーの下の %1 を探します。ただし、そのフォルダーとファイルが本人か root のもので、ほかの人が"
        "書き込めないときに限ります。作業中のフォルダーは探しません。%2 で、それぞれをどこに見つけたかが表示されます。")
                       .arg(code(QStringLiteral("file/")), code(QStringLiteral("tavrel --version"))));
    book.heading(QStringLiteral("削除"));
    book.paragraph(QStringLiteral("次のように入力すると、このパッケージが入れたもの（前の表のもの）が削除されます。"));
    book.code({QStringLiteral("sudo apt remove tavrel")});
    book.paragraph(QStringLiteral(
        "インストールのときに一緒に入った日本語のフォントや Qt のライブラリは残ります。ほかに使うものがなければ、"
        "続けて %1 と入力すると削除されます。")
                       .arg(code(QStringLiteral("sudo apt autoremove"))));
    book.paragraph(QStringLiteral(
        "保存した Tavrelファイルと PDF は削除されません。ファイルの画面が最後に使ったフォルダーは利用者ごとに "
        "%1 と %2 に記録されています。不要なら、利用者ごとに %3 のフォルダーを削除してください。")
                       .arg(code(QStringLiteral("~/.config/Tavrel/Tavrel.conf")), code(QStringLiteral("~/.config/Tavrel/Morvik.conf")),
                            code(QStringLiteral("~/.config/Tavrel/"))));
    book.heading(QStringLiteral("起動"));
    book.bullets({
        QStringLiteral("デスクトップのメニューの%1を選ぶか、端末で %2 と入力すると、ランチャーが開きます（%3）。")
            .arg(quoted(QStringLiteral("Tavrel")), code(QStringLiteral("tavrel")), ref(QStringLiteral("画面とメニュー/ランチャー"))),
        QStringLiteral("Tavrelファイルをダブルクリックするか、%1 と入力すると、フルームの計算画面がそのファイルの入力で"
                       "開きます。")
            .arg(code(QStringLiteral("tavrel ファイル.tvl"))),
        QStringLiteral("Tavrel は同時に一つだけ起動できます。起動中にもう一度起動すると、%1と示し、%2を押すと起動中の"
                       "Tavrel が前面に出ます。ファイルを指定したときはメッセージなしで、起動中の Tavrel がそのファイルを"
                       "開きます。保存していない変更があれば、先に%3と確かめます。")
            .arg(quoted(QStringLiteral("アプリケーションは既に開かれています。")), quoted(QStringLiteral("OK")),
                 quoted(QStringLiteral("変更を保存しますか？"))),
        QStringLiteral("Morvik は、ランチャーのボタン、計算画面の%1、メニューの%2、端末の %3 のどれからでも起動できます。"
                       "Morvik はいくつでも同時に開けます。")
            .arg(quoted_caption(flume::words::tools_menu), quoted(QStringLiteral("Morvik")), code(QStringLiteral("morvik"))),
    });
}

} // namespace book
