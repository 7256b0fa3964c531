#include "document/document_data.h"
#include "members/materials.h"
#include "printing/document_pages.h"
#include "printing/text_measure.h"

namespace printing {

namespace {

using namespace document_layout;
using flume::Field;

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

const QString metre = QStringLiteral("m");
const QString degree = QStringLiteral("°");
const QString unit_weight = QStringLiteral("kN/m³");
const QString pressure = QStringLiteral("kN/m²");
const QString strength = QStringLiteral("N/mm²");
const QString allowable_stress = QStringLiteral("N/cm²");

// An input as this chapter names it: the standard term for the quantity, its symbol and its unit.
struct InputRow {
    QString name;
    QString symbol;
    Field field;
    QString unit;
};

struct InputGroup {
    QString heading;
    QList<InputRow> rows;
    QString note;  // said instead of, or after, the rows
};

// The 25 inputs grouped as the flume window's pages group them.
const QList<InputGroup> &input_groups()
{
    static const QList<InputGroup> groups = {
        {QStringLiteral("形状寸法"),
         {{QStringLiteral("側壁の厚さ（天端）"), QStringLiteral("T1"), Field::t1, metre},
          {QStringLiteral("側壁の厚さ（下端）"), QStringLiteral("T2"), Field::t2, metre},
          {QStringLiteral("底版の厚さ"), QStringLiteral("T3"), Field::t3, metre},
          {QStringLiteral("ハンチの寸法"), QStringLiteral("T4"), Field::t4, metre},
          {QStringLiteral("壁高"), QStringLiteral("H"), Field::wall_height, metre},
          {QStringLiteral("底版下面から外水位までの高さ"), QStringLiteral("H1"), Field::outer_water_height, metre},
          {QStringLiteral("水路内幅"), QStringLiteral("B"), Field::inner_width, metre}},
         {}},
        {QStringLiteral("主働土圧"),
         {{QStringLiteral("壁背面の傾斜角（水平面から）"), QStringLiteral("θ"), Field::wall_inclination, degree},
          {QStringLiteral("内部摩擦角"), QStringLiteral("φ"), Field::repose_angle, degree},
          {QStringLiteral("土の単位体積重量"), QStringLiteral("γ"), Field::soil_unit_weight, unit_weight},
          {QStringLiteral("地表面の傾斜角"), QStringLiteral("i"), Field::ground_slope, degree},
          {QStringLiteral("上載荷重"), QStringLiteral("q"), Field::surcharge, pressure},
          {QStringLiteral("壁面摩擦角（仮想背面）"), QStringLiteral("δ"), Field::wall_friction_angle, degree}},
         {}},
        {QStringLiteral("浮上り・支持力"),
         {{QStringLiteral("水の単位体積重量"), QStringLiteral("γw"), Field::water_unit_weight, unit_weight},
          {QStringLiteral("鉄筋コンクリートの単位体積重量"), QStringLiteral("γsc"), Field::flume_unit_weight, unit_weight},
          {QStringLiteral("基礎地盤の許容支持力度"), QStringLiteral("qa"), Field::allowable_bearing, pressure}},
         {}},
        {QStringLiteral("ケース.1"),
         {{QStringLiteral("側壁の照査位置（天端からの深さ）"), QStringLiteral("h"), Field::case1_depth, metre},
          {QStringLiteral("側壁天端から底版中心線までの高さ"), QStringLiteral("H'"), Field::wall_top_to_slab_axis, metre},
          {QStringLiteral("底版中心線から地下水位までの高さ"), QStringLiteral("H'1"), Field::slab_axis_to_groundwater, metre},
          {QStringLiteral("土の湿潤単位体積重量"), QStringLiteral("γt"), Field::wet_soil_unit_weight, unit_weight},
          {QStringLiteral("土の水中単位体積重量"), QStringLiteral("γws"), Field::submerged_soil_unit_weight, unit_weight},
          {QStringLiteral("壁面摩擦角（側壁背面）"), QStringLiteral("δ'"), Field::back_friction_angle, degree},
          {QStringLiteral("側壁の中心間隔"), QStringLiteral("BL"), Field::wall_spacing, metre},
          {QStringLiteral("底版の照査位置（側壁からの距離）"), QStringLiteral("X"), Field::slab_position, metre}},
         {}},
        {QStringLiteral("ケース.2"),
         {{QStringLiteral("側壁の照査位置（天端からの深さ）"), QStringLiteral("h'"), Field::case2_depth, metre}},
         {}},
        {QStringLiteral("ケース.3"),
         {},
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
    ConditionsLayout() { new_page(); }

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
        page.line(left, top, right, top);
        page.line(right, top, right, bottom);
        page.line(left, bottom, right, bottom);
        page.line(left, bottom, left, top);
        page.font(title_size);
        page.text(700, 600, {pages_.isEmpty() ? QStringLiteral("設計条件") : QStringLiteral("設計条件（つづき）")});
        pages_.append(page);
        y_ = 1200;
    }

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
    layout.row(QStringLiteral("コンクリートの設計基準強度"), QStringLiteral("σck"), materials.concrete_strength, strength);
    layout.row(QStringLiteral("鉄筋の種類"), QString(), members::grade_name(materials.grade), QString());
    for (const auto &[allowable, term] : terms) {
        const QString row = members::allowable_row(materials, allowable);
        layout.row(row.isEmpty() ? term : term + QStringLiteral("（") + row + QStringLiteral("）"),
                   members::allowable_symbol(allowable), check.allowable_texts[std::size_t(allowable)], allowable_stress,
                   members::allowable_typed(materials, allowable) ? QStringLiteral("入力値") : QString());
    }
}

} // namespace

QList<ReportPage> design_conditions(const FlumeSnapshot &sheet, bool with_materials, const document::DocumentData &data)
{
    ConditionsLayout layout;
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
        layout.heading(group.heading, picture_room + int(group.rows.size()) * row_step);
        if (first)
            layout.picture(Picture::FlumeSection);
        first = false;
        for (const InputRow &row : group.rows)
            layout.row(row.name, row.symbol, sheet[row.field], row.unit);
        if (!group.note.isEmpty())
            layout.paragraph(group.note, 100);
    }
    if (with_materials)
        add_materials(layout, sheet.member_check);
    return layout.pages();
}

} // namespace printing
