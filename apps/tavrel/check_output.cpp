#include "apps/tavrel/check_output.h"

#include "common/command_output.h"
#include "flume/captions.h"
#include "flume/flume_sheet.h"

using flume::Field;
using flume::FieldKind;
using flume::Page;

namespace {

QString result_line(const flume::FlumeSheet &sheet, const flume::ResultCaption &label)
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
            if (c.unicode() < 0x20)
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
    for (Page page : flume::calculation_pages) {
        if (!file.outcome.pages_opened.contains(page))
            continue;
        lines.append(flume::page_caption(page));
        for (const flume::ResultCaption &label : flume::result_captions(page))
            lines.append(result_line(file.sheet, label));
        for (const PageMessage &raised : file.messages) {
            if (raised.page == page)
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
