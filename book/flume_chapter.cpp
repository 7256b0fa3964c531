// The chapters of the five calculation pages: what the page does, a figure of its inputs, the
// assumptions behind its formulas, the values it is given from earlier pages, its inputs with what
// its buttons check, the formulas worked with the example's values, the acceptance criteria, and
// the example's results as the window shows them.
#include "book/book_chapters.h"

#include "book/set_lines.h"
#include "common/messages.h"
#include "common/number_format.h"
#include "common/numeric_reading.h"
#include "flume/calculations.h"
#include "flume/captions.h"
#include "flume/page_chain.h"

#include <functional>

namespace book {

using F = flume::Field;
using flume::Page;

namespace {

// What is particular to each chapter; every value it names is computed from the worked example.
struct ChapterText {
    QStringList intro;
    Picture figure;
    QString figure_caption;
    QStringList assumptions;
    QStringList formula_notes;  // one per worked formula of the chapter, in order
    std::function<QStringList()> criteria;
    std::function<QStringList(const ExampleRun &)> example_remarks;
};

QString number(double value, common::NumberPattern pattern) { return common::format_number(value, pattern); }

double value_of(const ExampleRun &run, F field) { return common::read_number(run.sheet[field]); }

QString messages_of(const ExampleRun &run)
{
    QStringList all;
    for (const QString &text : run.messages)
        all.append(quoted(text));
    return all.join(u'、');
}

ChapterText earth_pressure_text(const FlumeChapter &chapter)
{
    const QList<Calculation> press = chapter.calculations();
    return {
        {QStringLiteral("%1のページでは、クーロンの土圧式により、側壁の背面に働く主働土圧を求めます。壁背面の傾き θ、"
                        "地表面の傾き i、壁面摩擦角 δ を考慮でき、地表面には等分布の載荷重 q を載せられます。%2を押すと "
                        "KA、PA、PAV、PV が表示され、%3のページボタンが使えるようになります。PV は浮上り・支持力の"
                        "ページとケース.1 で、KA はケース.1 とケース.3 で使われます。")
             .arg(quoted(flume::page_caption(Page::EarthPressure)), quoted_caption(common::words::calculate),
                  quoted(flume::page_caption(Page::UpliftBearing)))},
        Picture::EarthPressureDiagram,
        QStringLiteral("主働土圧の記号"),
        {
            QStringLiteral("土は粘着力のない土とし、平面のすべり面で切り取られる土くさびのつり合い（クーロン）から"
                           "主働土圧を求めます。地震時の土圧は考えません。"),
            QStringLiteral("奥行き 1 m あたりで計算します。PA は、土の重さによる三角形分布の土圧と、載荷重 q による"
                           "一様な土圧の合力です。"),
            QStringLiteral("壁面摩擦角 δ は入力されたとおりに使います。画面の%1と%2は δ の選び方の目安で、"
                           "プログラムはこの条件を確かめません。")
                .arg(quoted(QStringLiteral("※θ＜84度の時は　δ＝φ")), quoted(QStringLiteral("（2/3～1.0）×φ"))),
            QStringLiteral("壁高 H は形状寸法の値です。PV は両側壁の分を 2 倍して 1/2 を掛ける形の式ですが、値は PAV "
                           "と同じで、側壁 1 枚に働く鉛直荷重です。"),
        },
        {
            QStringLiteral("角度は度で入力し、計算では 3.1415926/180 を掛けてラジアンに直します。KA は小数 2 桁に"
                           "丸めて表示され、後の計算はこの表示された値を使います。"),
            QStringLiteral("KA には表示された値を使います。"),
            QStringLiteral("鉛直な壁（θ = 90 度）では PA·sin δ です。"),
            QStringLiteral("両側壁の分をまとめた形の式ですが、値は PAV と同じです。"),
        },
        [press] {
            const ExampleRun steep = run_page(Page::EarthPressure, press, {{F::ground_slope, QStringLiteral("35")}});
            const ExampleRun no_height = run_page(Page::EarthPressure, press, {{F::wall_height, QString()}});
            return QStringList{
                QStringLiteral("このページには合否の判定はありません。入力が受け付けられれば結果が表示されます。"),
                QStringLiteral("地表面の傾き i が内部摩擦角 φ より大きいと、式の根号の中が負になり計算できません。"
                               "計算例で i = 35 とすると%1と表示され、結果は空欄になります。θ = δ のときも、"
                               "分母が 0 になるので同じです。")
                    .arg(messages_of(steep)),
                QStringLiteral("壁高 H は確かめません。H が空欄のときも KA = %1 は求まり、PA = %2、PAV = %3、PV = %4 "
                               "になります。")
                    .arg(no_height.sheet[F::ka], no_height.sheet[F::pa], no_height.sheet[F::pav], no_height.sheet[F::pv]),
            };
        },
        [](const ExampleRun &run) {
            const double theta = value_of(run, F::wall_inclination) * 3.1415926 / 180;
            const double phi = value_of(run, F::repose_angle) * 3.1415926 / 180;
            const double delta = value_of(run, F::wall_friction_angle) * 3.1415926 / 180;
            const double slope = value_of(run, F::ground_slope) * 3.1415926 / 180;
            const double root = std::sqrt(std::sin(phi + delta) * std::sin(phi - slope)
                                          / (std::sin(theta - delta) * std::sin(theta + slope)));
            const double ka = std::pow(std::sin(phi + theta), 2)
                              / (std::pow(root + 1, 2) * std::pow(std::sin(theta), 2) * std::sin(theta - delta));
            return QStringList{QStringLiteral("丸める前の KA は %1 ですが、PA の計算には表示された %2 が使われます。")
                                   .arg(number(ka, common::NumberPattern::FourDecimals), run.sheet[F::ka])};
        },
    };
}

ChapterText uplift_text(const FlumeChapter &chapter)
{
    const QList<Calculation> press = chapter.calculations();
    return {
        {QStringLiteral("%1のページの上半分です。外水位（地下水位）が底版の下面より高いと、空の水路には浮力が働きます。"
                        "水路の自重と、側壁に働く土圧の鉛直成分 Pv の和が浮力に対して十分に大きいことを、安全率 Fs "
                        "で確かめます。下半分の支持力の検討とは別の計算で、どちらを先に押してもかまいません。")
             .arg(quoted(flume::page_caption(Page::UpliftBearing)))},
        Picture::ShapeInputDiagram,
        QStringLiteral("形状寸法と外水位の高さ H1"),
        {
            QStringLiteral("水路は空（内水なし）とし、外水位は底版の下面から H1 の高さにあるとします。"),
            QStringLiteral("浮力は、底版の外幅 B + 2·T2 の上に H1 の高さの水が押し上げる力 H1·γw·(B + 2·T2) です。"),
            QStringLiteral("水路の自重は奥行き 1 m あたりの断面積 Ac に γsc を掛けたものです（%1）。")
                .arg(ref(QStringLiteral("断面寸法の設計/断面積"))),
            QStringLiteral("抵抗する力には、自重のほかに土圧の鉛直成分 Pv を 1 回だけ加えます（支持力の検討では 2 回"
                           "加えます）。側壁の上に載る土の重さや、土と側壁の摩擦は考えません。"),
        },
        {QStringLiteral("分子は抵抗する力、分母は浮力です。")},
        [press] {
            const ExampleRun light = run_page(Page::UpliftBearing, press, {{F::flume_unit_weight, QStringLiteral("1")}});
            const ExampleRun dry = run_page(Page::UpliftBearing, press, {{F::outer_water_height, QStringLiteral("0")}});
            const QString limit = common::default_number_text(flume::required_uplift_safety);
            return QStringList{
                QStringLiteral("丸める前の Fs が %1 より大きいとき合格で、Fs を小数 2 桁で表示します（%1 ちょうどは"
                               "不合格）。表示は丸めた値なので、%2 と表示されても合格のことがあります（丸める前が 1.201 など）。"
                               "このとき qmax は空欄になり、ケース.1～3 の結果も消えます。")
                    .arg(limit, quoted(QStringLiteral("Fs≦ 1.20"))),
                QStringLiteral("Fs ≦ %1 のときは%2と表示し、Fs と qmax を空欄にします（例：γsc = 1）。水路を重く"
                               "するか、浮上り防止の対策を検討してください。")
                    .arg(limit, messages_of(light)),
                QStringLiteral("H1 が 0 以下のときは浮力が働かないので、%1と表示します。").arg(messages_of(dry)),
                QStringLiteral("合否にかかわらず、浮上りの%1の後はケース.1～3 のページボタンが使えなくなります。続けるには"
                               "支持力の%1をもう一度押します。")
                    .arg(quoted_caption(common::words::calculate)),
            };
        },
        {},
    };
}

ChapterText bearing_text(const FlumeChapter &chapter)
{
    const QList<Calculation> press = chapter.calculations();
    return {
        {QStringLiteral("%1のページの下半分です。水を満たした水路の重さと、両側壁に働く土圧の鉛直成分を底版の外幅で割って"
                        "最大地盤反力度 qmax を求め、基礎地盤の許容支持力度 qa 以下であることを確かめます。合格すると"
                        "%2のページボタンが使えるようになります。画面はこの値を%3と示しています。")
             .arg(quoted(flume::page_caption(Page::UpliftBearing)), quoted(flume::page_caption(Page::Case1)),
                  quoted(QStringLiteral("qmax = 最大地盤支持力度（ＫＮ/ｍ2）")))},
        Picture::FlumeSection,
        QStringLiteral("形状寸法"),
        {
            QStringLiteral("水路に天端まで水が満ちた状態とします。水の重さは内空 B × H とし、ハンチの分は差し引きません。"),
            QStringLiteral("水路の自重、水の重さ、両側壁の土圧の鉛直成分 2·Pv が、底版の外幅 B + 2·T2 に一様に伝わる"
                           "とします。外水位による浮力は差し引きません。"),
        },
        {QStringLiteral("浮上りの検討と同じ断面積 Ac を使います。")},
        [press] {
            const ExampleRun weak = run_page(Page::UpliftBearing, press, {{F::allowable_bearing, QStringLiteral("10")}});
            return QStringList{
                QStringLiteral("丸める前の qmax が qa 以下（等しい場合も合格）のとき、qmax を小数 1 桁で表示し、ケース.1 の"
                               "ページボタンが使えるようになります。ケース.1～3 の前の結果は消えます。判定は丸める前の値で"
                               "行うので、丸めると qa と等しくなる qmax は不合格です（qa = 18.9 のとき、qmax = 18.94 は"
                               "表示では 18.9 ですが不合格）。"),
                QStringLiteral("qmax > qa のときは、題名%1で%2と表示し、qmax を空欄にします（例：qa = 10）。底版を広げる"
                               "か、基礎地盤の改良などを検討してください。")
                    .arg(quoted(common::message::bearing_title), messages_of(weak)),
                QStringLiteral("H1 は式に現れませんが、0・空欄は受け付けません（入力の表）。"),
            };
        },
        {},
    };
}

ChapterText case1_text(const FlumeChapter &chapter)
{
    const QList<Calculation> press = chapter.calculations();
    return {
        {QStringLiteral("水路が空で、側壁の外側から土圧、載荷重、地下水圧が働く状態です。a では側壁の天端から深さ h の"
                        "位置の側壁のせん断力 Sso と曲げモーメント Mso を、b では底版反力 WR と、側壁の中心線から距離 X "
                        "の位置の底版のせん断力 Sto と曲げモーメント Mto を求めます。a と b にはそれぞれ%1があり、"
                        "b は a で表示された Mso を使うので a を先に押します。Mso が空欄のとき（a をまだ押していないか、a が"
                        "拒まれたとき）は、b も%3になります。b が求まると%2のページボタンが使えるようになります。"
                        "このページは画面より縦に長いので、右のスクロールバー、PageUp・PageDown キーで動かします。")
             .arg(quoted_caption(common::words::calculate), quoted(flume::page_caption(Page::Case2)),
                  quoted(common::message::missing_input))},
        Picture::Case1LoadDiagram,
        QStringLiteral("ケース.1 の荷重と記号"),
        {
            QStringLiteral("水路は空で、側壁は底版に固定された片持ばりとして、外側の土圧、載荷重、地下水圧を受けます。"),
            QStringLiteral("土圧は主働土圧係数 KA（主働土圧のページの値）に壁面摩擦角 δ' の水平成分 cos δ' を掛けて"
                           "求めます。載荷重 q は深さによらない一様な土圧 q·KA·cos δ' になります。"),
            QStringLiteral("地下水位は側壁の天端から H' − H'1 の深さにあります。それより深い部分では土の重さを水中単位"
                           "体積重量 γws で考え、水圧 γw を加えます。式の {γw − (γt − γws)·KA·cos δ'} の項がその差です。"),
            QStringLiteral("底版は両側壁の中心線の間（間隔 BL）のはりとし、側壁 2 枚の自重（高さ H'）と両側壁の土圧の"
                           "鉛直成分 2·Pv を BL で割った底版反力 WR が、一様に上向きに働くとします。底版の自重は"
                           "それ自身の地盤反力と打ち消し合うので含めません。"),
            QStringLiteral("底版の端には側壁から曲げモーメント Mso が伝わり、距離 X の位置の Mto は Mso から単純ばりの"
                           "モーメントを差し引いたものです。"),
        },
        {
            QStringLiteral("深さ h が地下水位より上（h ≦ H' − H'1）のときのせん断力です。"),
            QStringLiteral("深さ h が地下水位より下（h > H' − H'1）のときは、地下水の項を加えます。"),
            QStringLiteral("地下水位より上のときの曲げモーメントです。"),
            QStringLiteral("地下水位より下のときの曲げモーメントです。"),
            QStringLiteral("側壁 2 枚の自重と土圧の鉛直成分を、側壁の中心間隔 BL で割ります。"),
            QStringLiteral("WR は丸める前の値を使います。"),
            QStringLiteral("Mso は a で表示された値、WR は丸める前の値を使います。"),
        },
        [] {
            return QStringList{
                QStringLiteral("このページには合否の判定はありません。"),
                QStringLiteral("地下水の項を含む式を使うのは h > H' − H'1 のときで、等しいときは含まない式です。"
                               "H'1 が H' より大きい（地下水位が側壁の天端より上）ときは、どの h でも地下水の項を"
                               "含む式になります。報告書には、最後に計算した a で使った式が印刷されます。"),
                QStringLiteral("a を計算し直すと Sto と Mto は空欄になり、ケース.2 とケース.3 のページボタンは使え"
                               "なくなります。WR はそのまま残ります。b をもう一度押してください。"),
                QStringLiteral("せん断力は 1000 倍して N に、曲げモーメントは 1000 × 100 倍して N·cm に換算され、"
                               "報告書に並べて印刷されます。換算は表示された値から行います。%1で、この値を Morvik に"
                               "渡せます。")
                    .arg(quoted_caption(flume::words::tools_menu)),
            };
        },
        [press](const ExampleRun &run) {
            const double groundwater_depth = value_of(run, F::wall_top_to_slab_axis) - value_of(run, F::slab_axis_to_groundwater);
            const QString shallow = number(groundwater_depth / 2, common::NumberPattern::TwoDecimals);
            const ExampleRun dry = run_page(Page::Case1, press, {{F::case1_depth, shallow}});
            return QStringList{
                QStringLiteral("計算例では H' − H'1 = %1 m で、h = %2 m はこれより深いので、a は地下水の項を含む式を"
                               "%3。")
                    .arg(number(groundwater_depth, common::NumberPattern::ThreeDecimals), run.sheet[F::case1_depth],
                         run.sheet.case1_groundwater_formula ? QStringLiteral("使っています") : QStringLiteral("使っていません")),
                QStringLiteral("h = %1 m とすると地下水位より上なので地下水の項のない式になり、Sso = %2 kN、Mso = %3 kN·m "
                               "です。")
                    .arg(shallow, dry.sheet[F::case1_wall_shear], dry.sheet[F::case1_wall_moment]),
            };
        },
    };
}

ChapterText case2_text(const FlumeChapter &)
{
    return {
        {QStringLiteral("水路に水が満ちたときの、側壁と底版の内側の断面力です。側壁の内側には深さ h' までの静水圧が"
                        "働きます。このページで入力するのは h' だけで、γw、X、WR、BL は前のページから受け取ります。"
                        "一つの%1で a（側壁）と b（底版）を計算し、求まると%2のページボタンが使えるようになります。")
             .arg(quoted_caption(common::words::calculate), quoted(flume::page_caption(Page::Case3)))},
        Picture::Case2LoadDiagram,
        QStringLiteral("ケース.2 の荷重と記号"),
        {
            QStringLiteral("水路に水が満ち、外側の土圧と地下水圧は考えません。側壁は底版に固定された片持ばりとして、"
                           "深さ h' までの三角形分布の水圧を受けます。"),
            QStringLiteral("Ms1 は深さ h' での値で、h' を側壁の下端にとれば最大値（節点の値）です。画面の%1はこのことです。")
                .arg(quoted(QStringLiteral("※Ms1は最大値（節点）"))),
            QStringLiteral("底版反力 WR はケース.1 の値をそのまま使い、水の重さは加えません。"),
            QStringLiteral("底版の曲げモーメントには、水圧による側壁の端モーメントを加えます。"),
        },
        {
            QStringLiteral("側壁に働く水圧の合力 Pw です。"),
            QStringLiteral("水圧による曲げモーメント Mw です。"),
            QStringLiteral("WR はケース.1 で表示された値（小数 3 桁）です。"),
            QStringLiteral("Ms1 には表示された値ではなく、γw·h'³/6 を改めて計算した値を使います。"),
        },
        [] {
            return QStringList{
                QStringLiteral("このページには合否の判定はありません。X = BL/2（底版の中央）では St1 = 0 になり、"
                               "X = BL では底版の項が消えて Mt1 は Ms1 と同じになります。"),
                QStringLiteral("WR、X、BL は、このページを開いたときに転記された値です。ケース.1 を計算し直したときは、"
                               "ページボタンを押し直すと新しい値が転記されます。"),
            };
        },
        {},
    };
}

ChapterText case3_text(const FlumeChapter &chapter)
{
    const QList<Calculation> press = chapter.calculations();
    return {
        {QStringLiteral("水路に水が満ち、外側から土圧も働くときの、側壁と底版の内側の断面力です。側壁には水圧から土圧を"
                        "差し引いた力が働きます。このページには入力欄がなく、すべての値を前のページから受け取ります。"
                        "%1を押すと a（側壁）に続いて b（底版）を計算します。")
             .arg(quoted_caption(common::words::calculate))},
        Picture::Case3LoadDiagram,
        QStringLiteral("ケース.3 の荷重と記号"),
        {
            QStringLiteral("側壁の内側には深さ h' までの水圧、外側には同じ深さまでの主働土圧（KA·cos δ'）が働き、"
                           "その差を片持ばりの側壁が受けます。載荷重と地下水は考えません。"),
            QStringLiteral("底版反力 WR はケース.1 の値を使い、底版の端モーメントには a で表示された Ms1 を使います。"),
        },
        {
            QStringLiteral("水圧の項から、土圧の項を差し引きます。"),
            QStringLiteral("同じく曲げモーメントです。"),
            QStringLiteral("ケース.2 と同じ式です。"),
            QStringLiteral("Ms1 には a で表示された値（小数 3 桁に丸めた値）を使います。ケース.2 とは異なります。"),
        },
        [press] {
            const ExampleRun earth = run_page(Page::Case3, press, {{F::carried_3, QStringLiteral("60")}});
            return QStringList{
                QStringLiteral("このページには合否の判定はありません。土圧の項が水圧の項より大きいと Ss1 と Ms1 は負に"
                               "なり、マイナス記号を付けて表示されます（例：γt = 60 のとき Ss1 = %1 kN、Ms1 = %2 kN·m）。"
                               "負の値は、側壁の外側が引張りになることを表します。")
                    .arg(earth.sheet[F::case3_wall_shear], earth.sheet[F::case3_wall_moment]),
                QStringLiteral("b は、WR、BL、X のいずれかが 0 のとき、または a の Ms1 が空欄か 0 と表示されたときは、"
                               "メッセージを出さずに St1 と Mt1 を空欄にします。a で足りない値があれば、そのメッセージは"
                               " a の計算で表示されます。"),
            };
        },
        {},
    };
}

ChapterText chapter_text(const FlumeChapter &chapter)
{
    if (chapter.page == Page::EarthPressure)
        return earth_pressure_text(chapter);
    if (chapter.buttons.first().calculation == flume::check_uplift)
        return uplift_text(chapter);
    if (chapter.buttons.first().calculation == flume::check_bearing)
        return bearing_text(chapter);
    if (chapter.page == Page::Case1)
        return case1_text(chapter);
    if (chapter.page == Page::Case2)
        return case2_text(chapter);
    return case3_text(chapter);
}

// Where a carried value comes from: its quantity on the page that computes or takes it.
QString source_of(flume::Field source)
{
    for (const Quantity &q : shape_dimensions()) {
        if (q.field == source)
            return QStringLiteral("形状寸法の ") + q.symbol;
    }
    for (const FlumeChapter &chapter : flume_chapters()) {
        for (const QList<Quantity> *list : {&chapter.results, &chapter.inputs}) {
            for (const Quantity &q : *list) {
                if (q.field == source)
                    return chapter.title + QStringLiteral("の ") + q.symbol;
            }
        }
    }
    return {};
}

const Quantity *quantity_of(const FlumeChapter &chapter, F field)
{
    for (const QList<Quantity> *list : {&chapter.inputs, &chapter.results}) {
        for (const Quantity &q : *list) {
            if (q.field == field)
                return &q;
        }
    }
    return nullptr;
}

} // namespace

QString shown_decimals(const QString &text)
{
    const qsizetype point = text.indexOf(u'.');
    if (text.isEmpty())
        return {};
    if (point < 0)
        return QStringLiteral("整数");
    return QStringLiteral("小数 %1 桁").arg(text.size() - point - 1);
}

void write_flume_chapter(BookLayout &book, const FlumeChapter &chapter)
{
    const ChapterText text = chapter_text(chapter);
    const ExampleRun run = run_page(chapter.page, chapter.calculations());
    book.chapter(chapter.title);
    for (const QString &paragraph : text.intro)
        book.paragraph(paragraph);
    book.picture(text.figure, text.figure_caption);

    book.heading(QStringLiteral("前提"));
    book.bullets(text.assumptions);

    if (const QList<flume::CarriedSlot> carried = flume::carried_slots(chapter.page); !carried.isEmpty()) {
        book.heading(QStringLiteral("前のページから受け取る値"));
        book.paragraph(QStringLiteral(
            "ページボタンでこのページを開くと、前のページの値がそのままの文字で左欄に転記されます。このページの計算は"
            "転記された値を使います。前のページを計算し直したときは、ページボタンを押し直すと新しい値が転記されます。"));
        Table table{{QStringLiteral("記号"), QStringLiteral("単位"), QStringLiteral("転記元"), QStringLiteral("計算例")}, {}};
        for (const flume::CarriedSlot &slot : carried) {
            // A value the page reads from its own field rather than from the left panel is named by its source.
            const Quantity *q = quantity_of(chapter, slot.slot);
            if (!q)
                q = quantity_of(chapter, slot.source);
            table.rows.append({q ? q->symbol : QString(), q ? q->unit : QString(), source_of(slot.source),
                               run.sheet[slot.slot]});
        }
        book.table(table);
    }

    book.heading(QStringLiteral("入力"));
    book.paragraph(QStringLiteral(
        "数値の読み方は%1のとおりです。右の欄は、%2を押したときに計算が確かめることと、受け付けない値のときに"
        "することです。この欄はプログラムが確かめに使う表から作っています。")
                       .arg(ref(QStringLiteral("数値の扱い")), quoted_caption(common::words::calculate)));
    Table inputs{{QStringLiteral("記号"), QStringLiteral("内容"), QStringLiteral("単位"), QStringLiteral("計算例"),
                  QStringLiteral("確かめること")},
                 {}};
    for (const Quantity &input : chapter.inputs) {
        inputs.rows.append({input.symbol, input.meaning(), input.unit, run.sheet[input.field],
                            input_check_text(chapter, input.field)});
    }
    book.table(inputs);

    book.heading(QStringLiteral("計算式"));
    book.paragraph(QStringLiteral("報告書に印刷されるものと同じ式に、計算例の結果を添えて示します。"));
    int note = 0;
    for (const ChapterButton &button : chapter.buttons) {
        for (const WorkedStep &step : button.formulas) {
            const Quantity *result = quantity_of(chapter, step.result);
            QString explanation = text.formula_notes.value(note++);
            if (!button.name.isEmpty())
                explanation = button.name + QStringLiteral("：") + explanation;
            book.paragraph(explanation);
            // Of Case 1's two formula sets, only the one the calculation used ends in its value.
            const bool groundwater = step.picture == Picture::Case1WallShearGroundwater
                                     || step.picture == Picture::Case1WallMomentGroundwater;
            const bool dry = step.picture == Picture::Case1WallShear || step.picture == Picture::Case1WallMoment;
            const bool used = (!groundwater || run.sheet.case1_groundwater_formula)
                              && (!dry || !run.sheet.case1_groundwater_formula);
            QString value = used ? run.sheet[step.result] : QString();
            if (result && result->unit != QStringLiteral("－") && !value.isEmpty())
                value += u' ' + result->unit;
            book.formula({step.picture, value});
        }
    }

    book.heading(QStringLiteral("判定と結果の扱い"));
    for (const QString &paragraph : text.criteria())
        book.paragraph(paragraph);

    book.heading(QStringLiteral("計算例の結果"));
    book.paragraph(QStringLiteral("%1を押すと、次のように表示されます。").arg(quoted_caption(common::words::calculate)));
    const bool converted = flume::converted_companion(chapter.results.first().field) != nullptr;
    QStringList header{QStringLiteral("記号"), QStringLiteral("内容"), QStringLiteral("表示"), QStringLiteral("単位"),
                       QStringLiteral("表示の桁")};
    if (converted)
        header.append(QStringLiteral("報告書の換算値"));
    Table results{header, {}};
    for (const Quantity &result : chapter.results) {
        QStringList row{result.symbol, result.meaning(), run.sheet[result.field], result.unit,
                        shown_decimals(run.sheet[result.field])};
        if (const flume::ConvertedCompanion *companion = flume::converted_companion(result.field))
            row.append(run.sheet[companion->converted] + (companion->moment ? QStringLiteral(" N·cm") : QStringLiteral(" N")));
        else if (converted)
            row.append(QStringLiteral("－"));
        results.rows.append(row);
    }
    book.table(results);
    if (!run.messages.isEmpty())
        book.paragraph(QStringLiteral("メッセージ：") + messages_of(run));
    if (text.example_remarks) {
        for (const QString &remark : text.example_remarks(run))
            book.paragraph(remark);
    }
}

} // namespace book
