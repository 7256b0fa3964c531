#include "document/document_data.h"
#include "flume/captions.h"
#include "flume/quantities.h"
#include "members/materials.h"
#include "members/member_check.h"
#include "printing/document_pages.h"
#include "printing/text_measure.h"

namespace printing {

namespace {

using namespace document_layout;

constexpr double title_size = 17;
constexpr double heading_size = 13;
constexpr double text_size = 10.5;
constexpr double row_size = 11;
constexpr int text_left = 700;
constexpr int text_right = 10600;
constexpr int text_line = 340;
constexpr int row_step = 330;
constexpr int symbol_x = 5200;
constexpr int value_right = 7300;
constexpr int unit_x = 7450;
constexpr int note_x = 8500;

const QString degree = QStringLiteral("°");
const QString strength = QStringLiteral("N/mm²");
const QString allowable_stress = QStringLiteral("N/cm²");

// The 25 inputs grouped as the flume window's pages group them, each with the document's term,
// symbol and unit of the catalogue; a page without inputs of its own says what it uses instead.
struct InputGroup {
    flume::Page page;
    QString heading;
    QString note;
};

const QList<InputGroup> &input_groups()
{
    static const QList<InputGroup> groups = {
        {flume::Page::ShapeInput, QStringLiteral("形状寸法"), {}},
        {flume::Page::EarthPressure, flume::page_caption(flume::Page::EarthPressure), {}},
        {flume::Page::UpliftBearing, flume::page_caption(flume::Page::UpliftBearing), {}},
        {flume::Page::Case1, flume::page_caption(flume::Page::Case1), {}},
        {flume::Page::Case2, flume::page_caption(flume::Page::Case2), {}},
        {flume::Page::Case3, flume::page_caption(flume::Page::Case3),
         QStringLiteral("ケース.3 に固有の入力はない。主働土圧係数 KA、水の単位体積重量 γw、ケース.1 の γt、δ'、BL、X、"
                        "底版反力 WR、ケース.2 の h' を用いる。")},
    };
    return groups;
}

const QString structure_text = QStringLiteral(
    "本計算書は、地震時の検討を要しないプレキャスト鉄筋コンクリート製Ｕ型フルームの構造計算書である。"
    "側壁背面に作用する主働土圧をクーロンの式により求め、フルームの浮上りに対する安全率と基礎地盤の支持力を"
    "照査したうえで、次の三つの荷重ケースについて側壁と底版に生じるせん断力と曲げモーメントを求める。"
    "断面力は水路の延長方向 1 m 当たりの値であり、せん断力を kN、曲げモーメントを kN·m で表す。");

const QString member_check_text = QStringLiteral(
    "部材の応力度照査では、各ケースの側壁と底版の照査断面を幅 100 cm の単鉄筋長方形断面とし、コンクリートと"
    "鉄筋の応力度を求めて許容応力度以下であることを確かめる。応力度は N/cm² で表す。");

const QStringList load_cases = {
    QStringLiteral("ケース.1　水路が空のとき。側壁の外側から主働土圧、上載荷重による土圧および地下水圧が作用する。"
                   "側壁は天端から深さ h の断面、底版は側壁から距離 X の断面について求める。底版には、側壁の自重と"
                   "土圧の鉛直成分による地盤反力 WR が作用する。"),
    QStringLiteral("ケース.2　水路が満水のとき。側壁の内側から内水圧が作用し、背面の土圧は考えない。側壁は天端から深さ h' "
                   "の断面、底版は距離 X の断面について、側壁から伝わる曲げモーメントと地盤反力 WR により求める。"),
    QStringLiteral("ケース.3　水路が満水で、背面の土圧も作用するとき。側壁には内水圧から主働土圧を差し引いた荷重が作用する。"
                   "底版はケース.2 と同じ断面について求める。"),
};

// Lays the chapter out from top to bottom on as many pages as it needs.
class ConditionsLayout
{
public:
    explicit ConditionsLayout(const QString &title) : title_(title) { new_page(); }

    QList<ReportPage> pages() const { return pages_; }

    void heading(const QString &text, int room_below)
    {
        if (y_ + 600 + room_below > bottom - 200)
            new_page();
        y_ += 150;
        page().font(heading_size);
        page().text(600, y_, {QStringLiteral("【") + text + QStringLiteral("】")});
        y_ += 450;
    }

    void paragraph(const QString &text, int indent = 0, const QString &mark = {})
    {
        page().font(text_size);
        if (!mark.isEmpty())
            page().text(text_left, y_, {mark});
        for (const QString &line : wrap_text(text, text_size, text_right - text_left - indent)) {
            page().text(text_left + indent, y_, {line});
            y_ += text_line;
        }
        y_ += 80;
    }

    void picture(Picture picture)
    {
        const QSizeF size = natural_size(picture);
        page().picture(picture, centre - int(size.width() / 2), y_);
        y_ += int(size.height()) + 150;
    }

    // A row of texts, each at its x.
    void columns(const QList<std::pair<int, QString>> &cells, double size = row_size)
    {
        page().font(size);
        for (const auto &[x, text] : cells)
            page().text(x, y_, {text});
        y_ += row_step;
    }

    // A quantity: its name, symbol, value as typed and unit, and a note after the unit.
    void row(const QString &name, const QString &symbol, const QString &value, const QString &unit,
             const QString &note = {})
    {
        page().font(row_size);
        page().text(text_left + 100, y_, {name});
        page().text(symbol_x, y_, {symbol});
        const QString shown = value.isEmpty() ? QStringLiteral("未入力") : value;
        page().text(value_right - int(text_width(shown, row_size)), y_, {shown});
        // A degree sign follows its number; other units stand in their column.
        if (!value.isEmpty() && !unit.isEmpty())
            page().text(unit == degree ? value_right + 20 : unit_x, y_, {unit});
        if (!note.isEmpty())
            page().text(note_x, y_, {note});
        y_ += row_step;
    }

private:
    ReportPage &page() { return pages_.last(); }

    void new_page()
    {
        ReportPage page;
        add_flume_border(page);
        page.font(title_size);
        page.text(700, 600, {pages_.isEmpty() ? title_ : title_ + QStringLiteral("（つづき）")});
        pages_.append(page);
        y_ = 1200;
    }

    QString title_;
    QList<ReportPage> pages_;
    int y_ = 0;
};

// The materials and the allowable stresses the member check judges by: the standard term of each,
// the table row it is taken from, and a mark on a value typed over the tables'.
void add_materials(ConditionsLayout &layout, const members::MemberCheckReport &check)
{
    using members::Allowable;
    const std::pair<Allowable, QString> terms[] = {
        {Allowable::Compression, QStringLiteral("コンクリートの許容圧縮応力度")},
        {Allowable::Tension, QStringLiteral("鉄筋の許容引張応力度")},
        {Allowable::Shear, QStringLiteral("コンクリートの許容せん断応力度")},
        {Allowable::Bond, QStringLiteral("コンクリートの許容付着応力度")},
    };
    const members::Materials &materials = check.materials;
    layout.heading(QStringLiteral("材料と許容応力度"), (2 + int(std::size(terms))) * row_step);
    if (const QString unreadable = check.unreadable_status(members::InputPart::Materials); !unreadable.isEmpty()) {
        layout.paragraph(unreadable, 100);
        return;
    }
    layout.row(QStringLiteral("コンクリートの設計基準強度"), QStringLiteral("σck"), materials.concrete_strength, strength);
    layout.row(QStringLiteral("鉄筋の種類"), QString(), members::grade_name(materials.grade), QString());
    for (const auto &[allowable, term] : terms) {
        const QString row = members::allowable_row(materials, allowable);
        layout.row(row.isEmpty() ? term : term + QStringLiteral("（") + row + QStringLiteral("）"),
                   members::allowable_symbol(allowable), check.allowable_texts[std::size_t(allowable)], allowable_stress,
                   members::allowable_typed(materials, allowable) ? QStringLiteral("入力値") : QString());
    }
}

// A member's bars as entered: the bar, the count or pitch as typed with the other worked out beside
// it, or As, U and d typed for the unit width.
QString arrangement(const members::MemberInputs &member)
{
    const auto entered = [](const QString &text) { return text.trimmed().isEmpty() ? QStringLiteral("未入力") : text.trimmed(); };
    if (member.bar == members::typed_bars)
        return QStringLiteral("As %1 cm²、U %2 cm、d %3 cm")
            .arg(entered(member.rebar_area), entered(member.rebar_perimeter), entered(member.effective_depth));
    const QString other = members::other_spacing(member);
    const bool count = member.spacing == members::Spacing::Count;
    const QString count_text = QStringLiteral("%1 本／100 cm"), pitch_text = QStringLiteral("ピッチ %1 mm");
    if (member.spacing_text.trimmed().isEmpty())
        return (count ? QStringLiteral("本数 ") : QStringLiteral("ピッチ ")) + entered(member.spacing_text);
    const QString typed = (count ? count_text : pitch_text).arg(member.spacing_text.trimmed());
    return other.isEmpty() ? typed : typed + QStringLiteral("（") + (count ? pitch_text : count_text).arg(other) + QStringLiteral("）");
}

// Each member's bars, count or pitch and かぶり, and its 総厚 where one is typed over the shape's.
void add_member_bars(ConditionsLayout &layout, const members::MemberCheckInputs &inputs)
{
    constexpr int bar_x = 3000, arrangement_x = 4450, cover_x = 8000, thickness_x = 9300;
    constexpr double size = 10.5;
    layout.heading(QStringLiteral("部材の配筋"), (2 + int(members::member_count)) * row_step);
    layout.columns({{text_left + 100, QStringLiteral("部材")}, {bar_x, QStringLiteral("鉄筋")},
                    {arrangement_x, QStringLiteral("本数・ピッチ")}, {cover_x, QStringLiteral("かぶり")},
                    {thickness_x, QStringLiteral("総厚")}},
                   size);
    const auto centimetres = [](const QString &text) {
        return text.trimmed().isEmpty() ? QStringLiteral("未入力") : text.trimmed() + QStringLiteral(" cm");
    };
    for (std::size_t i = 0; i < members::member_count; ++i) {
        const members::MemberInputs &member = inputs.members[i];
        const bool typed = member.bar == members::typed_bars;
        layout.columns({{text_left + 100, flume::member_title(flume::member_forces[i])},
                        {bar_x, member.bar.isEmpty() ? QStringLiteral("未入力") : member.bar},
                        {arrangement_x, arrangement(member)},
                        {cover_x, typed ? QStringLiteral("－") : centimetres(member.cover)},
                        {thickness_x, typed || member.thickness.isEmpty() ? QStringLiteral("－") : centimetres(member.thickness)}},
                       size);
    }
    layout.paragraph(QStringLiteral("かぶりは鉄筋の表面まで。総厚は形状寸法から求め、入力した部材だけその値を示す。"
                                    "As・U入力の部材は、単位幅の鉄筋量 As、周長 U と有効高 d を入力している。"),
                     100);
}

// The detailing rules (構造細目) every member's bars are held to, with a mark on a value changed
// from the usual one.
void add_detailing(ConditionsLayout &layout, const members::MemberCheckReport &check)
{
    const members::DetailingRules &rules = check.detailing;
    const members::DetailingRules usual;
    layout.heading(QStringLiteral("構造細目"), 4 * row_step);
    if (const QString unreadable = check.unreadable_status(members::InputPart::Detailing); !unreadable.isEmpty()) {
        layout.paragraph(unreadable, 100);
        return;
    }
    for (const members::DetailingEntry &entry : members::detailing_entries) {
        const QString value = rules.*entry.text;
        QString note = QString::fromUtf16(entry.note);
        if (value != usual.*entry.text)
            note = note.isEmpty() ? QStringLiteral("入力値") : note + QStringLiteral("（入力値）");
        layout.row(QString::fromUtf16(entry.caption), QString::fromUtf16(entry.symbol), value,
                   QString::fromUtf16(entry.unit), note);
    }
}

} // namespace

QList<ReportPage> design_conditions(const QString &title, const FlumeSnapshot &sheet,
                                    const members::MemberCheckInputs &member_inputs, const document::DocumentData &data)
{
    const bool with_materials = member_inputs.entered();
    ConditionsLayout layout(title);
    layout.heading(QStringLiteral("構造と荷重ケース"), 4 * text_line);
    layout.paragraph(structure_text);
    for (const QString &load_case : load_cases)
        layout.paragraph(load_case, 300, QStringLiteral("・"));
    if (with_materials)
        layout.paragraph(member_check_text);

    if (!data.standards.trimmed().isEmpty()) {
        layout.heading(QStringLiteral("適用基準"), text_line);
        layout.paragraph(document::one_line(data.standards));
    }

    bool first = true;
    for (const InputGroup &group : input_groups()) {
        const int picture_room = first ? int(natural_size(Picture::FlumeSection).height()) + 150 : 0;
        const QList<flume::Quantity> inputs = flume::inputs_of(group.page);
        layout.heading(group.heading, picture_room + int(inputs.size()) * row_step);
        if (first)
            layout.picture(Picture::FlumeSection);
        first = false;
        for (const flume::Quantity &input : inputs)
            layout.row(input.term, input.printed, sheet[input.field], input.si_unit);
        if (!group.note.isEmpty())
            layout.paragraph(group.note, 100);
    }
    if (with_materials) {
        add_materials(layout, sheet.member_check);
        add_member_bars(layout, member_inputs);
        add_detailing(layout, sheet.member_check);
    }
    return layout.pages();
}

} // namespace printing
