// 数値の扱い and メッセージ一覧: how field text becomes a number, how results are rounded and shown,
// and every message of the calculations. The examples are read and formatted by the programs' own
// code, so the tables show what the programs do.
#include "book/book_chapters.h"

#include "common/messages.h"
#include "common/number_format.h"
#include "common/numeric_reading.h"

namespace book {

void write_numbers_chapter(BookLayout &book)
{
    book.chapter(QStringLiteral("数値の扱い"));
    book.heading(QStringLiteral("数値の読み方"));
    book.paragraph(QStringLiteral(
        "入力欄の文字は、計算のたびに数値として読み直されます。空白は無視し、先頭から数値として読める部分だけを読み、"
        "その後ろの文字（単位など）は無視します。数値として読めない文字や空欄は 0 と読みます。全角で入力した数字も"
        "読めます。小数点はパソコンの地域の設定にかかわらず「.」です。Tavrel と Morvik のすべての計算が同じ読み方を"
        "します。"));
    Table reading{{3000, 2500, 4000}, {QStringLiteral("入力した文字"), QStringLiteral("読み取る値"), QStringLiteral("備考")}, {}};
    const struct {
        QString typed;
        QString shown;
        QString remark;
    } samples[] = {
        {QStringLiteral("1.5"), QStringLiteral("1.5"), QString()},
        {QStringLiteral("1 200"), QStringLiteral("1 200"), QStringLiteral("数字の間の空白は無視します")},
        {QStringLiteral("30度"), QStringLiteral("30度"), QStringLiteral("単位の文字は無視します")},
        {QStringLiteral("1.5m"), QStringLiteral("1.5m"), QString()},
        {QStringLiteral("１２．５"), QStringLiteral("１２．５"), QStringLiteral("全角の数字と小数点")},
        {QStringLiteral(".5"), QStringLiteral(".5"), QString()},
        {QStringLiteral("1e2"), QStringLiteral("1e2"), QStringLiteral("指数の形")},
        {QStringLiteral("1,234"), QStringLiteral("1,234"), QStringLiteral("「,」の扱い")},
        {QStringLiteral("abc"), QStringLiteral("abc"), QStringLiteral("数値として読めない")},
        {QString(), QStringLiteral("（空欄）"), QString()},
    };
    for (const auto &sample : samples)
        reading.rows.append({sample.shown, common::default_number_text(common::read_number(sample.typed)), sample.remark});
    book.table(reading);
    book.paragraph(QStringLiteral(
        "空欄と 0 は同じ 0 と読まれるので、必要な値が空欄のときも 0 のときも、同じメッセージ「%1」になります。"
        "どの値を受け付けないかは、各章の入力の表のとおりです。")
                       .arg(common::message::missing_input));

    book.heading(QStringLiteral("結果の丸めと表示"));
    book.paragraph(QStringLiteral(
        "結果は量ごとに決まった桁数で表示します。表示する桁はすべて示し（0.30 は 0.3 としません）、その下の桁で"
        "四捨五入します。負の値も絶対値で四捨五入します（0 から遠い方へ丸めます）。桁区切りの「,」は付けません。"));
    Table rounding{{3000, 2500, 4000}, {QStringLiteral("計算した値"), QStringLiteral("表示の桁"), QStringLiteral("表示")}, {}};
    const struct {
        double value;
        common::NumberPattern pattern;
    } rounded[] = {
        {0.2973, common::NumberPattern::TwoDecimals},  {2.345, common::NumberPattern::TwoDecimals},
        {-2.345, common::NumberPattern::TwoDecimals},  {19.0154, common::NumberPattern::OneDecimal},
        {5.8005, common::NumberPattern::ThreeDecimals}, {-0.0004, common::NumberPattern::ThreeDecimals},
        {175.32, common::NumberPattern::Whole},
    };
    for (const auto &r : rounded) {
        const QString shown = common::format_number(r.value, r.pattern);
        rounding.rows.append({common::default_number_text(r.value), shown_decimals(shown), shown});
    }
    book.table(rounding);
    book.heading(QStringLiteral("表示された値で計算を続ける"));
    book.paragraph(QStringLiteral(
        "計算の途中の段階や、後のページの計算は、丸める前の値ではなく表示された値を使います。例えば主働土圧の KA が "
        "0.2973 のとき、表示は 0.30 で、PA はこの 0.30 から計算します。ページを開いたときに左欄へ写されるのも表示"
        "された文字です。手計算で確かめるときは、表示された値を使ってください。"));
    book.heading(QStringLiteral("N と N・cm への換算"));
    book.paragraph(QStringLiteral(
        "ケース.1～3 のせん断力（KN）は 1000 倍して N に、曲げモーメント（KN・m）は 1000 倍してさらに 100 倍して "
        "N・cm に換算し、報告書に並べて印刷します。換算は表示された値から行い、余分な 0 や小数点は付けません。"
        "例：%1 KN → %2 N、%3 KN・m → %4 N・cm、%5 KN・m → %6 N・cm。")
                       .arg(QStringLiteral("5.801"), common::default_number_text(5.801 * 1000), QStringLiteral("2.307"),
                            common::default_number_text(2.307 * 1000 * 100), QStringLiteral("-0.5"),
                            common::default_number_text(-0.5 * 1000 * 100)));
}

void write_messages_chapter(BookLayout &book)
{
    using namespace common::message;
    book.chapter(QStringLiteral("メッセージ一覧"));
    book.paragraph(QStringLiteral(
        "計算のメッセージは、警告の音に続いて「OK」ボタンの付いた画面で表示されます。OK を押すと、そのページの"
        "結果の一部が空欄になり、先のページボタンは使えなくなります。入力欄の文字はそのまま残るので、直して"
        "「計算」を押し直します。"));
    book.table({{3300, 1900, 4300},
                {QStringLiteral("メッセージ"), QStringLiteral("題名"), QStringLiteral("表示されるとき")},
                {
                    {missing_input, input_check_title,
                     QStringLiteral("必要な値が空欄か 0、または負であってはならない値が負のとき（すべての計算）")},
                    {invalid_number, input_check_title,
                     QStringLiteral("入力の組み合わせで計算ができないとき（根号の中が負、0 での割り算など）")},
                    {invalid_number, QStringLiteral("（なし）"), QStringLiteral("浮上りの安全率が Fs ≦ 1.2 のとき")},
                    {no_outer_water, input_check_title, QStringLiteral("浮上りの検討で H1 が 0 以下のとき")},
                    {bearing_exceeded, bearing_title, QStringLiteral("支持力の検討で qmax が qa を超えたとき")},
                }});
    book.paragraph(QStringLiteral(
        "このほか、計算画面を閉じるときに「終了しますか？」（題名「終了確認」）と確かめます。「いいえ」を選ぶと、"
        "入力と結果はそのまま残ります。"));
}

} // namespace book
