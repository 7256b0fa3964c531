#include "inputfile/tvl_extension.h"

#include "inputfile/tvl_encoding.h"

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

// The quoted items of one line as the block writes them, separated by single commas, as they stand
// between their marks; none when the line is not in that form.
template <typename Text>
std::optional<QList<Text>> quoted_items(const Text &line)
{
    QList<Text> items;
    qsizetype pos = 0;
    for (;;) {
        if (pos >= line.size() || line.at(pos) != '"')
            return std::nullopt;
        const qsizetype close = line.indexOf('"', pos + 1);
        if (close < 0)
            return std::nullopt;
        items << line.mid(pos + 1, close - pos - 1);
        pos = close + 1;
        if (pos == line.size())
            return items;
        if (line.at(pos) != ',')
            return std::nullopt;
        ++pos;
    }
}

// A line of the bytes: its content, and where it starts and where the next one starts.
struct Line {
    QByteArray content;
    qsizetype start;
    qsizetype next;
};

// CR LF, a lone LF or a lone CR end a line.
QList<Line> split_lines(const QByteArray &bytes)
{
    QList<Line> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes.at(end) != '\r' && bytes.at(end) != '\n')
            ++end;
        qsizetype next = end;
        if (next < bytes.size() && bytes.at(next) == '\r')
            ++next;
        if (next < bytes.size() && bytes.at(next) == '\n' && (next == end || bytes.at(end) == '\r'))
            ++next;
        lines.append({bytes.mid(start, end - start), start, next});
        start = next;
    }
    return lines;
}

bool is_blank_line(const Line &line)
{
    return line.content.trimmed().isEmpty();
}

// A section's header begins with the item "section"; other lines end the block.
bool is_header(const Line &line)
{
    return line.content.startsWith("\"section\",") || line.content == "\"section\"";
}

} // namespace

ExtensionRead read_extension(const QByteArray &rest)
{
    ExtensionRead read;
    const QList<Line> lines = split_lines(rest);
    qsizetype i = 0;
    while (i < lines.size() && is_blank_line(lines[i]))
        ++i;
    if (i == lines.size())
        return read;
    const std::optional<QList<QByteArray>> marker = quoted_items(lines[i].content);
    if (!marker || *marker != QList<QByteArray>{extension_marker.toLatin1(), extension_version.toLatin1()}) {
        // Another extension, a newer version of this one, or anything else: kept whole.
        read.foreign = rest;
        return read;
    }
    // Where what follows the block's sections starts.
    qsizetype after_sections = lines[i].next;
    for (++i; i < lines.size(); ++i) {
        if (is_blank_line(lines[i]))
            continue;
        if (!is_header(lines[i])) {
            // The block ends here; what follows is no section of it.
            if (after_sections < rest.size()) {
                read.foreign = rest.mid(after_sections);
                read.foreign_in_block = true;
            }
            return read;
        }
        const std::optional<QList<QByteArray>> header = quoted_items(lines[i].content);
        bool counted = false;
        const int count = header && header->size() == 4 ? QString::fromLatin1(header->at(3)).toInt(&counted) : 0;
        if (!counted || count < 0) {
            // A header that does not say how many lines follow: it alone is left out.
            read.damaged << (header && header->size() > 1 ? QString::fromLatin1(header->at(1)) : QString());
            after_sections = lines[i].next;
            continue;
        }
        const QList<Line> body = lines.mid(i + 1, count);
        if (body.size() != count) {
            // More lines claimed than the file holds: where the section ends cannot be told.
            read.damaged << QString::fromLatin1(header->at(1));
            return read;
        }
        ExtensionSection section{QString::fromLatin1(header->at(1)), QString::fromLatin1(header->at(2)), {}, {}};
        for (const Line &line : body)
            section.lines << line.content;
        after_sections = count > 0 ? body.last().next : lines[i].next;
        section.bytes = rest.mid(lines[i].start, after_sections - lines[i].start);
        read.sections.append(section);
        i += count;
    }
    return read;
}

std::optional<QStringList> section_line_items(const QString &line)
{
    const std::optional<QStringList> items = quoted_items(line);
    if (!items)
        return std::nullopt;
    QStringList read;
    for (const QString &item : *items) {
        const std::optional<QString> text = unescaped(item);
        if (!text)
            return std::nullopt;
        read << *text;
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

QString extension_marker_line()
{
    return line_text({extension_marker, extension_version});
}

} // namespace inputfile
