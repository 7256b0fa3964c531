// The chapters of the five calculation pages: what the page does, the values it takes over from
// earlier pages, its inputs with what each button does to an empty, zero or negative value, the
// formulas as the reports draw them, the acceptance criteria, and the worked example as the
// calculation computes it.
#include "book/book_chapters.h"

#include "common/messages.h"
#include "common/numeric_reading.h"
#include "flume/page_chain.h"

#include <functional>

namespace book {

using F = flume::Field;

namespace {

struct FormulaText {
    QString explanation;
    QList<Picture> pictures;
};

struct ChapterText {
    QString intro;
    QList<FormulaText> formulas;
    // The acceptance criteria and what follows from each outcome; computed from the example where
    // the text names a computed value or message.
    std::function<QStringList(const FlumeChapter &)> criteria;
    QString example_intro;
    std::function<QStringList(const FlumeChapter &, const ExampleRun &)> example_remarks;
};

QString quoted(const QString &text) { return u'「' + text + u'」'; }

QString quoted(const QStringList &texts)
{
    QStringList all;
    for (const QString &text : texts)
        all.append(quoted(text));
    return all.join(u'、');
}

const QString carried_example_intro = QStringLiteral(
    "浮上り・支持力のページからケース.3 までは、一つの水路を順に計算した例です。主働土圧のページの結果は "
    "KA = 0.30、PV = 2.000、載荷重は q = 10 として、前のページの「計算」を押してからこのページを開いています。");

ChapterText chapter_text(const FlumeChapter &chapter)
{
    using common::message::bearing_exceeded;
    using common::message::bearing_title;
    if (chapter.page == flume::Page::EarthPressure) {
        return {
            QStringLiteral(
                "最初の計算ページです。クーロンの式により、側壁の背面に働く主働土圧を求めます。壁背面が傾き、"
                "地表面が傾斜し、地表に一様な載荷重がある場合に使える式です。「計算」を押すと KA、PA、PAV、PV "
                "が一度に求まり、「浮上り・支持力」のページボタンが使えるようになります。PV は浮上り・支持力のページと"
                "ケース.1 へ、KA はケース.1 とケース.3 へ写されて使われます。"),
            {
                {QStringLiteral("主働土圧係数 KA（クーロン）。角度は度で入力し、計算では 3.1415926/180 を掛けて"
                                "ラジアンに直します。"),
                 {Picture::EarthPressureCoefficient}},
                {QStringLiteral("主働土圧 PA。KA には表示された値（小数2桁に丸めた値）を使います。"),
                 {Picture::ActiveEarthPressure}},
                {QStringLiteral("土圧の鉛直成分 PAV。鉛直な壁（θ = 90 度）では PA × sin δ です。"),
                 {Picture::EarthPressureVertical}},
                {QStringLiteral("PV。両側壁の分を 2 倍して 1/2 を掛けるので、値は PAV と同じです。"),
                 {Picture::VerticalLoad}},
            },
            [](const FlumeChapter &c) {
                return QStringList{
                    QStringLiteral("このページには合否の判定はありません。入力が受け付けられれば結果が表示されます。"
                                   "画面の「※θ＜84度の時は　δ＝φ」と、摩擦角の見出しの「（2/3～1.0）×φ」は入力の目安で、"
                                   "プログラムは δ を入力されたとおりに使い、これらの条件は確かめません。"),
                    QStringLiteral("地表の傾き i が φ より大きいと根号の中が負になり、計算できません。例えば i = 35 "
                                   "とすると")
                        + quoted(run_example(c, {{F::ground_slope, QStringLiteral("35")}}).messages)
                        + QStringLiteral("と表示され、結果は空欄になります。"),
                    QStringLiteral("H は確かめません。H が空欄や 0 のときも KA は求まり、PA、PAV、PV は 0 になります。"),
                };
            },
            QStringLiteral("鉛直な壁、水平な地表、載荷重 10 KN/m2 の例です。"),
            [](const FlumeChapter &, const ExampleRun &) {
                return QStringList{QStringLiteral(
                    "丸める前の KA は約 0.2973 ですが、PA の計算には表示された 0.30 が使われます。")};
            },
        };
    }
    if (chapter.results.first().field == F::uplift_safety_factor) {
        return {
            QStringLiteral(
                "「浮上り・支持力」のページの上半分です。外水位が底版より高いと、空の水路には浮力が働きます。水路の自重と"
                "側壁に働く土圧の鉛直成分 Pv の和が、浮力に対して十分に大きいことを確かめます。上の「計算」で安全率 Fs を"
                "求めます。下半分の支持力の検討とは独立していて、どちらを先に計算してもかまいません。Pv はこのページを"
                "開いたときに主働土圧のページの PV が写されたもので、主働土圧を計算していなければ空欄です。"),
            {{QStringLiteral("断面積（奥行き 1 m あたり）は、平均厚さ (T1 + T2)/2 の側壁 2 枚、外幅 2·T2 + B の底版、"
                             "T4²/2 のハンチ 2 つの和です。これに γsc を掛けたものが水路の自重で、浮力は外水位の高さ "
                             "H1 と外幅から求めます。"),
              {Picture::UpliftSafetyFactor}}},
            [](const FlumeChapter &c) {
                return QStringList{
                    QStringLiteral("Fs > 1.2（1.2 ちょうどは不合格）のとき、Fs を小数2桁で表示します。このとき qmax の"
                                   "欄は空になり、ケース.1～3 の結果も消えます。"),
                    QStringLiteral("Fs ≦ 1.2 のときは")
                        + quoted(run_example(c, {{F::flume_unit_weight, QStringLiteral("1")}}).messages)
                        + QStringLiteral("と表示し、Fs と qmax を空欄にします（例：γsc = 1）。"),
                    QStringLiteral("H1 が 0 以下のときは浮力が働かないので、")
                        + quoted(run_example(c, {{F::outer_water_height, QStringLiteral("0")}}).messages)
                        + QStringLiteral("と表示します。"),
                    QStringLiteral("合否にかかわらず、浮上りの「計算」の後はケース.1～3 のページボタンが使えなくなります。"
                                   "続けるには支持力の「計算」をもう一度押します。"),
                };
            },
            carried_example_intro,
            {},
        };
    }
    if (chapter.results.first().field == F::max_bearing) {
        return {
            QStringLiteral(
                "「浮上り・支持力」のページの下半分です。水を満たした水路の重さと、両側壁に働く土圧の鉛直成分を底版の"
                "外幅で割って、底版下面の最大地盤支持力度 qmax を求め、許容地盤支持力度 qa を超えないことを確かめます。"
                "合格するとケース.1 のページボタンが使えるようになります。"),
            {{QStringLiteral("浮上りの検討と同じ断面積に γsc を掛けた自重に、内空 B × H を満たす水の重さと 2·Pv を"
                             "加え、外幅 B + 2·T2 で割ります。浮上りの検討では Pv を 1 回、支持力の検討では 2 回"
                             "加えます。"),
              {Picture::MaximumGroundReaction}}},
            [](const FlumeChapter &c) {
                return QStringList{
                    QStringLiteral("qmax ≦ qa（等しい場合も合格）のとき、qmax を小数1桁で表示し、ケース.1 の"
                                   "ページボタンが使えるようになります。ケース.1～3 の前の結果は消えます。"),
                    QStringLiteral("qmax > qa のときは、題名") + quoted(bearing_title) + QStringLiteral("で")
                        + quoted(run_example(c, {{F::allowable_bearing, QStringLiteral("10")}}).messages)
                        + QStringLiteral("と表示し、qmax を空欄にします（例：qa = 10）。"),
                    QStringLiteral("H1 は式には現れませんが、空欄や 0 は受け付けません（入力の表を参照）。"),
                };
            },
            carried_example_intro,
            {},
        };
    }
    if (chapter.page == flume::Page::Case1) {
        return {
            QStringLiteral(
                "側壁の外側に土圧、載荷重、地下水圧が働く荷重状態です。a では側壁天端から深さ h の位置の側壁の"
                "せん断力 Sso と曲げモーメント Mso を、b では底版反力 WR と、側壁から距離 X の位置の底版のせん断力 Sto "
                "と曲げモーメント Mto を求めます。a と b にはそれぞれ「計算」があります。b は a で表示された Mso を"
                "使うので、a を先に計算します。b が求まるとケース.2 のページボタンが使えるようになります。"
                "このページは画面より縦に長いので、右のスクロールバーで動かします。"),
            {
                {QStringLiteral("a：深さ h が地下水位より上のとき（h ≦ H' − H'1）。"),
                 {Picture::Case1WallShear, Picture::Case1WallMoment}},
                {QStringLiteral("a：深さ h が地下水位より下のとき（h > H' − H'1）は、地下水圧と、土の重さのうち"
                                "浮力で軽くなる分の違いを加えます。"),
                 {Picture::Case1WallShearGroundwater, Picture::Case1WallMomentGroundwater}},
                {QStringLiteral("b：底版反力 WR は、高さ H' の側壁 2 枚の重さと両側壁の土圧の鉛直成分を、側壁の"
                                "中心間隔 BL で割ったものです。"),
                 {Picture::SlabReaction}},
                {QStringLiteral("b：距離 X の底版のせん断力と曲げモーメント。Mso は a で表示された値、WR は丸める前の"
                                "値を使います。"),
                 {Picture::Case1SlabShear, Picture::Case1SlabMoment}},
            },
            [](const FlumeChapter &) {
                return QStringList{
                    QStringLiteral("地下水の項を含む式を使うのは h > H' − H'1 のときで、等しいときは含まない式です。"
                                   "H'1 が H' より大きい（地下水位が側壁天端より上）ときは、どの h でも地下水の項を"
                                   "含む式になります。報告書には、最後に求まった a の計算で使った式が印刷されます。"),
                    QStringLiteral("a を計算し直すと Sto と Mto は空欄になり、ケース.2 と 3 のページボタンは使えなく"
                                   "なります。WR はそのまま残ります。b をもう一度計算してください。"),
                    QStringLiteral("結果は N（せん断力、× 1000）と N・cm（曲げモーメント、× 1000 × 100）にも換算され、"
                                   "報告書に並べて印刷されます。換算は表示された値から行います。Morvik で断面を"
                                   "検討するときは、「ツール(&T)」からこの値を Morvik に渡せます。"),
                };
            },
            carried_example_intro,
            [](const FlumeChapter &c, const ExampleRun &run) {
                const double hw = common::read_number(run.sheet[F::wall_top_to_slab_axis])
                                  - common::read_number(run.sheet[F::slab_axis_to_groundwater]);
                const ExampleRun dry = run_example(c, {{F::case1_depth, QStringLiteral("0.5")}});
                return QStringList{
                    QStringLiteral("H' − H'1 = %1 で h = %2 はこれより大きいので、a では地下水の項を含む式を"
                                   "使っています%3。")
                        .arg(QString::number(hw, 'f', 2), run.sheet[F::case1_depth],
                             run.sheet.case1_groundwater_formula ? QString() : QStringLiteral("（この例では使っていません）")),
                    QStringLiteral("h = 0.5 とすると h ≦ H' − H'1 なので地下水の項のない式になり、Sso = %1 KN、"
                                   "Mso = %2 KN・m です%3。")
                        .arg(dry.sheet[F::case1_wall_shear], dry.sheet[F::case1_wall_moment],
                             dry.sheet.case1_groundwater_formula ? QStringLiteral("（地下水の項を含む）") : QString()),
                };
            },
        };
    }
    if (chapter.page == flume::Page::Case2) {
        return {
            QStringLiteral(
                "水路に水が満ちたときの内側の断面力です。側壁の内側には深さ h' までの静水圧が働きます。このページで"
                "入力するのは深さ h' だけで、γw、X、WR、BL は前のページから写されます。一つの「計算」で a（側壁内側）"
                "と b（底版内側）を計算し、求まるとケース.3 のページボタンが使えるようになります。Ms1 は節点"
                "（側壁の下端）での最大値です。"),
            {
                {QStringLiteral("a：側壁に働く水圧の合力 Pw と、そのモーメント Mw。"),
                 {Picture::Case2WallShear, Picture::Case2WallMoment}},
                {QStringLiteral("b：距離 X の底版内側。Mt1 には、水圧による側壁のモーメントを表示された Ms1 では"
                                "なく改めて計算して加えます。"),
                 {Picture::Case2SlabShear, Picture::Case2SlabMoment}},
            },
            [](const FlumeChapter &) {
                return QStringList{
                    QStringLiteral("合否の判定はありません。X = BL/2（底版の中央）では St1 = 0 になり、X = BL では"
                                   "底版の項が消えて Mt1 は Ms1 と同じになります。"),
                    QStringLiteral("WR はケース.1 で表示された値（小数3桁）です。ケース.1 を計算し直したときは、"
                                   "ケース.2 のページを開き直すと新しい値が写されます。"),
                };
            },
            carried_example_intro,
            {},
        };
    }
    return {
        QStringLiteral(
            "水路に水が満ち、外側から土圧も働くときの内側の断面力です。側壁には水圧から土圧を差し引いた力が働きます。"
            "このページには入力欄がなく、すべての値が前のページから写されます。「計算」を押すと a（側壁内側）に"
            "続いて b（底版内側）を計算します。"),
        {
            {QStringLiteral("a：水圧による項から、土圧による項（γt、KA、δ'）を差し引きます。"),
             {Picture::Case3WallShear, Picture::Case3WallMoment}},
            {QStringLiteral("b：Mt1 には a で表示された Ms1（小数3桁に丸めた値）を使います。ケース.2 とは"
                            "異なります。"),
             {Picture::Case3SlabShear, Picture::Case3SlabMoment}},
        },
        [](const FlumeChapter &c) {
            const ExampleRun earth = run_example(c, {{F::carried_3, QStringLiteral("60")}});
            return QStringList{
                QStringLiteral("合否の判定はありません。土圧の項が水圧の項より大きいと Ss1 と Ms1 は負になり、"
                               "マイナス記号を付けて表示されます（例：γt = 60 のとき Ss1 = %1 KN、Ms1 = %2 KN・m）。")
                    .arg(earth.sheet[F::case3_wall_shear], earth.sheet[F::case3_wall_moment]),
                QStringLiteral("b は、WR、BL、X のいずれかが 0 のとき、または a の Ms1 が空欄か 0 と表示されたときは、"
                               "メッセージを出さずに St1 と Mt1 を空欄にします。a で足りない値があれば、そのメッセージは"
                               "a が出しています。"),
            };
        },
        carried_example_intro,
        {},
    };
}

void write_example(BookLayout &book, const FlumeChapter &chapter, const ChapterText &text)
{
    const ExampleRun run = run_example(chapter);
    book.heading(QStringLiteral("計算例"));
    book.paragraph(text.example_intro);
    Table inputs{{1500, 2000, 1500}, {QStringLiteral("記号"), QStringLiteral("値"), QStringLiteral("単位")}, {}};
    for (const Quantity &input : chapter.inputs)
        inputs.rows.append({input.symbol, run.sheet[input.field], input.unit});
    book.table(inputs);
    book.paragraph(QStringLiteral("「計算」を押すと、次のように表示されます。"));
    Table results{{1500, 2000, 1500, 1500, 3000},
                  {QStringLiteral("記号"), QStringLiteral("結果"), QStringLiteral("単位"), QStringLiteral("表示"),
                   QStringLiteral("報告書の換算値")},
                  {}};
    for (const Quantity &result : chapter.results) {
        QString converted;
        if (const flume::ConvertedCompanion *companion = flume::converted_companion(result.field))
            converted = run.sheet[companion->converted] + (companion->moment ? QStringLiteral(" N・cm") : QStringLiteral(" N"));
        results.rows.append({result.symbol, run.sheet[result.field], result.unit,
                             shown_decimals(run.sheet[result.field]), converted});
    }
    book.table(results);
    if (!run.messages.isEmpty())
        book.paragraph(QStringLiteral("メッセージ：") + quoted(run.messages));
    if (text.example_remarks) {
        for (const QString &remark : text.example_remarks(chapter, run))
            book.paragraph(remark);
    }
}

} // namespace

QString shown_decimals(const QString &text)
{
    const qsizetype point = text.indexOf(u'.');
    if (text.isEmpty())
        return {};
    if (point < 0)
        return QStringLiteral("整数");
    return QStringLiteral("小数%1桁").arg(text.size() - point - 1);
}

void write_flume_chapter(BookLayout &book, const FlumeChapter &chapter)
{
    const ChapterText text = chapter_text(chapter);
    book.chapter(chapter.title);
    book.paragraph(text.intro);

    if (const QList<flume::CarriedSlot> carried = flume::carried_slots(chapter.page); !carried.isEmpty()) {
        book.heading(QStringLiteral("左欄に写される値"));
        book.paragraph(QStringLiteral(
            "ページボタンでこのページを開くと、前のページの値がそのままの文字で左欄に写されます。このページの計算は"
            "写された値を読みます。前のページを計算し直したときは、ページボタンを押し直すと新しい値が写されます。"));
        Table table{{1500, 1500, 6500}, {QStringLiteral("記号"), QStringLiteral("単位"), QStringLiteral("写し元")}, {}};
        for (const flume::CarriedSlot &slot : carried) {
            // A slot's caption is its symbol, "=", room for the field and the unit: "ｑ =      KN/m2".
            const qsizetype sign = slot.caption.indexOf(u'=');
            table.rows.append({slot.caption.left(sign).trimmed(), slot.caption.mid(sign + 1).trimmed(), slot.note});
        }
        book.table(table);
    }

    book.heading(QStringLiteral("入力"));
    book.paragraph(QStringLiteral(
        "数値の読み方は「数値の扱い」の章のとおりです。右の欄は、計算例の値のうち一つだけを空欄、0、負の値にして"
        "「計算」を押したときに、このプログラムが実際にすることです。"));
    Table inputs{{900, 3900, 1000, 3700},
                 {QStringLiteral("記号"), QStringLiteral("内容"), QStringLiteral("単位"),
                  QStringLiteral("空欄・0・負の値のとき")},
                 {}};
    for (const Quantity &input : chapter.inputs)
        inputs.rows.append({input.symbol, input.meaning, input.unit, rejected_values(chapter, input.field)});
    book.table(inputs);

    book.heading(QStringLiteral("計算式"));
    book.paragraph(QStringLiteral("報告書に印刷されるものと同じ式の図です。"));
    for (const FormulaText &formula : text.formulas) {
        book.paragraph(formula.explanation);
        for (Picture picture : formula.pictures)
            book.picture(picture, 300);
    }

    book.heading(QStringLiteral("判定と結果の扱い"));
    for (const QString &paragraph : text.criteria(chapter))
        book.paragraph(paragraph);

    write_example(book, chapter, text);
}

} // namespace book
