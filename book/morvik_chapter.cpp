// 鉄筋コンクリート応力度の検討: Morvik's window, its inputs with how "計算" reads each, its formulas
// worked with the example, the allowable-stress and bar tables, all computed by Morvik's own
// calculation on the side wall of Case 1 as the worked example's chain leaves it.
#include "book/book_chapters.h"
#include "book/distinct_messages.h"

#include "common/messages.h"
#include "common/number_format.h"
#include "rcstress/quantities.h"
#include "rcstress/section_sheet.h"
#include "rcstress/section_stress.h"

namespace book {

namespace {

using R = rcstress::Field;

const QList<R> inputs = {R::rebar_area, R::unit_width, R::effective_depth, R::bending_moment, R::shear_force,
                         R::rebar_perimeter};
const QList<R> results = {R::steel_ratio,  R::neutral_axis_ratio, R::lever_arm_ratio, R::concrete_stress,
                          R::steel_stress, R::shear_stress,       R::bond_stress};

// A unit as the book's tables write it: "－" for a pure number.
QString unit_of(const rcstress::Quantity &q)
{
    return q.si_unit.isEmpty() ? QStringLiteral("－") : q.si_unit;
}

// The result's number without the unit Morvik writes after it: "175 （N/c㎡） " gives "175".
QString number_of(const QString &text) { return text.section(u' ', 0, 0); }

} // namespace

QList<Symbol> morvik_symbols()
{
    QList<Symbol> symbols;
    for (const rcstress::Quantity &q : rcstress::quantities())
        symbols.append({q.symbol, q.term, unit_of(q)});
    return symbols;
}

void write_morvik_chapter(BookLayout &book, const BookMaterial &material, QStringList &problems)
{
    const MorvikExample example = morvik_example();
    rcstress::SectionSheet sheet;
    for (qsizetype i = 0; i < inputs.size(); ++i)
        sheet.set_text(inputs[i], example.inputs[i]);
    DistinctMessages raised;
    rcstress::compute_section_stress(sheet, raised);
    if (!raised.texts.isEmpty())
        problems.append(QStringLiteral("Morvik の計算例が計算できません：") + raised.texts.join(u' '));

    book.chapter(QStringLiteral("鉄筋コンクリート応力度の検討"));
    book.paragraph(QStringLiteral(
        "Morvik は、単位幅の単鉄筋長方形断面について、曲げとせん断による応力度を計算するプログラムです。ランチャーの"
        "%1から起動します。Tavrel とは別のプログラムで、いくつでも同時に開けます。計算画面の%2で部材を選んで起動すると、"
        "その部材の曲げモーメント M（N·cm）、せん断力 S（N）と単位幅 b = 100 cm が入力され、タイトルバーに部材"
        "（例：ケース.1 側壁）が示されます。As、d、U を入力して%3を押すと、鉄筋比 P、中立軸比 k、アーム長比 j と四つの"
        "応力度が求まり、%4の%5で報告書を印刷できるようになります。")
                       .arg(quoted_caption(flume::words::morvik_button), quoted_caption(flume::words::tools_menu),
                            quoted_caption(common::words::calculate), quoted_caption(common::words::file_menu), quoted_caption(rcstress::words::print_entry)));
    window_figure(book, material, QStringLiteral("morvik"), QStringLiteral("Morvik の画面（計算例）"), problems);

    book.heading(QStringLiteral("前提"));
    book.bullets({
        QStringLiteral("引張側だけに鉄筋のある長方形断面（単鉄筋）で、コンクリートは引張に抵抗しないとします。"),
        QStringLiteral("鉄筋とコンクリートのヤング係数比は n = 15 とし、ひずみは断面内で直線分布とします。"),
        QStringLiteral("M と S は符号を確かめずにそのまま使います。Tavrel の結果が負のときは、絶対値を入力してください。"),
        QStringLiteral("Morvik は合否を判定しません。求めた応力度を、画面の右に示される許容応力度と設計者が比べます。"
                       "フルームの六つの部材は、Tavrel の%1で同じ計算と判定をまとめて行えます。")
            .arg(ref(QStringLiteral("部材の応力度照査"))),
    });

    book.heading(QStringLiteral("入力"));
    Table table{{QStringLiteral("記号"), QStringLiteral("画面の表示"), QStringLiteral("内容"), QStringLiteral("単位"),
                 QStringLiteral("確かめること")},
                {}};
    for (const rcstress::InputReading &reading : rcstress::input_readings) {
        const rcstress::Quantity &q = rcstress::quantity(reading.field);
        QString check = (reading.positive ? QStringLiteral("0 以下・空欄 → %1") : QStringLiteral("0・空欄 → %1"))
                            .arg(quoted(common::message::missing_input));
        if (reading.whole_text)
            check += QStringLiteral("\n数値のほかの文字（単位など）を含む → 同じメッセージ");
        if (!reading.positive)
            check += QStringLiteral("\n負の値はそのまま使う");
        table.rows.append({q.symbol, screen(q.caption), q.term, unit_of(q), check});
    }
    book.table(table);
    book.paragraph(QStringLiteral(
        "As と U は、%1の%2から、単位幅あたりの本数に応じて読み取れます。%3は記号の意味を示します。")
                       .arg(quoted_caption(rcstress::words::help_menu), quoted_caption(rcstress::words::bar_table_entry),
                            quoted_caption(rcstress::words::schematic_entry)));
    book.picture(Picture::Schematic, QStringLiteral("模式図"));

    book.heading(QStringLiteral("計算例の入力"));
    const QString d_text = sheet.text(R::effective_depth);
    book.paragraph(QStringLiteral(
        "計算例は、本書の水路のケース.1 の側壁です。%1で%2を選ぶと、M = %3 N·cm、S = %4 N、b = %5 cm が入力されます。"
        "鉄筋は D13 を単位幅あたり 5 本とし、異形鋼棒断面積表から As = %6 cm²、U = %7 cm です。側壁の厚さは天端の T1 "
        "から下端の T2 まで変わり、深さ h では %8 cm です。かぶり %9 cm、D13 の直径 %10 cm から、有効高さは")
                       .arg(quoted_caption(flume::words::tools_menu), quoted_caption(flume::member_caption(flume::member_forces[0])),
                            sheet.text(R::bending_moment), sheet.text(R::shear_force), sheet.text(R::unit_width),
                            sheet.text(R::rebar_area), sheet.text(R::rebar_perimeter),
                            common::format_number(example.wall_thickness, common::NumberPattern::OneDecimal),
                            common::default_number_text(example.cover))
                       .arg(common::default_number_text(example.bar_diameter)));
    book.code({QStringLiteral("d = %1 − %2 − %3/2 ≒ %4 cm")
                   .arg(common::format_number(example.wall_thickness, common::NumberPattern::OneDecimal),
                        common::default_number_text(example.cover), common::default_number_text(example.bar_diameter), d_text)});
    book.paragraph(QStringLiteral("です（1 mm 未満を切り捨てて小数 1 桁で入力します。切り上げると断面を実際より深く見ることに"
                                  "なります）。"));

    book.heading(QStringLiteral("計算式"));
    book.paragraph(QStringLiteral(
        "鉄筋比 P = As/(b·d) は小数 4 桁に丸めて表示します。k はこの表示された P から、j は表示された k から求めます。"
        "応力度は表示された k と j を使います。σc と σs は整数、τ と τo は小数 2 桁で表示します。計算例では P = %1 です。")
                       .arg(sheet.text(R::steel_ratio)));
    book.formula({Picture::MorvikNeutralAxis, sheet.text(R::neutral_axis_ratio)});
    book.paragraph(QStringLiteral("j = 1 − k/3 = %1。曲げ圧縮応力度 σc、鉄筋の引張応力度 σs、せん断応力度 τ、付着応力度 τo は"
                                  "次のとおりです。")
                       .arg(sheet.text(R::lever_arm_ratio)));
    const std::pair<Picture, R> stresses[] = {
        {Picture::MorvikConcreteStress, R::concrete_stress},
        {Picture::MorvikSteelStress, R::steel_stress},
        {Picture::MorvikShearStress, R::shear_stress},
        {Picture::MorvikBondStress, R::bond_stress},
    };
    for (const auto &[picture, field] : stresses)
        book.formula({picture, number_of(sheet.text(field)) + QStringLiteral(" N/cm²")});

    book.heading(QStringLiteral("計算例の結果"));
    Table values{{QStringLiteral("記号"), QStringLiteral("画面の表示"), QStringLiteral("結果")}, {}};
    for (R result : results)
        values.rows.append({rcstress::quantity(result).symbol, screen(rcstress::quantity(result).caption), sheet.text(result)});
    book.table(values);

    book.heading(QStringLiteral("許容応力度の表"));
    book.paragraph(QStringLiteral(
        "画面と報告書の右側には、比べるための許容応力度の表が示されます（単位 N/cm²）。求めた応力度を設計者が表の値と"
        "比べてください。"));
    book.picture(Picture::AllowableStress1, QStringLiteral("コンクリートの許容圧縮応力度"));
    book.picture(Picture::AllowableStress2, QStringLiteral("鉄筋の許容引張応力度"));
    book.picture(Picture::AllowableStress3, QStringLiteral("コンクリートの許容せん断応力度"));
    book.picture(Picture::AllowableStress4, QStringLiteral("許容付着応力度"));
    book.heading(QStringLiteral("異形鋼棒断面積表"));
    book.paragraph(QStringLiteral(
        "各欄は断面積（cm²）と、かっこ内に周長（cm）の合計です。%1の%2で開きます。報告書には小さい表が「－参考－」と"
        "して印刷されます。")
                       .arg(quoted_caption(rcstress::words::help_menu), quoted_caption(rcstress::words::bar_table_entry)));
    book.picture(Picture::BarTable, QStringLiteral("異形鋼棒断面積表"));

    book.heading(QStringLiteral("メニュー"));
    book.table({{QStringLiteral("メニュー"), QStringLiteral("項目"), QStringLiteral("働き")},
                {
                    {screen_caption(common::words::file_menu), screen_caption(rcstress::words::print_entry),
                     QStringLiteral("報告書の印刷の画面を開きます。τo が表示されているときだけ使えます。")},
                    {QString(), screen_caption(common::words::exit_entry), QStringLiteral("%1と確かめてから閉じます。").arg(quoted(QStringLiteral("終了しますか？")))},
                    {screen_caption(rcstress::words::help_menu), screen_caption(rcstress::words::bar_table_entry), QStringLiteral("異形鋼棒断面積表の画面を開きます。")},
                    {QString(), screen_caption(rcstress::words::schematic_entry), QStringLiteral("記号の模式図の画面を開きます。")},
                }});
}

} // namespace book
