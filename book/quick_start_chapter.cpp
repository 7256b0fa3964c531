// 操作の流れ: the worked example typed into the windows page by page, with pictures of the windows
// as the programs draw them, and printing and saving it.
#include "book/book_chapters.h"

#include "flume/captions.h"
#include "flume/field.h"

namespace book {

namespace {

using F = flume::Field;
using flume::Page;

// "H = 1.0 m", "θ = 90°": a quantity with its value, never broken across lines; a degree sign
// follows its number.
QString with_value(const Quantity &q, const ExampleRun &run)
{
    QString text = q.symbol + QStringLiteral("\u00a0=\u00a0") + run.sheet[q.field];
    if (q.unit == QStringLiteral("°"))
        text += q.unit;
    else if (q.unit != QStringLiteral("－"))
        text += QChar(0xa0) + q.unit;
    return text;
}

// "θ = 90 度、φ = 30 度、…" for the inputs typed on a page: those not typed on an earlier one.
QString typed_on(const QList<Quantity> &inputs, const ExampleRun &run, QList<F> &typed_before)
{
    QStringList typed;
    for (const Quantity &q : inputs) {
        if (flume::kind_of(q.field) != flume::FieldKind::Input || typed_before.contains(q.field))
            continue;
        typed_before.append(q.field);
        typed.append(with_value(q, run));
    }
    return typed.join(u'、');
}

QString shown(const QList<Quantity> &results, const ExampleRun &run)
{
    QStringList values;
    for (const Quantity &q : results)
        values.append(with_value(q, run));
    return values.join(u'、');
}

} // namespace

void window_figure(BookLayout &book, const BookMaterial &material, const QString &name, const QString &caption,
                   QStringList &problems, int width)
{
    const QImage image = material.windows.value(name);
    if (image.isNull()) {
        problems.append(QStringLiteral("画面の図 %1 がありません").arg(name));
        return;
    }
    const double dpi = image.dotsPerMeterX() > 0 ? image.dotsPerMeterX() * 0.0254 : 96;
    // Three quarters of the size the window has on a screen, within the text's width.
    const int natural = int(image.width() * 1440 / dpi * 0.75);
    const int shown = std::min(width > 0 ? width : natural, int(BookLayout::width));
    // 150 dots per inch on paper keep a window's lettering as sharp as the screen shows it; more only
    // makes the file larger.
    const int pixels = shown * 150 / 1440;
    book.image(pixels < image.width() ? image.scaledToWidth(pixels, Qt::SmoothTransformation) : image, shown, caption);
}

void write_quick_start(BookLayout &book, const BookMaterial &material, QStringList &problems)
{
    const ExampleRun run = run_chain();
    const FlumeChapter &earth = chapter_of(Page::EarthPressure);
    const FlumeChapter &uplift = flume_chapters()[1];
    const FlumeChapter &bearing = flume_chapters()[2];
    const FlumeChapter &case1 = chapter_of(Page::Case1);
    const FlumeChapter &case2 = chapter_of(Page::Case2);
    const FlumeChapter &case3 = chapter_of(Page::Case3);

    QList<F> typed;
    book.chapter(QStringLiteral("操作の流れ"));
    book.paragraph(QStringLiteral(
        "本書の計算例の水路を、画面で順に計算する手順です。画面の図は、この版の Tavrel と Morvik が計算例を入力して"
        "描いたものです。各ページの計算の内容は、それぞれの章で説明します。"));

    book.heading(QStringLiteral("起動と形状寸法"));
    book.steps({QStringLiteral("Tavrel を起動すると、ランチャーが開きます。%1を押すと、フルームの計算画面が開きます。")
                    .arg(quoted_caption(flume::words::flume_button))});
    window_figure(book, material, QStringLiteral("launcher"), QStringLiteral("ランチャー"), problems);
    book.steps({QStringLiteral("計算画面は%1の状態で開きます。左欄の%2に、下の図を参考にして形状寸法を入力します："
                               "%3。")
                    .arg(quoted(flume::page_caption(Page::ShapeInput)), quoted(QStringLiteral("形状寸法（共通）")),
                         typed_on(shape_dimensions(), run, typed))},
               2);
    window_figure(book, material, QStringLiteral("flume-shape-input"), QStringLiteral("形状寸法を入力した計算画面"), problems);

    book.heading(QStringLiteral("主働土圧"));
    book.steps({QStringLiteral("%1のページボタンを押し、%2 を入力して%3を押します。%4 が表示されます。")
                    .arg(quoted(flume::page_caption(Page::EarthPressure)), typed_on(earth.inputs, run, typed),
                         quoted_caption(common::words::calculate), shown(earth.results, run))},
               3);
    window_figure(book, material, QStringLiteral("flume-earth-pressure"), QStringLiteral("主働土圧のページ"), problems);

    book.heading(QStringLiteral("浮上り・支持力"));
    book.steps({QStringLiteral("%1のページボタンを押し、%2 を入力します。上の%3を押すと %4、下の%3を押すと %5 が"
                               "表示されます。")
                    .arg(quoted(flume::page_caption(Page::UpliftBearing)), typed_on(bearing.inputs, run, typed),
                         quoted_caption(common::words::calculate), shown(uplift.results, run), shown(bearing.results, run))},
               4);
    window_figure(book, material, QStringLiteral("flume-uplift-bearing"), QStringLiteral("浮上り・支持力のページ"), problems);

    book.heading(QStringLiteral("ケース.1～3"));
    book.steps({QStringLiteral("%1のページボタンを押し、%2 を入力します。a の%3を押してから、b の%3を押します。"
                               "このページは縦に長いので、右のスクロールバーで下の部分を表示します。")
                    .arg(quoted(flume::page_caption(Page::Case1)), typed_on(case1.inputs, run, typed), quoted_caption(common::words::calculate))},
               5);
    window_figure(book, material, QStringLiteral("flume-case1"), QStringLiteral("ケース.1 のページ（上の部分）"), problems);
    window_figure(book, material, QStringLiteral("flume-case1-lower"), QStringLiteral("ケース.1 のページ（下の部分）"), problems);
    book.steps({QStringLiteral("%1のページボタンを押し、%2 を入力して%3を押します。")
                    .arg(quoted(flume::page_caption(Page::Case2)), typed_on(case2.inputs, run, typed), quoted_caption(common::words::calculate)),
                QStringLiteral("%1のページボタンを押し、%2を押します。このページに入力はありません。%3 が表示されます。")
                    .arg(quoted(flume::page_caption(Page::Case3)), quoted_caption(common::words::calculate), shown(case3.results, run))},
               6);
    window_figure(book, material, QStringLiteral("flume-case2"), QStringLiteral("ケース.2 のページ"), problems);
    window_figure(book, material, QStringLiteral("flume-case3"), QStringLiteral("ケース.3 のページ"), problems);

    book.heading(QStringLiteral("印刷と保存"));
    book.steps({QStringLiteral("%1から印刷するページを選ぶと、印刷の画面が開きます。%2で印刷し、%3で画面に、%4で PDF "
                               "ファイルにします（%5）。")
                    .arg(quoted_caption(flume::words::print_menu), quoted_caption(common::words::print), quoted_caption(common::words::preview),
                         quoted_caption(common::words::save_pdf), ref(QStringLiteral("印刷"))),
                QStringLiteral("%1の%2で、入力を Tavrelファイルに保存します。%3で読み込むと、入力が元に戻ります"
                               "（計算はしないので、各ページの%4を押し直します）。")
                    .arg(quoted_caption(common::words::file_menu), quoted_caption(flume::words::save_as_entry),
                         quoted_caption(flume::words::open_entry), quoted_caption(common::words::calculate))},
               8);
}

} // namespace book
