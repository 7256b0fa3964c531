#include "apps/tavrel/check_output.h"

#include "common/command_output.h"
#include "flume/captions.h"
#include "flume/flume_sheet.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

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

// {"member": "text", ...} of the fields of the given kinds.
QJsonObject json_fields(const flume::FlumeSheet &sheet, std::initializer_list<FieldKind> kinds)
{
    QJsonObject members;
    for (const flume::FieldInfo &info : flume::field_table) {
        if (std::find(kinds.begin(), kinds.end(), info.kind) != kinds.end())
            members.insert(QString::fromLatin1(info.member), sheet.text(info.field));
    }
    return members;
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
    QJsonArray messages;
    for (const PageMessage &raised : file.messages)
        messages.append(QJsonObject{{QStringLiteral("text"), raised.message.text},
                                    {QStringLiteral("title"), raised.message.title}});
    QJsonObject buttons;
    for (Page page : flume::calculation_pages)
        buttons.insert(QStringLiteral("Command%1").arg(int(page)), file.sheet.page_button_enabled(page));
    const QJsonObject report{
        {QStringLiteral("file"), file.path},
        {QStringLiteral("inputs"), json_fields(file.sheet, {FieldKind::Input})},
        {QStringLiteral("results"), json_fields(file.sheet, {FieldKind::Result, FieldKind::Converted})},
        {QStringLiteral("messages"), messages},
        {QStringLiteral("page_buttons"), buttons},
        {QStringLiteral("case1_groundwater_formula"), file.sheet.case1_groundwater_formula()},
    };
    // U+FEFF (only ever inside a string) is written escaped: a JSON reader may take it at the start
    // of a string for a byte-order mark and drop it, as Qt's own does.
    QByteArray json = QJsonDocument(report).toJson(QJsonDocument::Compact);
    json.replace("\xef\xbb\xbf", "\\ufeff");
    return json + '\n';
}
