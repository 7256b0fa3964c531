#include "inputfile/tvl_extension.h"

#include "inputfile/tvl_encoding.h"

#include <optional>

namespace inputfile {

namespace {

const QString section_keyword = QStringLiteral("section");
const QString line_end = QStringLiteral("\r\n");

// Code points a section's text never holds as they are.
bool needs_escape(char32_t c)
{
    if (c == u'\\' || c == u'"' || c < 0x20 || c == 0x7f)
        return true;
    return !has_cp932_form(QString::fromUcs4(&c, 1));
}

QString escaped(const QString &text)
{
    QString out;
    for (char32_t c : text.toUcs4()) {
        if (needs_escape(c))
            out += QStringLiteral("\\u{") + QString::number(uint(c), 16).toUpper() + u'}';
        else
            out += QString::fromUcs4(&c, 1);
    }
    return out;
}

std::optional<QString> unescaped(const QString &text)
{
    QString out;
    qsizetype i = 0;
    while (i < text.size()) {
        if (text.at(i) != u'\\') {
            out += text.at(i++);
            continue;
        }
        if (!text.mid(i, 3).startsWith(QStringLiteral("\\u{")))
            return std::nullopt;
        const qsizetype close = text.indexOf(u'}', i + 3);
        if (close < 0 || close == i + 3 || close - (i + 3) > 6)
            return std::nullopt;
        bool ok = false;
        const uint code = text.mid(i + 3, close - (i + 3)).toUInt(&ok, 16);
        if (!ok || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff))
            return std::nullopt;
        const char32_t c = code;
        out += QString::fromUcs4(&c, 1);
        i = close + 1;
    }
    return out;
}

QString line_text(const QStringList &items)
{
    QStringList quoted;
    for (const QString &item : items)
        quoted << u'"' + escaped(item) + u'"';
    return quoted.join(u',') + line_end;
}

// The items of one line as the block writes them: quoted, separated by single commas; none when
// the line is not in that form or an escape is broken.
std::optional<QStringList> line_items(const QString &line)
{
    QStringList items;
    qsizetype pos = 0;
    for (;;) {
        if (pos >= line.size() || line.at(pos) != u'"')
            return std::nullopt;
        const qsizetype close = line.indexOf(u'"', pos + 1);
        if (close < 0)
            return std::nullopt;
        const std::optional<QString> item = unescaped(line.mid(pos + 1, close - pos - 1));
        if (!item)
            return std::nullopt;
        items << *item;
        pos = close + 1;
        if (pos == line.size())
            return items;
        if (line.at(pos) != u',')
            return std::nullopt;
        ++pos;
    }
}

// A line of the text: its content, and where it starts and where the next one starts.
struct Line {
    QString content;
    qsizetype start;
    qsizetype next;
};

// CR LF, a lone LF or a lone CR end a line.
QList<Line> split_lines(const QString &text)
{
    QList<Line> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text.at(end) != u'\r' && text.at(end) != u'\n')
            ++end;
        qsizetype next = end;
        if (next < text.size() && text.at(next) == u'\r')
            ++next;
        if (next < text.size() && text.at(next) == u'\n' && (next == end || text.at(end) == u'\r'))
            ++next;
        lines.append({text.mid(start, end - start), start, next});
        start = next;
    }
    return lines;
}

bool is_blank_line(const Line &line)
{
    return line.content.trimmed().isEmpty();
}

} // namespace

ExtensionRead read_extension(const QString &text)
{
    ExtensionRead read;
    const QList<Line> lines = split_lines(text);
    qsizetype i = 0;
    while (i < lines.size() && is_blank_line(lines[i]))
        ++i;
    if (i == lines.size())
        return read;
    const std::optional<QStringList> marker = line_items(lines[i].content);
    if (!marker || *marker != QStringList{extension_marker, extension_version}) {
        // Another extension, a newer version of this one, or anything else: kept whole.
        read.foreign = text;
        return read;
    }
    for (++i; i < lines.size(); ++i) {
        if (is_blank_line(lines[i]))
            continue;
        const std::optional<QStringList> header = line_items(lines[i].content);
        if (!header) {
            // A line of the block broken inside its quotes: damaged, not somebody else's data.
            read.damaged = true;
            return read;
        }
        if (header->value(0) != section_keyword) {
            // The block ends here; what follows is no section of it.
            read.foreign = text.mid(lines[i].start);
            return read;
        }
        bool counted = false;
        const int count = header->value(3).toInt(&counted);
        if (header->size() != 4 || !counted || count < 0 || count > lines.size() - i - 1) {
            read.damaged = true;
            read.damaged_section = header->value(1);
            return read;
        }
        ExtensionSection section{header->at(1), header->at(2), {}, {}};
        for (int n = 1; n <= count; ++n) {
            const std::optional<QStringList> items = line_items(lines[i + n].content);
            if (!items) {
                read.damaged = true;
                read.damaged_section = section.name;
                return read;
            }
            section.lines.append(*items);
        }
        section.text = text.mid(lines[i].start, lines[i + count].next - lines[i].start);
        read.sections.append(section);
        i += count;
    }
    return read;
}

QString section_text(const QString &name, const QString &version, const QList<QStringList> &lines)
{
    QString text = line_text({section_keyword, name, version, QString::number(lines.size())});
    for (const QStringList &items : lines)
        text += line_text(items);
    return text;
}

QString extension_text(const QStringList &section_texts)
{
    if (section_texts.isEmpty())
        return {};
    return line_text({extension_marker, extension_version}) + section_texts.join(QString());
}

} // namespace inputfile
