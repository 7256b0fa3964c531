#include "inputfile/tvl_format.h"

namespace inputfile {

namespace {

const QChar quote = u'"';
const QChar comma = u',';

// The blanks a line may hold around its items.
bool is_space_or_tab(QChar c) { return c == u' ' || c == u'\t'; }
bool is_line_end(QChar c) { return c == u'\r' || c == u'\n'; }

QString quoted(const QString &text)
{
    QString doubled = text;
    doubled.replace(quote, QStringLiteral("\"\""));
    return quote + doubled + quote;
}

// Reads the items of a text one by one.
class ItemReader
{
public:
    explicit ItemReader(const QString &text) : text_(text) {}

    bool at_end() const { return pos_ >= text_.size(); }
    qsizetype position() const { return pos_; }

    // Reads the next item and the separator after it. Returns false when no item is left.
    bool next(QString &item)
    {
        skip_blanks_and_blank_lines();
        if (at_end() && !after_comma_)
            return false;
        item.clear();
        if (!at_end() && peek() == quote)
            read_quoted(item);
        else
            read_plain(item);
        consume_separator();
        return true;
    }

private:
    QChar peek() const { return text_.at(pos_); }

    void skip_blanks_and_blank_lines()
    {
        for (;;) {
            while (!at_end() && is_space_or_tab(peek()))
                ++pos_;
            // A line end right after a line end (or at the start) is a blank line, not an item; right
            // after a comma it ends the empty item the comma began.
            if (at_end() || !is_line_end(peek()) || after_comma_)
                return;
            skip_line_end();
        }
    }

    void read_quoted(QString &item)
    {
        ++pos_; // opening mark
        while (!at_end()) {
            const QChar c = peek();
            ++pos_;
            if (c != quote) {
                item.append(c);
            } else if (!at_end() && peek() == quote) {
                item.append(quote);
                ++pos_;
            } else {
                break;
            }
        }
        while (!at_end() && peek() != comma && !is_line_end(peek()))
            ++pos_;
    }

    void read_plain(QString &item)
    {
        const qsizetype start = pos_;
        while (!at_end() && peek() != comma && !is_line_end(peek()))
            ++pos_;
        qsizetype end = pos_;
        qsizetype first = start;
        while (first < end && is_space_or_tab(text_.at(first)))
            ++first;
        while (end > first && is_space_or_tab(text_.at(end - 1)))
            --end;
        item = text_.mid(first, end - first);
    }

    void consume_separator()
    {
        after_comma_ = false;
        if (at_end())
            return;
        if (peek() == comma) {
            ++pos_;
            after_comma_ = true;
        } else {
            skip_line_end();
        }
    }

    // CR LF, a lone LF or a lone CR.
    void skip_line_end()
    {
        if (peek() == u'\r') {
            ++pos_;
            if (!at_end() && peek() == u'\n')
                ++pos_;
        } else {
            ++pos_;
        }
    }

    const QString &text_;
    qsizetype pos_ = 0;
    bool after_comma_ = false;
};

} // namespace

QString format_tvl(const QStringList &texts)
{
    QString out;
    int index = 0;
    for (int count : items_per_line) {
        for (int i = 0; i < count; ++i, ++index) {
            if (i > 0)
                out += comma;
            out += quoted(index < texts.size() ? texts.at(index) : QString());
        }
        out += QStringLiteral("\r\n");
    }
    return out;
}

QStringList parse_tvl(const QString &text)
{
    return split_tvl(text).items;
}

TvlText split_tvl(const QString &text)
{
    TvlText split;
    ItemReader reader(text);
    QString item;
    while (split.items.size() < item_count && reader.next(item))
        split.items.append(item);
    if (split.items.size() == item_count)
        split.rest = text.mid(reader.position());
    return split;
}

} // namespace inputfile
