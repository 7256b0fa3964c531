// Tavrelファイル (.tvl): the file's seven lines, written from the worked example by the program's
// own file format, and what opening and saving change.
#include "book/book_chapters.h"

#include "inputfile/file_commands.h"
#include "inputfile/tvl_format.h"

namespace book {

namespace {

// The symbol of an input field as its chapter lists it.
QString symbol_of(flume::Field field)
{
    for (const Quantity &q : shape_dimensions()) {
        if (q.field == field)
            return q.symbol;
    }
    for (const FlumeChapter &chapter : flume_chapters()) {
        for (const Quantity &q : chapter.inputs) {
            if (q.field == field)
                return q.symbol;
        }
    }
    return flume::member_name(field);
}

} // namespace

void write_file_chapter(BookLayout &book)
{
    book.chapter(QStringLiteral("Tavrelファイル (.tvl)"));
    book.paragraph(QStringLiteral(
        "「ファイル(&F)」の「名前を付けて保存(&A)」で、計算画面の 25 の入力をファイルに保存し、「開く(&O)」で読み"
        "込みます。ファイルの種類は「Tavrelファイル(*.tvl)」、拡張子は tvl です。保存するのは入力だけで、結果、"
        "左欄に写された値、開いているページは保存しません。"));
    book.heading(QStringLiteral("ファイルの形"));
    book.paragraph(QStringLiteral(
        "7 行のテキストファイルです。各行には入力欄の文字を、入力されたとおりに「\"」で囲み、「,」で区切って並べます。"
        "行の終わりは CR LF です。空欄は \"\" になります。文字コードは日本語版 Windows と同じ Shift_JIS（CP932）で、"
        "その文字コードで表せない文字を含むときだけ、ファイル全体を UTF-8 で書きます。次の表の右の欄は、計算例の"
        "入力を保存したときの各行です。"));
    QStringList texts;
    const ExampleRun example = run_example(flume_chapters().last());
    for (int i = 0; i < flume::input_count; ++i)
        texts.append(example.sheet[flume::input_field(i)]);
    const QStringList lines = inputfile::format_tvl(texts).split(QStringLiteral("\r\n"));
    Table layout{{700, 4200, 4600}, {QStringLiteral("行"), QStringLiteral("項目"), QStringLiteral("計算例")}, {}};
    int item = 0;
    for (int line = 0; line < inputfile::items_per_line.size(); ++line) {
        QStringList symbols;
        for (int i = 0; i < inputfile::items_per_line[line]; ++i)
            symbols.append(symbol_of(flume::input_field(item++)));
        layout.rows.append({QString::number(line + 1), symbols.join(QStringLiteral("、")), lines.value(line)});
    }
    book.table(layout);
    book.heading(QStringLiteral("開くとき"));
    book.bullets({
        QStringLiteral("読み込んだ文字を、入力したときと同じように 25 の入力欄に入れます。計算はしません。"
                       "前に表示されていた結果はそのまま残るので、「計算」を押し直してください。"),
        QStringLiteral("行の区切りは問いません。項目が 25 より少ないファイルでは、足りない入力欄が空欄になります。"
                       "26 番目からは、部材の応力度照査の入力（その章を参照）だけを読みます。"),
        QStringLiteral("左欄に写された値は、ファイルを開いても変わりません。ページボタンを押し直すと写し直されます。"),
        QStringLiteral("開けないファイルや読めないファイルを選んだときは、入力欄を変えずに「%1」（題名「%2」）と知らせます。")
            .arg(inputfile::message::open_failed, inputfile::message::open_title),
    });
    book.heading(QStringLiteral("保存するとき"));
    book.bullets({
        QStringLiteral("名前に拡張子を付けなかったときは、付けずにそのままの名前で保存します。"),
        QStringLiteral("書き込めなかったときは「%1」（題名「%2」）と知らせます。")
            .arg(inputfile::message::save_failed, inputfile::message::save_title),
        QStringLiteral("同じ名前のファイルがあるときは、置き換えてよいか確かめます。書き込みがすべて終わってから"
                       "置き換えるので、途中で失敗しても前のファイルは残ります。所有者、アクセス権、ACL などの属性も"
                       "前のファイルのままです。"),
        QStringLiteral("ハードリンクのあるファイルや、共有フォルダーにあるほかの人のファイルは、置き換えずにその場で"
                       "書き換えます。書き換える前に元の内容を読み、書き込めなかったときは元に戻します。"),
        QStringLiteral("入力欄の文字は、数値に直さずそのまま保存します（「1,5」や「0.50」もそのまま）。「\"」を含む文字は"
                       "「\"\"」と二つ重ねて書くので、読み込むと元に戻ります。"),
    });
}

} // namespace book
