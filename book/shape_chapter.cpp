// 断面寸法の設計: the shape-input page, the seven dimensions and where each is used, and the section
// area the uplift and bearing checks use.
#include "book/book_chapters.h"

#include "common/number_format.h"
#include "common/numeric_reading.h"

namespace book {

void write_shape_chapter(BookLayout &book)
{
    using F = flume::Field;
    const ExampleRun example = run_chain();
    book.chapter(QStringLiteral("断面寸法の設計"));
    book.paragraph(QStringLiteral(
        "計算画面は%1の状態で始まります。左欄の%2に、下の図を参考にして水路断面の七つの寸法を m で入力します。"
        "寸法はすべてのページに共通で、主働土圧のページへ進むと変更できなくなります。変えるときは左欄の%1を押して"
        "最初の状態に戻ります（主働土圧の結果は消えます）。")
                       .arg(quoted_caption(flume::page_caption(flume::Page::ShapeInput)), quoted(QStringLiteral("形状寸法（共通）"))));
    book.picture(Picture::ShapeInputDiagram, QStringLiteral("形状寸法入力のページの図"));
    book.heading(QStringLiteral("寸法"));
    Table table{{QStringLiteral("記号"), QStringLiteral("内容"), QStringLiteral("単位"), QStringLiteral("計算例"),
                 QStringLiteral("使うページ")},
                {}};
    for (const Quantity &dimension : shape_dimensions()) {
        QStringList used;
        for (const FlumeChapter &chapter : flume_chapters()) {
            for (const Quantity &input : chapter.inputs) {
                if (input.field == dimension.field && !used.contains(chapter.title))
                    used.append(chapter.title);
            }
        }
        table.rows.append({dimension.symbol, dimension.meaning(), dimension.unit, example.sheet[dimension.field],
                           used.join(u'、')});
    }
    book.table(table);
    book.paragraph(QStringLiteral(
        "このページでは値を確かめません。空欄や 0 の寸法は、その寸法を使うページの%1が見つけて知らせます（各章の"
        "入力の表）。T4 は 0 を入力すればハンチのない断面として計算しますが、空欄のままでは入力されていないものと"
        "して扱います。")
                       .arg(quoted_caption(common::words::calculate)));
    book.heading(QStringLiteral("断面積"));
    const auto value = [&](F f) { return common::read_number(example.sheet[f]); };
    const double area = (value(F::t1) + value(F::t2)) * value(F::wall_height)
                        + value(F::t3) * (2 * value(F::t2) + value(F::inner_width)) + value(F::t4) * value(F::t4);
    book.paragraph(QStringLiteral(
        "浮上りと支持力の検討では、奥行き 1 m あたりの断面積 Ac = (T1 + T2)·H + T3·(2·T2 + B) + T4² を使います。"
        "平均厚さ (T1 + T2)/2 の側壁 2 枚、外幅 2·T2 + B の底版、T4²/2 のハンチ 2 つの和です。計算例の寸法では"
        "次のとおりです。"));
    book.code({QStringLiteral("Ac = (%1 + %2) × %3 + %4 × (2 × %2 + %5) + %6² = %7 m²")
                   .arg(example.sheet[F::t1], example.sheet[F::t2], example.sheet[F::wall_height], example.sheet[F::t3],
                        example.sheet[F::inner_width], example.sheet[F::t4],
                        common::format_number(area, common::NumberPattern::ThreeDecimals))});
    book.heading(QStringLiteral("報告書の断面図"));
    book.paragraph(QStringLiteral("主働土圧と浮上り・基礎地盤支持力の報告書には、寸法の記号を書き入れた次の断面図が印刷されます。"));
    book.picture(Picture::FlumeSection, QStringLiteral("報告書の断面図"));
}

} // namespace book
