// 数値の扱い: how field text becomes a number (and where Morvik reads a whole text), how results are
// rounded and shown, and the conversion to N and N·cm. The examples are read and formatted by the
// programs' own code, so the tables show what the programs do.
#include "book/book_chapters.h"

#include "common/messages.h"
#include "common/number_format.h"
#include "common/numeric_reading.h"
#include "rcstress/quantities.h"
#include "rcstress/section_stress.h"

namespace book {

void write_numbers_chapter(BookLayout &book)
{
    book.chapter(QStringLiteral("数値の扱い"));
    book.heading(QStringLiteral("数値の読み方"));
    book.paragraph(QStringLiteral(
        "入力欄の文字は、計算のたびに数値として読み直されます。空白は無視し、先頭から数値として読める部分だけを読み、"
        "その後ろの文字（単位など）は無視します。数値として読めない文字や空欄は 0 と読みます。全角で入力した数字も"
        "読めます。小数点はパソコンの地域の設定にかかわらず「.」です。3 桁ごとに「,」で区切った数（1,000,000）は"
        "そのまま読みます。"));
    QStringList whole_fields;
    for (const rcstress::InputReading &reading : rcstress::input_readings) {
        if (reading.whole_text)
            whole_fields.append(quoted(rcstress::quantity(reading.field).caption));
    }
    book.paragraph(QStringLiteral(
        "Tavrel のすべての計算と、Morvik の M、S、U はこの読み方をします。Morvik の%1だけは、欄の文字全体が一つの"
        "数値でなければならず、後ろに単位などが付いていると%2になります（右の欄）。")
                       .arg(whole_fields.join(u'、'), quoted(common::message::missing_input)));
    Table reading{{QStringLiteral("入力した文字"), QStringLiteral("読み取る値"), QStringLiteral("Morvik の As・b・d"),
                   QStringLiteral("備考")},
                  {}};
    const struct {
        QString typed;
        QString remark;
    } samples[] = {
        {QStringLiteral("1.5"), QString()},
        {QStringLiteral("1 200"), QStringLiteral("数字の間の空白は無視します")},
        {QStringLiteral("20cm"), QStringLiteral("単位の文字は無視します")},
        {QStringLiteral("30度"), QString()},
        {QStringLiteral("１２．５"), QStringLiteral("全角の数字と小数点")},
        {QStringLiteral(".5"), QString()},
        {QStringLiteral("1e2"), QStringLiteral("指数の形")},
        {QStringLiteral("1,000,000"), QStringLiteral("3 桁ごとの「,」")},
        {QStringLiteral("1,5"), QStringLiteral("それ以外の「,」で数値は終わります")},
        {QStringLiteral("abc"), QStringLiteral("数値として読めない")},
        {QString(), QString()},
    };
    for (const auto &sample : samples) {
        double whole = 0;
        const bool is_whole = common::read_whole_number(sample.typed, &whole);
        const double value = common::read_number(sample.typed);
        const QString morvik = is_whole && value != 0 ? QStringLiteral("読める")
                                                      : quoted(common::message::missing_input);
        reading.rows.append({sample.typed.isEmpty() ? QStringLiteral("（空欄）") : code(sample.typed),
                             common::default_number_text(value), morvik, sample.remark});
    }
    book.table(reading);
    book.paragraph(QStringLiteral(
        "空欄と 0 は同じ 0 と読まれるので、必要な値が空欄のときも 0 のときも、同じメッセージ%1になります。"
        "どの値を受け付けないかは、各章の入力の表のとおりです。")
                       .arg(quoted(common::message::missing_input)));

    book.heading(QStringLiteral("結果の丸めと表示"));
    book.paragraph(QStringLiteral(
        "結果は量ごとに決まった桁数で表示します。表示する桁はすべて示し（0.30 を 0.3 とはしません）、その下の桁で"
        "四捨五入します。負の値も絶対値で四捨五入します（0 から遠い方へ丸めます）。桁区切りの「,」は付けません。"));
    Table rounding{{QStringLiteral("計算した値"), QStringLiteral("表示の桁"), QStringLiteral("表示")}, {}};
    const ExampleRun run = run_chain();
    const struct {
        double value;
        common::NumberPattern pattern;
    } rounded[] = {
        {0.2973, common::NumberPattern::TwoDecimals},  {2.345, common::NumberPattern::TwoDecimals},
        {-2.345, common::NumberPattern::TwoDecimals},  {19.05, common::NumberPattern::OneDecimal},
        {5.8005, common::NumberPattern::ThreeDecimals}, {-0.0004, common::NumberPattern::ThreeDecimals},
        {175.5, common::NumberPattern::Whole},
    };
    for (const auto &r : rounded) {
        const QString shown = common::format_number(r.value, r.pattern);
        rounding.rows.append({common::default_number_text(r.value), shown_decimals(shown), shown});
    }
    book.table(rounding);
    book.heading(QStringLiteral("表示された値で計算を続ける"));
    book.paragraph(QStringLiteral(
        "計算の途中の段階や後のページの計算は、丸める前の値ではなく表示された値を使います。例えば計算例の主働土圧では"
        " KA は %1 と表示され、PA はこの %1 から計算します。ページを開いたときに左欄に転記されるのも表示された文字です。"
        "手計算で確かめるときは、表示された値を使ってください（例外は各章の計算式の説明にあります）。浮上りの Fs と"
        "支持力の qmax の合否だけは、丸める前の値で判定します（%2、%3）。")
                       .arg(run.sheet[flume::Field::ka], ref(QStringLiteral("浮上りに対する検討/判定と結果の扱い")),
                            ref(QStringLiteral("基礎地盤支持力の検討/判定と結果の扱い"))));
    book.heading(QStringLiteral("N と N·cm への換算"));
    const flume::ConvertedCompanion *shear = flume::converted_companion(flume::Field::case1_wall_shear);
    const flume::ConvertedCompanion *moment = flume::converted_companion(flume::Field::case1_wall_moment);
    book.paragraph(QStringLiteral(
        "ケース.1～3 のせん断力（kN）は 1000 倍して N に、曲げモーメント（kN·m）は 1000 倍してさらに 100 倍して "
        "N·cm に換算し、報告書に並べて印刷します。Morvik の入力の単位です。換算は表示された値から行い、余分な 0 や"
        "小数点は付けません。計算例のケース.1 では Sso = %1 kN → %2 N、Mso = %3 kN·m → %4 N·cm です。")
                       .arg(run.sheet[shear->result], run.sheet[shear->converted], run.sheet[moment->result],
                            run.sheet[moment->converted]));
}

} // namespace book
