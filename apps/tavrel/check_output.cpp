#include "apps/tavrel/check_output.h"

#include "common/command_output.h"
#include "flume/flume_sheet.h"

using flume::Field;
using flume::FieldKind;
using flume::Page;

namespace {

// A result as the window shows it: the caption before the field and the unit label after it.
struct ResultLabel {
    Field field;
    QString caption;
    QString unit;
};

struct PageLabels {
    Page page;
    QString button_caption;
    QList<ResultLabel> results;
};

// The pages' button captions and their results' captions and units, in the order the window
// shows them from top to bottom.
const QList<PageLabels> &page_labels()
{
    const QString kn = QStringLiteral("KN");
    const QString knm = QStringLiteral("KN・m");
    static const QList<PageLabels> labels = {
        {Page::EarthPressure,
         QStringLiteral("主働土圧"),
         {{Field::ka, QStringLiteral("KA ="), QString()},
          {Field::pa, QStringLiteral("PA ="), QStringLiteral("KN/m2")},
          {Field::pav, QStringLiteral("PAV ="), QStringLiteral("KN/m")},
          {Field::pv, QStringLiteral("PV ="), QStringLiteral("KN/m")}}},
        {Page::UpliftBearing,
         QStringLiteral("浮上り・支持力"),
         {{Field::uplift_safety_factor, QStringLiteral("Fs≦"), QString()},
          {Field::max_bearing, QStringLiteral("qmax="), QStringLiteral("KN/m2")}}},
        {Page::Case1,
         QStringLiteral("ケース.1"),
         {{Field::case1_wall_shear, QStringLiteral("Sso="), kn},
          {Field::case1_wall_moment, QStringLiteral("Mso="), knm},
          {Field::slab_reaction, QStringLiteral("底版反力"), QStringLiteral("KN/m2")},
          {Field::case1_slab_shear, QStringLiteral("Sto="), kn},
          {Field::case1_slab_moment, QStringLiteral("Mto="), knm}}},
        {Page::Case2,
         QStringLiteral("ケース.2"),
         {{Field::case2_wall_shear, QStringLiteral("Ss1="), kn},
          {Field::case2_wall_moment, QStringLiteral("Ms1="), knm},
          {Field::case2_slab_shear, QStringLiteral("St1="), kn},
          {Field::case2_slab_moment, QStringLiteral("Mt1="), knm}}},
        {Page::Case3,
         QStringLiteral("ケース.3"),
         {{Field::case3_wall_shear, QStringLiteral("Ss1="), kn},
          {Field::case3_wall_moment, QStringLiteral("Ms1="), knm},
          {Field::case3_slab_shear, QStringLiteral("St1="), kn},
          {Field::case3_slab_moment, QStringLiteral("Mt1="), knm}}},
    };
    return labels;
}

QString result_line(const flume::FlumeSheet &sheet, const ResultLabel &label)
{
    QString line = QStringLiteral("  ") + label.caption + u' ' + sheet.text(label.field);
    if (!label.unit.isEmpty())
        line += u' ' + label.unit;
    return line;
}

// A JSON string: quotation mark, backslash and control characters escaped.
QString json_string(const QString &text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += u'"';
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'"': out += QStringLiteral("\\\""); break;
        case u'\\': out += QStringLiteral("\\\\"); break;
        case u'\n': out += QStringLiteral("\\n"); break;
        case u'\r': out += QStringLiteral("\\r"); break;
        case u'\t': out += QStringLiteral("\\t"); break;
        default:
            // U+FEFF is escaped too: some readers take it at the start of a string for a byte-order
            // mark and drop it.
            if (c.unicode() < 0x20 || c.unicode() == 0xfeff)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += u'"';
    return out;
}

QString json_bool(bool value) { return value ? QStringLiteral("true") : QStringLiteral("false"); }

// {"member": "text", ...} of the fields of the given kinds, in the sheet's order.
QString json_fields(const flume::FlumeSheet &sheet, std::initializer_list<FieldKind> kinds)
{
    QStringList members;
    for (const flume::FieldInfo &info : flume::field_table) {
        if (std::find(kinds.begin(), kinds.end(), info.kind) != kinds.end())
            members.append(json_string(QString::fromLatin1(info.member)) + u':' + json_string(sheet.text(info.field)));
    }
    return u'{' + members.join(u',') + u'}';
}

} // namespace

QString plain_report(const CheckedFile &file)
{
    QStringList lines{file.path};
    for (const PageLabels &labels : page_labels()) {
        if (!file.outcome.pages_opened.contains(labels.page))
            continue;
        lines.append(labels.button_caption);
        for (const ResultLabel &label : labels.results)
            lines.append(result_line(file.sheet, label));
        for (const PageMessage &raised : file.messages) {
            if (raised.page == labels.page)
                lines.append(QStringLiteral("  ") + common::message_line(raised.message));
        }
    }
    return lines.join(u'\n') + u'\n';
}

QByteArray json_report(const CheckedFile &file)
{
    QStringList messages;
    for (const PageMessage &raised : file.messages)
        messages.append(QStringLiteral("{\"text\":") + json_string(raised.message.text) + QStringLiteral(",\"title\":")
                        + json_string(raised.message.title) + u'}');
    QStringList buttons;
    for (Page page : flume::calculation_pages)
        buttons.append(json_string(QStringLiteral("Command%1").arg(int(page))) + u':'
                       + json_bool(file.sheet.page_button_enabled(page)));

    const QString line = QStringLiteral("{\"file\":") + json_string(file.path)
                         + QStringLiteral(",\"inputs\":") + json_fields(file.sheet, {FieldKind::Input})
                         + QStringLiteral(",\"results\":")
                         + json_fields(file.sheet, {FieldKind::Result, FieldKind::Converted})
                         + QStringLiteral(",\"messages\":[") + messages.join(u',')
                         + QStringLiteral("],\"page_buttons\":{") + buttons.join(u',')
                         + QStringLiteral("},\"case1_groundwater_formula\":")
                         + json_bool(file.sheet.case1_groundwater_formula()) + QStringLiteral("}\n");
    return line.toUtf8();
}
