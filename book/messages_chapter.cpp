// メッセージ一覧: every message box of both programs with when it appears and what to do, and the
// reasons a file message gives on its second line. The messages are the programs' own texts: those
// of the calculations and the file from their layers, those of the windows as the programs hand
// them to the book. Each must have its explanation here, and each explanation its message.
#include "book/book_chapters.h"

#include "batch/batch_words.h"

#include "common/file_error.h"
#include "common/file_names.h"
#include "common/messages.h"
#include "common/number_format.h"
#include "common/window_words.h"
#include "common/safe_file_write.h"
#include "flume/calculations.h"
#include "flume/captions.h"
#include "inputfile/file_commands.h"
#include "inputfile/tvl_file.h"

#include <cerrno>

namespace book {

namespace {

// What the answers to the question before a read-only file is replaced do.
QString replace_read_only_remedy()
{
    return QStringLiteral("%1で置き換えます（読み取り専用のまま）。%2では何も書きません。")
        .arg(quoted_caption(common::words::yes), quoted_caption(common::words::no));
}

// The notes of a damaged extension and of a section held twice, with a placeholder for what.
QString damaged_extension_message()
{
    return inputfile::message::extension_damaged.arg(QStringLiteral("○○"));
}

QString duplicated_extension_message()
{
    return inputfile::message::extension_duplicated.arg(QStringLiteral("○○"));
}

// The message at start after a file written where it is was left halfway, as both programs give it.
QString recovery_when()
{
    return QStringLiteral("起動したとき、前に動いていたプログラムが、ハードリンクのあるファイルやほかの人のファイルを"
                          "その場で書き換えている途中で終わっていた（強制終了、停電など）とき。2 行目からは、元の内容を残した"
                          "ファイルと、その元のファイルです。一度だけ示されます。");
}

QString recovery_remedy()
{
    return QStringLiteral("元のファイルを開いて確かめ、壊れていれば残したファイルを元の名前にコピーします。残したファイル"
                          "（%1 の中）は、要らなくなったら削除します。")
        .arg(code(QStringLiteral("~/.cache/tavrel")));
}

// When a message appears and what the user does about it.
struct Explanation {
    QString text;
    QString title;  // to tell apart the messages of the same text
    QString when;
    QString remedy;
};

QList<Explanation> explanations()
{
    using namespace common::message;
    const QString limit = common::default_number_text(flume::required_uplift_safety);
    return {
        {missing_input, input_check_title,
         QStringLiteral("%1を押したとき、必要な値が空欄か 0、または負であってはならない値が負のとき。確かめる値は各章の"
                        "入力の表のとおりです。Morvik では六つの入力のどれかが 0 か、As・b・d・U が負か、As・b・d が数値だけでないとき。")
             .arg(quoted_caption(common::words::calculate)),
         QStringLiteral("その値を入力し直して%1を押し直します。前のページから受け取る値が空欄のときは、前のページを"
                        "計算してからページボタンを押し直します。")
             .arg(quoted_caption(common::words::calculate))},
        {invalid_number, input_check_title,
         QStringLiteral("入力は受け付けられたが、値の組み合わせで計算ができないとき（根号の中が負、0 での割り算、けた外れに"
                        "大きい値）。例：地表面の傾き i が内部摩擦角 φ より大きい。"),
         QStringLiteral("値の組み合わせを見直します（i ≦ φ、θ と δ を等しくしない、など）。")},
        {invalid_number, QString(),
         QStringLiteral("浮上りに対する検討で、安全率が Fs ≦ %1 のとき。題名は付けていないので、プログラムの名前が"
                        "示されます。").arg(limit),
         QStringLiteral("水路が浮き上がるおそれがあります。断面を見直すか、浮上り防止の対策を検討します。")},
        {no_outer_water, input_check_title,
         QStringLiteral("浮上りに対する検討で、外水位の高さ H1 が 0 以下のとき。"),
         QStringLiteral("浮力が働かないので、浮上りの検討は不要です。支持力の検討に進みます。")},
        {bearing_exceeded, bearing_title,
         QStringLiteral("基礎地盤支持力の検討で、qmax が qa を超えたとき。"),
         QStringLiteral("底版の幅を広げる、基礎地盤を改良するなどして、qmax ≦ qa となるようにします。")},
        {inputfile::message::open_failed, inputfile::message::open_title,
         QStringLiteral("%1で選んだファイルを読めなかったとき。2 行目にファイルと理由が示されます。入力欄は変わりません。")
             .arg(quoted_caption(flume::words::open_entry)),
         QStringLiteral("理由の表を見て、読めるファイルを選び直します。")},
        {damaged_extension_message(), inputfile::message::open_title,
         QStringLiteral("開いたファイルの 25 の入力の後の続き（部材の応力度照査と計算書の設定のデータ）が壊れていて読めない"
                        "とき。○○は「使用材料のデータ」「部材のデータ」「計算書の設定のデータ」「追加のデータ」のどれかです。"
                        "25 の入力と読めたデータは読み込み、読めなかったものは新しい画面と同じ空の状態になります。"),
         QStringLiteral("部材の応力度照査の画面や計算書の設定で入力し直して保存します。ファイルを手で書き換えたときは、その部分を"
                        "見直します。")},
        {duplicated_extension_message(), inputfile::message::open_title,
         QStringLiteral("開いたファイルの続きに、同じデータ（○○）が二つ以上あるとき（手で書き換えたファイルなど）。"),
         QStringLiteral("画面には最初のものが入ります。ほかは変えずに残し、保存するときにそのまま書き戻します。要らなければ"
                        "ファイルから消します。")},
        {inputfile::message::extension_kept, inputfile::message::open_title,
         QStringLiteral("開いたファイルに、この版の Tavrel では読めない続き（新しい版で保存したデータなど）があるとき。"
                        "壊れた続きもあるときは、このメッセージと前のメッセージが 2 行で示されます。"),
         QStringLiteral("そのまま使えます。読めないデータは変えずに残し、保存するときにそのまま書き戻します。")},
        {QStringLiteral("読み取り専用のファイルです。置き換えますか？"), inputfile::message::save_title,
         QStringLiteral("%1で選んだファイルが読み取り専用のとき。2 行目にファイルが示されます。")
             .arg(quoted_caption(flume::words::save_as_entry)),
         replace_read_only_remedy()},
        {QStringLiteral("読み取り専用のファイルです。置き換えますか？"), QStringLiteral("印刷"),
         QStringLiteral("%1で選んだファイルが読み取り専用のとき。2 行目にファイルが示されます。")
             .arg(quoted_caption(common::words::save_pdf)),
         replace_read_only_remedy()},
        {inputfile::message::save_failed, inputfile::message::save_title,
         QStringLiteral("%1でファイルを書けなかったとき。2 行目にファイルと理由が示されます。"
                        "前からあったファイルはそのまま残ります。")
             .arg(quoted_caption(flume::words::save_as_entry)),
         QStringLiteral("理由の表を見て、書き込めるフォルダーや名前を選び直します。")},
        {QStringLiteral("アプリケーションは既に開かれています。"), QStringLiteral("Tavrel"),
         QStringLiteral("Tavrel が起動しているときに、もう一度起動したとき。"),
         QStringLiteral("%1 を押すと、起動中の Tavrel が前面に出ます。そちらを使います。")
             .arg(common::shown_caption(common::words::ok))},
        {QStringLiteral("Tavrel が既に起動しているかどうかを確かめられませんでした。"), QStringLiteral("Tavrel"),
         QStringLiteral("起動したとき、同時に一つだけ起動するための印（ロックファイル）を、自分の実行時フォルダーにも "
                        "~/.cache/tavrel にも作れなかったとき。2 行目に理由が示されます。"),
         QStringLiteral("理由に示されたフォルダーの所有者と権限を確かめます（ほかの人が書き込めるフォルダーは使いません）。")},
        {QStringLiteral("ファイルが見つかりません。"), QStringLiteral("Tavrel"),
         QStringLiteral("参考図書または Morvik が、探した場所（メッセージに示されます）のどこにもないとき。"),
         QStringLiteral("パッケージをインストールし直します。環境変数 %1 を使うときは、その下の %2 とファイルが"
                        "自分か root のもので、ほかの人が書き込めないことを確かめます。")
             .arg(code(QStringLiteral("curdir")), code(QStringLiteral("file/")))},
        {QStringLiteral("PDFファイルを開けませんでした。"), QStringLiteral("Tavrel"),
         QStringLiteral("参考図書はあるが、PDF の閲覧ソフトを起動できなかったとき、または閲覧ソフトがすぐに失敗して"
                        "終わったとき。"),
         QStringLiteral("PDF の閲覧ソフト（evince、okular など）をインストールします。メッセージに示されたファイルを直接"
                        "開くこともできます。")},
        {QStringLiteral("PDFファイルを表示するプログラムが登録されていません。"), QStringLiteral("Tavrel"),
         QStringLiteral("参考図書を開くとき、デスクトップに PDF ファイルを開くプログラムが決められていないとき。"
                        "「PDFファイルを開けませんでした。」の 2 行目に示され、3 行目に参考図書の場所が示されます。"),
         QStringLiteral("PDF の閲覧ソフト（evince、okular など）をインストールします。メッセージに示されたファイルを直接"
                        "開くこともできます。")},
        {QStringLiteral("プログラムを起動できませんでした。"), QStringLiteral("Tavrel"),
         QStringLiteral("Morvik はあるが、起動できなかったとき。"),
         QStringLiteral("パッケージをインストールし直します。")},
        {QStringLiteral("作業フォルダーが見つかりません。"), QStringLiteral("Tavrel"),
         QStringLiteral("Morvik を起動するとき、環境変数 curdir が存在しないフォルダーを指しているとき。"),
         QStringLiteral("curdir を正しいフォルダーに直すか、指定をやめます。")},
        {QStringLiteral("印刷できませんでした。"), QStringLiteral("印刷"),
         QStringLiteral("%1で報告書をプリンタへ送れなかったとき。2 行目にプリンタの名前、プリンタが一つも設定されて"
                        "いないときは「プリンタが設定されていません。」が示されます。印刷の画面は開いたまま残ります。")
             .arg(quoted_caption(common::words::print)),
         QStringLiteral("プリンタの電源と接続、システムのプリンタの設定を確かめて、もう一度%1を押します。"
                        "%2で PDF にすることもできます。")
             .arg(quoted_caption(common::words::print), quoted_caption(common::words::save_pdf))},
        {QStringLiteral("保存できませんでした。"), QStringLiteral("印刷"),
         QStringLiteral("%1で PDF ファイルを書けなかったとき。2 行目にファイルと理由が示されます。")
             .arg(quoted_caption(common::words::save_pdf)),
         QStringLiteral("理由の表を見て、書き込めるフォルダーや名前を選び直します。")},
        {QStringLiteral("表を読めませんでした。"), batch::words::window_title,
         QStringLiteral("一括計算の画面で開いた表のファイルを読めなかったとき（2 行目にファイルと理由）、または「\"」で"
                        "始まる欄が閉じられていないとき（2 行目にその行と列。その行から後は読めません）。"),
         QStringLiteral("理由の表を見て読めるファイルを選び直すか、表計算ソフトで表を保存し直します。")},
        {QStringLiteral("表の見出しに誤りがあります。"), batch::words::window_title,
         QStringLiteral("%1を押したとき、表の 1 行目に入力の記号でない名前、同じ入力の二つの列、違う単位があるとき。"
                        "2 行目から、その行と列と理由が示されます。何も計算しません。")
             .arg(quoted_caption(batch::words::compute)),
         QStringLiteral("見出しを一括計算の章の表の記号に直します。")},
        {QStringLiteral("計算する行がありません。"), batch::words::window_title,
         QStringLiteral("%1を押したとき、表に見出しの行しかないとき。").arg(quoted_caption(batch::words::compute)),
         QStringLiteral("2 行目から、1 行に 1 基ずつフルームの値を入力します。")},
        {QStringLiteral("基本ファイルを読めませんでした。"), batch::words::window_title,
         QStringLiteral("%1を押したとき、選んだ基本ファイルを読めなかったとき。2 行目にファイルと理由が示されます。")
             .arg(quoted_caption(batch::words::compute)),
         QStringLiteral("理由の表を見て、読める .tvl ファイルを選び直します。")},
        {QStringLiteral("フルームの画面が閉じられています。基本ファイルを選んでください。"), batch::words::window_title,
         QStringLiteral("基本が計算画面の入力のときに%1を押したが、その計算画面が閉じられていたとき。")
             .arg(quoted_caption(batch::words::compute)),
         QStringLiteral("%1で .tvl ファイルを選ぶか、計算画面の%2から開き直します。")
             .arg(quoted_caption(batch::words::choose_base), quoted_caption(flume::words::batch_entry))},
        {QStringLiteral("保存できませんでした。"), batch::words::window_title,
         QStringLiteral("一括計算の画面で表や結果のファイルを書けなかったとき。2 行目にファイルと理由が示されます。前からあった"
                        "ファイルはそのまま残ります。"),
         QStringLiteral("理由の表を見て、書き込めるフォルダーや名前を選び直します。")},
        {QStringLiteral("読み取り専用のファイルです。置き換えますか？"), batch::words::window_title,
         QStringLiteral("一括計算の画面で結果を保存するファイルに、読み取り専用のファイルを選んだとき。2 行目にファイルが"
                        "示されます。"),
         replace_read_only_remedy()},
        {QStringLiteral("ファイルを書き換えている途中でプログラムが終わっていました。元の内容を次のファイルに残してあります。"),
         QStringLiteral("Tavrel"), recovery_when(), recovery_remedy()},
        {QStringLiteral("ファイルを書き換えている途中でプログラムが終わっていました。元の内容を次のファイルに残してあります。"),
         QStringLiteral("Morvik"), recovery_when(), recovery_remedy()},
        {QStringLiteral("終了しますか？"), QStringLiteral("終了確認"),
         QStringLiteral("Morvik の画面を閉じるとき。計算画面では、開いたときか保存したときから入力を変えていないときに"
                        "閉じるとき。"),
         QStringLiteral("%1で閉じます。計算の結果は保存されません。%2で画面に戻ります。")
             .arg(quoted_caption(common::words::yes), quoted_caption(common::words::no))},
        {QStringLiteral("変更を保存しますか？"), QStringLiteral("保存確認"),
         QStringLiteral("計算画面の入力、部材の応力度照査の入力か計算書の設定を、開いたときか保存したときから変えたあとで、"
                        "計算画面を閉じるとき、%1を選んだとき、Tavrel にファイルが渡されたとき。")
             .arg(quoted_caption(flume::words::open_entry)),
         QStringLiteral("%1で保存してから続けます。保存先は最後に開いたか保存したファイルで、まだないときは"
                        "%2の画面で選びます。%3で保存せずに続け、変えた入力は失われます。"
                        "%4で画面に戻り、何も変わりません。")
             .arg(quoted_caption(common::words::yes), quoted_caption(flume::words::save_as_entry),
                  quoted_caption(common::words::no), quoted_caption(common::words::cancel))},
    };
}

struct Reason {
    QString text;
    QString remedy;
};

// What to do about each reason a file message gives, by its text.
QList<Reason> file_reasons()
{
    return {
        {QStringLiteral("ファイルまたはフォルダーが見つかりません。"), QStringLiteral("ファイルの名前と、そのフォルダーがあるかを確かめます。")},
        {QStringLiteral("アクセスが拒否されました。"), QStringLiteral("ファイルやフォルダーの権限を確かめるか、自分のフォルダーを選びます。")},
        {QStringLiteral("ディスクの空き領域が足りません。"), QStringLiteral("不要なファイルを削除して空きを作るか、別のディスクに保存します。")},
        {QStringLiteral("ディスクの使用量の上限に達しました。"), QStringLiteral("不要なファイルを削除するか、管理者に上限を相談します。")},
        {QStringLiteral("読み取り専用のファイルシステムです。"), QStringLiteral("書き込める場所（自分のフォルダーなど）を選びます。")},
        {QStringLiteral("同じ名前のフォルダーがあります。"), QStringLiteral("別の名前を付けます。")},
        {QStringLiteral("ファイル名が長すぎます。"), QStringLiteral("短い名前を付けます。")},
        {QStringLiteral("シンボリックリンクが多すぎるか、循環しています。"), QStringLiteral("リンクの先を確かめるか、リンクでない名前を選びます。")},
        {QStringLiteral("書き込み先のパイプやデバイスを読むプログラムがありません。"), QStringLiteral("読む側のプログラムを先に起動するか、通常のファイルを選びます。")},
        {QStringLiteral("書き込み先のデバイスがありません。"), QStringLiteral("装置の接続を確かめるか、通常のファイルを選びます。")},
        {QStringLiteral("書き込み先のパイプが閉じられました。"), QStringLiteral("読む側のプログラムを確かめます。")},
        {QStringLiteral("ディスクの読み書きに失敗しました。"), QStringLiteral("ディスクや USB メモリの状態を確かめ、別の場所に保存します。")},
        {QStringLiteral("ファイルが大きすぎます。"), QStringLiteral("別のディスクに保存します。")},
        {QStringLiteral("ファイルが使用中です。"), QStringLiteral("そのファイルを使っているプログラムを閉じてから、もう一度行います。")},
        {QStringLiteral("実行中のプログラムのファイルです。"), QStringLiteral("別の名前を付けます。")},
        {QStringLiteral("同じ名前のファイルがあります。"), QStringLiteral("別の名前を付けるか、もう一度行います。")},
        {QStringLiteral("別のドライブにまたがる移動はできません。"), QStringLiteral("もう一度行うか、別のフォルダーに保存します。")},
        {QStringLiteral("開いているファイルが多すぎます。"), QStringLiteral("ほかのプログラムを閉じてから、もう一度行います。")},
        {QStringLiteral("メモリが足りません。"), QStringLiteral("ほかのプログラムを閉じてから、もう一度行います。")},
        {QStringLiteral("ファイルが一時的に使えません。"), QStringLiteral("少し待ってから、もう一度行います。")},
        {QStringLiteral("この場所には書き込めません。"), QStringLiteral("自分のフォルダーなど、通常のフォルダーを選びます。")},
        {QStringLiteral("このファイルシステムではできない操作です。"), QStringLiteral("自分のフォルダーなど、別の場所に保存します。")},
        {QStringLiteral("ネットワーク上のファイルが見えなくなりました。"), QStringLiteral("ネットワークの接続を確かめ、開き直します。")},
        {QStringLiteral("ネットワーク上のファイルの応答がありません。"), QStringLiteral("ネットワークの接続を確かめ、もう一度行います。")},
        {QStringLiteral("書き込みが中断されました。"), QStringLiteral("もう一度行います。")},
        {common::write_reason::earlier_unreadable,
         QStringLiteral("ファイルの読み取りの権限を確かめるか、別の名前で保存します。続けて読めなかった理由が示されます。")},
        {common::write_reason::no_recovery_copy,
         QStringLiteral("続けて残せなかった理由が示されます。%1 の空きや権限を確かめるか、別の名前で保存します。")
             .arg(code(QStringLiteral("~/.cache/tavrel/")))},
        {QString(common::write_reason::earlier_written_back).replace(QStringLiteral("%1"), QStringLiteral("（ファイル）")),
         QStringLiteral("書き込みの理由に続けて示されます。ファイルは元のままです。理由を取り除いてから、もう一度行います。"
                        "残したファイルは要らなければ消します。")},
        {QString(common::write_reason::earlier_kept_in).replace(QStringLiteral("%1"), QStringLiteral("（ファイル）")),
         QStringLiteral("書き込みの理由に続けて示されます。元の内容は示されたファイル（%1 の下）にあるので、必要なら元の"
                        "名前に戻し、別の場所に保存し直します。")
             .arg(code(QStringLiteral("~/.cache/tavrel/")))},
        {common::name_not_utf8_reason, QStringLiteral("UTF-8 の文字だけの名前を付けて保存し直します。")},
        {inputfile::reason::not_a_file, QStringLiteral("Tavrelファイルを選びます（フォルダーや装置のファイルは開けません）。")},
        {inputfile::reason::too_large, QStringLiteral("開くときは、選んだファイルが Tavrelファイルか確かめます。保存するときは、"
                                                      "読めない続き（ほかのプログラムのデータ）を減らします。")},
        {common::read_only_reason, QStringLiteral("コマンドでは --force を付けると置き換えます。読み取り専用のままにしたいときは"
                                                  "別の名前にします。")},
    };
}

} // namespace

void write_messages_chapter(BookLayout &book, const BookMaterial &material, QStringList &problems)
{
    using namespace common::message;
    // Every message the programs have: the calculations' and the file's here, the windows' as handed over.
    QList<WindowMessage> messages = {
        {missing_input, input_check_title, QStringLiteral("Tavrel・Morvik")},
        {invalid_number, input_check_title, QStringLiteral("Tavrel・Morvik")},
        {invalid_number, QString(), QStringLiteral("Tavrel")},
        {no_outer_water, input_check_title, QStringLiteral("Tavrel")},
        {bearing_exceeded, bearing_title, QStringLiteral("Tavrel")},
        {inputfile::message::open_failed, inputfile::message::open_title, QStringLiteral("Tavrel")},
        {damaged_extension_message(), inputfile::message::open_title, QStringLiteral("Tavrel")},
        {duplicated_extension_message(), inputfile::message::open_title, QStringLiteral("Tavrel")},
        {inputfile::message::extension_kept, inputfile::message::open_title, QStringLiteral("Tavrel")},
        {inputfile::message::save_failed, inputfile::message::save_title, QStringLiteral("Tavrel")},
    };
    messages.append(material.window_messages);

    const QList<Explanation> known = explanations();
    const auto explained = [&known](const WindowMessage &message) -> const Explanation * {
        for (const Explanation &e : known) {
            if (e.text == message.text && e.title == message.title)
                return &e;
        }
        return nullptr;
    };

    book.chapter(QStringLiteral("メッセージ一覧"));
    book.paragraph(QStringLiteral(
        "メッセージは、警告の音に続いて%1ボタンの付いた画面で表示されます。計算のメッセージで%1を押すと、そのページの"
        "結果の一部が空欄になり、先のページボタンは使えなくなります。入力欄の文字はそのまま残るので、直して%2を"
        "押し直します。次の表は、この版の Tavrel と Morvik が表示するすべてのメッセージです。")
                       .arg(quoted_caption(common::words::ok), quoted_caption(common::words::calculate)));
    Table table{{QStringLiteral("メッセージ"), QStringLiteral("題名"), QStringLiteral("表示されるとき"), QStringLiteral("対処")}, {}};
    for (const WindowMessage &message : messages) {
        const Explanation *e = explained(message);
        if (!e) {
            problems.append(QStringLiteral("メッセージ「%1」（題名「%2」）の説明がありません").arg(message.text, message.title));
            continue;
        }
        // A box without a title of its own shows the program's name.
        table.rows.append({screen(message.text), screen(message.title.isEmpty() ? message.program : message.title),
                           e->when, e->remedy});
    }
    for (const Explanation &e : known) {
        bool shown = false;
        for (const WindowMessage &message : messages)
            shown = shown || (message.text == e.text && message.title == e.title);
        if (!shown)
            problems.append(QStringLiteral("説明のあるメッセージ「%1」をプログラムは表示しません").arg(e.text));
    }
    book.table(table);

    book.heading(QStringLiteral("ファイルのメッセージの理由"));
    book.paragraph(QStringLiteral(
        "ファイルを開けなかったとき、保存できなかったとき（PDF保存も）のメッセージは、2 行目にファイルの名前と、かっこの"
        "中に理由を示します。理由は次のどれかで、「元の」で始まる理由はほかの理由に続けて示されます。ここにないものは"
        "「ファイルの操作に失敗しました。」に続けて、システムの言葉で示されます。"));
    Table reasons{{QStringLiteral("理由"), QStringLiteral("対処")}, {}};
    const QList<Reason> remedies = file_reasons();
    for (QString text : inputfile::file_message_reasons()) {
        text.replace(QStringLiteral("%1"), QStringLiteral("（ファイル）"));
        QString remedy;
        for (const Reason &reason : remedies) {
            if (reason.text == text)
                remedy = reason.remedy;
        }
        if (remedy.isEmpty())
            problems.append(QStringLiteral("ファイルの理由「%1」の対処がありません").arg(text));
        reasons.rows.append({screen(text), remedy});
    }
    book.table(reasons);
}

} // namespace book
