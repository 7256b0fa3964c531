#include "members/member_quantities.h"

#include "common/catalogue.h"
#include "flume/member_forces.h"

namespace members {

namespace {

using K = MemberInputKind;

const SteelGrade grades[] = {SteelGrade::SD295, SteelGrade::SD345};

QString bar_names()
{
    QStringList names;
    for (const BarSize &bar : bar_sizes)
        names << QString::fromLatin1(bar.name);
    return names.join(u'、');
}

const QString not_positive = QStringLiteral("正の数ではありません");

// Why the text cannot be the quantity's value; empty when it can.
QString refusal(const MemberQuantity &q, const QString &text)
{
    switch (q.kind) {
    case K::Bar:
        return bar_size(text) ? QString() : QStringLiteral("鉄筋の呼び名（%1）ではありません").arg(bar_names());
    case K::Grade:
        for (SteelGrade grade : grades) {
            if (grade_name(grade) == text)
                return {};
        }
        return QStringLiteral("%1 か %2 ではありません").arg(grade_name(SteelGrade::SD295), grade_name(SteelGrade::SD345));
    case K::Cover:
        return typed_value(text, 0, true) ? QString() : QStringLiteral("0 以上の数ではありません");
    default:
        return typed_value(text, 0, false) ? QString() : not_positive;
    }
}

void put_into_member(MemberInputs &member, const MemberQuantity &q, const QString &text)
{
    switch (q.kind) {
    case K::Bar: member.bar = text; break;
    case K::BarsPerWidth: member.spacing = Spacing::Count; member.spacing_text = text; break;
    case K::Pitch: member.spacing = Spacing::Pitch; member.spacing_text = text; break;
    case K::Cover: member.cover = text; break;
    case K::Thickness: member.thickness = text; break;
    default: break;
    }
}

} // namespace

const QList<MemberQuantity> &member_quantities()
{
    static const QList<MemberQuantity> all = [] {
        QList<MemberQuantity> list = {
            {K::Bar, {}, QStringLiteral("鉄筋"), QStringLiteral("鉄筋の呼び名"), {}, QStringLiteral("bar"), true},
            {K::BarsPerWidth, {}, QStringLiteral("本数"), QStringLiteral("単位幅 100 cm あたりの鉄筋の本数"),
             QStringLiteral("本/100cm"), QStringLiteral("bars_per_width"), true},
            {K::Pitch, {}, QStringLiteral("ピッチ"), QStringLiteral("鉄筋の間隔"), QStringLiteral("mm"),
             QStringLiteral("pitch"), true},
            {K::Cover, {}, QStringLiteral("かぶり"), QStringLiteral("かぶり（コンクリート表面から鉄筋表面まで）"),
             QStringLiteral("cm"), QStringLiteral("cover"), true},
            {K::Thickness, {}, QStringLiteral("総厚"), QStringLiteral("部材の総厚（形状寸法に代えて入力する値）"),
             QStringLiteral("cm"), QStringLiteral("thickness"), true},
            {K::ConcreteStrength, {}, QStringLiteral("σck"), QStringLiteral("コンクリート設計基準強度"),
             QStringLiteral("N/mm²"), QStringLiteral("concrete_strength"), false},
            {K::Grade, {}, QStringLiteral("鋼種"), QStringLiteral("鉄筋の種類（SD295、SD345）"), {}, QStringLiteral("steel_grade"),
             false},
        };
        for (Allowable a : allowables)
            list.append({K::AllowableStress, a, allowable_symbol(a), allowable_name(a) + QStringLiteral("（表の値に代えて）"),
                         QStringLiteral("N/cm²"), allowable_symbol(a), false});
        return list;
    }();
    return all;
}

const MemberQuantity *member_quantity_by_symbol(QStringView symbol)
{
    return common::find_by_symbol(member_quantities(), symbol);
}

QString member_symbol(const MemberQuantity &quantity, std::size_t member)
{
    return quantity.symbol + u'(' + flume::member_title(flume::member_forces[member]) + u')';
}

QString put_member_value(MemberCheckInputs &inputs, const MemberQuantity &quantity, std::optional<std::size_t> member,
                         const QString &text)
{
    const QString value = text.trimmed();
    if (const QString refused = refusal(quantity, value); !refused.isEmpty())
        return refused;
    Materials &m = inputs.materials;
    switch (quantity.kind) {
    case K::ConcreteStrength: m.concrete_strength = value; break;
    case K::Grade: m.grade = grade_name(SteelGrade::SD295) == value ? SteelGrade::SD295 : SteelGrade::SD345; break;
    case K::AllowableStress: type_allowable(m, quantity.allowable, value); break;
    default:
        for (std::size_t i = 0; i < member_count; ++i) {
            if (!member || *member == i)
                put_into_member(inputs.members[i], quantity, value);
        }
    }
    return {};
}

QString member_value(const MemberCheckInputs &inputs, const MemberQuantity &quantity, std::size_t member)
{
    const MemberInputs &m = inputs.members[member];
    switch (quantity.kind) {
    case K::Bar: return m.bar;
    case K::BarsPerWidth: return m.spacing == Spacing::Count ? m.spacing_text : QString();
    case K::Pitch: return m.spacing == Spacing::Pitch ? m.spacing_text : QString();
    case K::Cover: return m.cover;
    case K::Thickness: return m.thickness;
    case K::ConcreteStrength: return inputs.materials.concrete_strength;
    case K::Grade: return grade_name(inputs.materials.grade);
    case K::AllowableStress: return allowable_text(inputs.materials, quantity.allowable);
    }
    return {};
}

} // namespace members
