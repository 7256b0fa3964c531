// 鉄筋コンクリート応力度の検討: Morvik's inputs with what its "計算" does to an empty, zero or
// negative value, its formulas, the allowable-stress and bar tables, and its worked example, all
// computed by Morvik's own calculation.
#include "book/book_chapters.h"
#include "book/distinct_messages.h"

#include "common/messages.h"
#include "rcstress/field_captions.h"
#include "rcstress/section_sheet.h"
#include "rcstress/section_stress.h"

namespace book {

namespace {

using R = rcstress::Field;

// The section of the worked example: D13 × 8 per metre width would be 10.16 cm²; 10 cm² keeps
// the figures easy to follow by hand.
const QList<std::pair<R, QString>> example = {
    {R::rebar_area, "10"},       {R::unit_width, "100"},  {R::effective_depth, "20"},
    {R::bending_moment, "1000000"}, {R::shear_force, "20000"}, {R::rebar_perimeter, "30"},
};

const QList<R> results = {R::steel_ratio,     R::neutral_axis_ratio, R::lever_arm_ratio, R::concrete_stress,
                          R::steel_stress,    R::shear_stress,       R::bond_stress};

ProbeOutcome probe(R input, const QString &text)
{
    rcstress::SectionSheet sheet;
    for (const auto &[field, typed] : example)
        sheet.set_text(field, field == input ? text : typed);
    DistinctMessages raised;
    rcstress::compute_section_stress(sheet, raised);
    ProbeOutcome outcome{raised.texts, {}};
    if (outcome.messages.isEmpty()) {
        for (R result : results) {
            if (sheet.text(result).isEmpty())
                outcome.empty_results.append(rcstress::field_caption(result));
        }
    }
    return outcome;
}

} // namespace

void write_morvik_chapter(BookLayout &book)
{
    book.chapter(QStringLiteral("鉄筋コンクリート応力度の検討"));
    book.paragraph(QStringLiteral(
        "Morvik は、単位幅の単鉄筋長方形断面について、曲げとせん断による応力度を計算するプログラムです。起動の画面の"
        "「鉄筋コンクリート応力度の検討」から起動します。Tavrel とは別のプログラムです。計算画面の「ツール(&T)」で"
        "ケースと部材を選んで起動すると、曲げモーメント M、せん断力 S と単位巾 b = 100 が入力され、タイトルバーに部材"
        "（例：ケース.1 側壁）が示されます。そのほかは、ケース.1～3 の報告書の N と N・cm の値を入力します。"
        "「計算」を押すと、鉄筋比 P、ヤング係数比 n = 15 のときの中立軸比 k とアーム長比 j、四つの応力度が求まり、"
        "「ファイル(&F)」の「印刷(&P)」で報告書を印刷できるようになります。"));
    book.heading(QStringLiteral("入力"));
    Table inputs{{3300, 1300, 4900}, {QStringLiteral("項目"), QStringLiteral("単位"), QStringLiteral("空欄・0・負の値のとき")}, {}};
    for (const auto &[field, typed] : example) {
        inputs.rows.append({rcstress::field_caption(field), rcstress::unit_caption(field),
                            describe_outcomes(probe(field, QString()), probe(field, QStringLiteral("0")),
                                              probe(field, QStringLiteral("-1")))});
    }
    book.table(inputs);
    book.paragraph(QStringLiteral(
        "鉄筋量 As と鉄筋全周長 U は、ヘルプ(&Q) の「異形鋼棒断面積表」から、単位幅あたりの本数に応じて読み取れます。"
        "「模式図」は記号の意味を示します。"));
    book.picture(Picture::Schematic, 300);

    book.heading(QStringLiteral("計算式"));
    book.paragraph(QStringLiteral(
        "鉄筋比 P ＝ As/(b×d) は小数4桁に丸め、k はこの P から、j は表示された k から求めます。応力度は表示された k と j を"
        "使います。σc と σs は整数、τ と τo は小数2桁で表示します。"));
    book.picture(Picture::MorvikNeutralAxis, 300);
    book.paragraph(QStringLiteral("j ＝ 1 − k/3。曲げ圧縮応力度 σc、曲げ引張応力度 σs、せん断応力度 τ、付着応力度 τo："));
    for (Picture picture : {Picture::MorvikConcreteStress, Picture::MorvikSteelStress, Picture::MorvikShearStress,
                            Picture::MorvikBondStress})
        book.picture(picture, 300);

    book.heading(QStringLiteral("許容応力度の表"));
    book.paragraph(QStringLiteral(
        "画面と報告書の右側には、比べるための許容応力度の表が示されます。Morvik は合否を判定しません。求めた応力度を"
        "設計者が表の値と比べてください。"));
    for (Picture picture : {Picture::AllowableStress1, Picture::AllowableStress2, Picture::AllowableStress3,
                            Picture::AllowableStress4})
        book.picture(picture, 300);
    book.heading(QStringLiteral("異形鋼棒断面積表"));
    book.paragraph(QStringLiteral("各欄は断面積（cm²）と、かっこ内に周長（cm）の合計です。報告書には小さい表が「－参考－」として印刷されます。"));
    book.picture(Picture::BarTable);

    book.heading(QStringLiteral("計算例"));
    rcstress::SectionSheet sheet;
    for (const auto &[field, typed] : example)
        sheet.set_text(field, typed);
    DistinctMessages raised;
    rcstress::compute_section_stress(sheet, raised);
    Table values{{4600, 4900}, {QStringLiteral("項目"), QStringLiteral("値")}, {}};
    for (const auto &[field, typed] : example)
        values.rows.append({rcstress::field_caption(field), sheet.text(field) + u' ' + rcstress::unit_caption(field)});
    for (R result : results)
        values.rows.append({rcstress::field_caption(result), sheet.text(result)});
    book.table(values);
    book.paragraph(QStringLiteral(
        "P は 10 ÷ (100 × 20) = 0.005 で、表示は %1 です。k はこの値から求めて %2、j は %2 から求めて %3 と表示され、"
        "応力度はこの k と j から計算します。")
                       .arg(sheet.text(R::steel_ratio), sheet.text(R::neutral_axis_ratio), sheet.text(R::lever_arm_ratio)));
}

} // namespace book
