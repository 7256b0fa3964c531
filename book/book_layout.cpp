#include "book/book_layout.h"

#include "book/set_lines.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace book {

namespace {

constexpr double chapter_size = 18;
constexpr double heading_size = 12.5;
constexpr double frame_size = 8;
constexpr double caption_size = 9.5;
constexpr double code_size = 9;
constexpr int cell_padding_x = 100;
constexpr int cell_padding_y = 55;
constexpr int paragraph_gap = 130;
constexpr int list_indent = 400;
constexpr int figure_gap = 200;
constexpr int chapter_end_allowance = 250;  // above the page number, which stands at 16000
// A chapter begins a page of its own, but after the last lines of the chapter before it when they
// take less than this share of their page, so that no page stands almost empty.
constexpr double shared_page_share = 1.0 / 3;
constexpr int chapter_gap = 720;  // above a chapter that begins after another's end

// Where the baseline of a line of type lies below the top of its line box: the extra height of
// the line shared above and below the type.
double baseline_in_line(double point_size)
{
    return (line_height(point_size) - point_size * 20) / 2 + text_ascent(point_size, TextFace::Mincho);
}

// Keeps "i = 35", "Fs > 1.2", "1.0 m", "ケース.2", "(Mso, Sso)", "(B + 2·T2)" and "Ac = … + T4²" on
// one line: the blanks around a relation or an operation, between a number and its unit and inside
// short brackets, and a Case's name, do not break.
QString unbreakable_values(QString text)
{
    static const QRegularExpression relation(QStringLiteral(" ([=<>≦≧≒+−×]) "));
    static const QRegularExpression unit(QStringLiteral("(\\d) (kN|m|cm|mm|N|度|ページ|MiB|桁)"));
    static const QRegularExpression load_case(QStringLiteral("ケース\\.(\\d)"));
    // A symbol and the particle after it ("a では", "h の") stay on one line.
    static const QRegularExpression particle(QStringLiteral("(?<=[A-Za-z0-9')]) (?=[\\x{3041}-\\x{3096}])"));
    static const QRegularExpression short_group(QStringLiteral("\\([^()\\s][^()]{0,15}\\)"));
    for (const QRegularExpressionMatch &group : short_group.globalMatch(QString(text))) {
        text.replace(group.capturedStart(), group.capturedLength(),
                     group.captured().replace(u' ', QChar(u'\u00a0')));
    }
    text.replace(relation, QStringLiteral("\u00a0\\1\u00a0"));
    text.replace(unit, QStringLiteral("\\1\u00a0\\2"));
    text.replace(particle, QStringLiteral("\u00a0"));
    const QChar joiner(word_joiner);
    text.replace(load_case, QStringLiteral("ケ") + joiner + u'ー' + joiner + QStringLiteral("ス.") + joiner + QStringLiteral("\\1"));
    return text;
}

// The Japanese rules for the start of a line that the line breaker leaves open: a wave dash, the
// long-vowel mark, small kana and the iteration mark do not start a line ("30～40", "ユーザー"), and a
// menu's "(T)" stays with its name ("ツール(T)").
bool starts_no_line(const QString &text, qsizetype at)
{
    static const QString no_start = QStringLiteral("～〜ーぁぃぅぇぉっゃゅょゎァィゥェォッャュョヮヵヶ々");
    if (at == 0 || text[at - 1].isSpace())
        return false;
    const bool accelerator = text[at] == u'(' && at + 2 < text.size() && text[at + 1].isLetterOrNumber()
                             && text[at + 2] == u')';
    return accelerator || no_start.contains(text[at]);
}

bool is_kanji(QChar c)
{
    return (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF) || c == u'々';
}

bool is_katakana(QChar c)
{
    return (c.unicode() >= 0x30A1 && c.unicode() <= 0x30FA) || c == u'ー';
}

// Where a line may not break because a word would be cut: inside a katakana word ("モーメント"), and
// inside the words a run of kanji is made of. A run of up to three kanji is one word ("入力",
// "不合格"); in a longer one the book's compounds of three and four kanji are known words
// ("基礎地盤｜支持力", "許容｜応力度"), and the rest is taken two kanji a word, as most words are
// ("単位｜体積｜重量"), a lone kanji left at its end.
QList<bool> inside_words(const QString &text)
{
    static const QStringList known = {
        QStringLiteral("支持力度"), QStringLiteral("応力度"), QStringLiteral("支持力"), QStringLiteral("反力度"),
        QStringLiteral("摩擦角"), QStringLiteral("安全率"), QStringLiteral("計算書"), QStringLiteral("中立軸"),
        QStringLiteral("全周長"), QStringLiteral("断面積"), QStringLiteral("三角形"), QStringLiteral("等分布"),
        QStringLiteral("載荷重"), QStringLiteral("地下水"), QStringLiteral("参考図書"),
    };
    QList<bool> inside(text.size(), false);
    for (qsizetype i = 1; i < text.size(); ++i)
        inside[i] = is_katakana(text[i]) && is_katakana(text[i - 1]);
    for (qsizetype start = 0; start < text.size();) {
        if (!is_kanji(text[start])) {
            ++start;
            continue;
        }
        qsizetype end = start;
        while (end < text.size() && is_kanji(text[end]))
            ++end;
        if (end - start <= 3) {
            std::fill(inside.begin() + start + 1, inside.begin() + end, true);
            start = end;
            continue;
        }
        // The known words of the run, longest first, then pairs in what they leave.
        QList<bool> word_start(end - start + 1, false);
        QList<bool> covered(end - start, false);
        word_start[0] = word_start[end - start] = true;
        for (const QString &word : known) {
            for (qsizetype at = text.indexOf(word, start); at >= 0 && at + word.size() <= end; at = text.indexOf(word, at + 1)) {
                if (std::any_of(covered.begin() + (at - start), covered.begin() + (at - start + word.size()), [](bool c) { return c; }))
                    continue;
                std::fill(covered.begin() + (at - start), covered.begin() + (at - start + word.size()), true);
                word_start[at - start] = word_start[at - start + word.size()] = true;
            }
        }
        for (qsizetype i = 0, in_pair = 0; i < end - start; ++i) {
            if (covered[i] || word_start[i])
                in_pair = 0;
            if (!covered[i] && in_pair++ % 2 == 0)
                word_start[i] = true;
        }
        for (qsizetype i = start + 1; i < end; ++i)
            inside[i] = !word_start[i - start];
        start = end;
    }
    return inside;
}

// A marked text taken apart for setting in lines: values kept whole, the line-start rules kept,
// words not cut (inside_words), and a short word of the screen's ("ツール(T)", "鉄筋量：Ａｓ") or a
// short command not broken inside.
StyledText text_to_set(const QString &marked, TextFace face, const ReferenceText &reference)
{
    constexpr int short_word = 10;
    const StyledText in = styled(unbreakable_values(marked), face, reference);
    const QList<bool> in_word = inside_words(in.text);
    StyledText out;
    for (const Stretch &stretch : in.stretches) {
        Stretch kept = stretch;
        kept.start = int(out.text.size());
        const bool whole = stretch.face != face && stretch.length <= short_word;
        for (qsizetype i = stretch.start; i < stretch.start + stretch.length; ++i) {
            const bool inside_word = i > stretch.start && !in.text[i].isSpace() && !in.text[i - 1].isSpace();
            if ((whole && inside_word) || starts_no_line(in.text, i) || in_word[i])
                out.text += QChar(word_joiner);
            out.text += in.text[i];
        }
        kept.length = int(out.text.size()) - kept.start;
        out.stretches.append(kept);
    }
    return out;
}

// A text's lines at a width, set a little narrower where that keeps the last line of a paragraph
// from holding only one or two characters ("分。"). In a table's cell (lines_fixed), where a line
// feed may end a paragraph on any line, every line after the first is looked at, and a narrower
// setting is taken only where it takes no more lines.
QList<SetLine> lines_without_short_last(const StyledText &text, double size, double width, bool lines_fixed)
{
    const auto is_short = [](const SetLine &line) {
        QString content;
        for (const SetRun &run : line.runs)
            content += run.text;
        content.remove(QRegularExpression(QStringLiteral("[。、．，）」』\\s]")));
        return content.size() <= 2;
    };
    const auto has_short = [&](const QList<SetLine> &lines) {
        if (lines.size() < 2)
            return false;
        if (!lines_fixed)
            return is_short(lines.last());
        return std::any_of(lines.begin() + 1, lines.end(), is_short);
    };
    const double em = size * 20;
    const QList<SetLine> first = set_lines(text, size, width);
    QList<SetLine> lines = first;
    for (int narrower = 1; narrower <= 3 && has_short(lines); ++narrower) {
        const QList<SetLine> tried = set_lines(text, size, width - narrower * em);
        if (lines_fixed && tried.size() > first.size())
            break;
        lines = tried;
    }
    return lines;
}

// A cross-reference set so that a line does not break inside it: its number, title, page and
// brackets are joined, and only a long title may break, between its own characters away from its ends.
QString unbreakable_reference(const QString &number, const QString &title, const QString &page)
{
    constexpr qsizetype breakable_from = 12;  // characters of a title that may break inside
    constexpr qsizetype kept_at_ends = 3;
    const QChar joiner(word_joiner);
    const auto joined = [&joiner](const QString &text) {
        QString out;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (i > 0 && !text[i].isLowSurrogate())
                out += joiner;
            out += text[i] == u' ' ? QChar(u'\u00a0') : text[i];
        }
        return out;
    };
    QString set_title;
    if (title.size() < breakable_from) {
        set_title = joined(title);
    } else {
        set_title = joined(title.left(kept_at_ends)) + title.mid(kept_at_ends, title.size() - 2 * kept_at_ends)
                    + joined(title.right(kept_at_ends));
    }
    return joined(u'「' + number) + QChar(u'\u00a0') + set_title + joiner + joined(QStringLiteral("」p.") + page);
}

} // namespace

int line_height(double point_size) { return int(point_size * 20 * 1.7); }

// What a piece draws with: the page it is on, and the lists of what was placed where.
struct BookLayout::Pen {
    BookLayout &book;
    int page_index;  // in pages_
    int gap = 0;     // the space left above the piece being drawn; none at the top of a page
    double size = 0;
    TextFace face = TextFace::Gothic;

    ReportPage &page() { return book.pages_[page_index]; }
    int document_page() const { return book.first_page_ + page_index; }

    void font(double point_size, TextFace text_face)
    {
        if (point_size == size && text_face == face)
            return;
        size = point_size;
        face = text_face;
        page().font(point_size, text_face);
    }

    // A set line with its line box's top at y; its words go into the page's text for the index.
    void line(const SetLine &set, double point_size, int x, int y)
    {
        const double baseline = y + baseline_in_line(point_size);
        for (const SetRun &run : set.runs) {
            font(point_size, run.face);
            page().text(x + int(run.x), int(baseline - text_ascent(point_size, run.face)), {run.text});
            if (!run.anchor.isEmpty() || run.to_page >= 0) {
                book.links_.append({document_page(), QRect(x + int(run.x), y, int(run.width), line_height(point_size)),
                                    run.anchor, run.to_page});
            }
            book.page_texts_[document_page()] += run.text;
        }
    }
};

BookLayout::BookLayout(QString running_title, int first_page, QHash<QString, OutlineEntry> known)
    : running_title_(std::move(running_title)), first_page_(first_page), known_(std::move(known))
{
}

void BookLayout::add_page_frame(ReportPage &page, const QString &running_title, const QString &chapter,
                                int page_number)
{
    page.font(frame_size, TextFace::Gothic);
    page.text(left, 620, {running_title});
    if (!chapter.isEmpty())
        page.text(right - int(text_width(chapter, frame_size, TextFace::Gothic)), 620, {chapter});
    page.line(left, 860, right, 860);
    const QString number = QStringLiteral("- %1 -").arg(page_number);
    page.text((left + right - int(text_width(number, frame_size, TextFace::Gothic))) / 2, 16000, {number});
}

void BookLayout::add(Piece piece)
{
    pieces_.push_back(std::move(piece));
}

void BookLayout::chapter(const QString &title)
{
    ++chapter_number_;
    section_number_ = 0;
    chapter_anchor_ = title;
    const QString numbered = QStringLiteral("%1　%2").arg(chapter_number_).arg(title);
    Piece piece;
    piece.new_page = true;
    piece.chapter = numbered;
    piece.keep_with_next = true;
    piece.height = line_height(chapter_size) + 360;
    piece.draw = [numbered, anchor = title](Pen &pen, int y) {
        pen.font(chapter_size, TextFace::Gothic);
        pen.page().text(left, y, {numbered});
        const int rule = y + line_height(chapter_size) + 40;
        pen.page().line(left, rule, right, rule);
        pen.book.outline_.append({anchor, numbered, 1, pen.document_page(), y});
        pen.book.page_texts_[pen.document_page()] += numbered;
    };
    add(std::move(piece));
}

void BookLayout::heading(const QString &title)
{
    ++section_number_;
    const QString numbered = QStringLiteral("%1.%2　%3").arg(chapter_number_).arg(section_number_).arg(title);
    Piece piece;
    piece.gap = 330;
    piece.keep_with_next = true;
    piece.height = line_height(heading_size);
    piece.draw = [numbered, anchor = chapter_anchor_ + u'/' + title](Pen &pen, int y) {
        pen.font(heading_size, TextFace::Gothic);
        const double baseline = y + (line_height(heading_size) - heading_size * 20) / 2
                                + text_ascent(heading_size, TextFace::Mincho);
        pen.page().text(left, int(baseline - text_ascent(heading_size, TextFace::Gothic)), {numbered});
        pen.book.outline_.append({anchor, numbered, 2, pen.document_page(), y});
        pen.book.page_texts_[pen.document_page()] += numbered;
    };
    add(std::move(piece));
}

QString BookLayout::reference_text(const QString &anchor)
{
    if (const auto found = known_.constFind(anchor); found != known_.constEnd()) {
        return unbreakable_reference(found->title.section(u'　', 0, 0), found->title.section(u'　', 1),
                                     QString::number(found->page + 1));
    }
    unknown_.append(anchor);
    return unbreakable_reference(QStringLiteral("00"), anchor.section(u'/', -1), QStringLiteral("00"));
}

void BookLayout::text_lines(const QString &text, double size, TextFace face, int indent, int gap,
                            const QString &prefix)
{
    const StyledText styled_text = text_to_set(text, face, [this](const QString &anchor) {
        return reference_text(anchor);
    });
    const QList<SetLine> lines = lines_without_short_last(styled_text, size, width - indent, false);
    const qsizetype count = lines.size();
    for (qsizetype i = 0; i < count; ++i) {
        Piece piece;
        piece.gap = i == 0 ? gap : 0;
        piece.height = line_height(size);
        // No single line of a paragraph alone at the foot or the head of a page.
        piece.keep_with_next = count >= 2 && (i == 0 || i == count - 2);
        piece.draw = [set = lines[i], size, indent, prefix = i == 0 ? prefix : QString(), face](Pen &pen, int y) {
            if (!prefix.isEmpty()) {
                pen.font(size, face);
                pen.page().text(left + indent - int(text_width(prefix, size, face)) - 60,
                                int(y + baseline_in_line(size) - text_ascent(size, face)), {prefix});
            }
            pen.line(set, size, left + indent, y);
        };
        add(std::move(piece));
    }
}

void BookLayout::paragraph(const QString &text)
{
    text_lines(text, body_size, TextFace::Mincho, 0, paragraph_gap);
}

void BookLayout::bullets(const QStringList &items)
{
    for (qsizetype i = 0; i < items.size(); ++i)
        text_lines(items[i], body_size, TextFace::Mincho, list_indent, i == 0 ? paragraph_gap : 40, QStringLiteral("・"));
}

void BookLayout::steps(const QStringList &items, int first)
{
    for (qsizetype i = 0; i < items.size(); ++i)
        text_lines(items[i], body_size, TextFace::Mincho, list_indent, i == 0 ? paragraph_gap : 60,
                   QStringLiteral("%1.").arg(first + i));
}

void BookLayout::table(const Table &table)
{
    const auto reference = [this](const QString &anchor) { return reference_text(anchor); };
    const qsizetype columns = table.header.size();
    QList<StyledText> header;
    for (const QString &cell : table.header)
        header.append(text_to_set(cell, TextFace::Gothic, reference));
    QList<QList<StyledText>> rows;
    for (const QStringList &row : table.rows) {
        QList<StyledText> cells;
        for (qsizetype c = 0; c < columns; ++c)
            cells.append(text_to_set(row.value(c), TextFace::Mincho, reference));
        rows.append(cells);
    }

    // Each column at least as wide as its longest unbreakable piece, and a narrow column (menu names,
    // symbols) as wide as its widest cell; what is left goes to the columns in proportion to how much
    // wider they would like to be.
    QList<double> least(columns, 0), natural(columns, 0);
    for (qsizetype c = 0; c < columns; ++c) {
        const auto measure = [&](const StyledText &cell) {
            least[c] = std::max(least[c], least_width(cell, table_size) + 2 * cell_padding_x);
            natural[c] = std::max(natural[c], natural_width(cell, table_size) + 2 * cell_padding_x);
        };
        measure(header[c]);
        for (const QList<StyledText> &row : rows)
            measure(row[c]);
        if (natural[c] <= width / 6.0)
            least[c] = natural[c];
    }
    const double least_sum = std::accumulate(least.begin(), least.end(), 0.0);
    const double natural_sum = std::accumulate(natural.begin(), natural.end(), 0.0);
    QList<int> widths(columns);
    for (qsizetype c = 0; c < columns; ++c) {
        double w;
        if (natural_sum <= width)
            w = natural[c] + (width - natural_sum) * natural[c] / natural_sum;
        else if (least_sum >= width || natural_sum == least_sum)
            w = least[c] * width / least_sum;
        else
            w = least[c] + (width - least_sum) * (natural[c] - least[c]) / (natural_sum - least_sum);
        widths[c] = int(std::ceil(w)) + 2;
    }

    const auto row_piece = [widths](const QList<StyledText> &cells, bool is_header) {
        QList<QList<SetLine>> set;
        int most = 1;
        for (qsizetype c = 0; c < cells.size(); ++c) {
            set.append(lines_without_short_last(cells[c], table_size, widths[c] - 2 * cell_padding_x, true));
            most = std::max<int>(most, set.last().size());
        }
        Piece piece;
        piece.height = most * line_height(table_size) + 2 * cell_padding_y;
        piece.draw = [set, widths, height = piece.height, is_header](Pen &pen, int y) {
            int x = left;
            ReportPage &page = pen.page();
            page.line(x, y, x, y + height);
            for (qsizetype c = 0; c < set.size(); ++c) {
                int line_y = y + cell_padding_y;
                for (const SetLine &line : set[c]) {
                    pen.line(line, table_size, x + cell_padding_x, line_y);
                    line_y += line_height(table_size);
                }
                x += widths[c];
                pen.page().line(x, y, x, y + height);
            }
            pen.page().line(left, y, x, y);
            pen.page().line(left, y + height, x, y + height);
            if (is_header)
                pen.page().line(left, y + height - 20, x, y + height - 20);
        };
        return piece;
    };

    const int header_index = int(pieces_.size());
    Piece head = row_piece(header, true);
    head.gap = paragraph_gap;
    head.keep_with_next = true;
    add(std::move(head));
    for (qsizetype r = 0; r < rows.size(); ++r) {
        Piece row = row_piece(rows[r], false);
        row.header = header_index;
        // The last row does not stand alone on a page of its own.
        row.keep_with_next = rows.size() >= 2 && r == rows.size() - 2;
        add(std::move(row));
    }
}

void BookLayout::code(const QStringList &lines)
{
    const auto reference = [](const QString &anchor) { return anchor; };
    // The set lines in groups: the lines between blank lines, which belong together.
    QList<QList<SetLine>> groups{{}};
    qsizetype count = 0;
    for (const QString &line : lines) {
        if (line.trimmed().isEmpty()) {
            if (!groups.last().isEmpty())
                groups.append(QList<SetLine>{});
            continue;
        }
        const QList<SetLine> wrapped = set_lines(styled(line, TextFace::Mono, reference), code_size, width - 400);
        groups.last().append(wrapped);
        count += wrapped.size();
    }
    if (groups.last().isEmpty())
        groups.removeLast();
    // A short listing stays whole, and so does a short group of a long one; a longer group leaves no
    // single line alone. A blank line between groups is space above the next group, dropped at the
    // top of a page.
    constexpr qsizetype short_listing = 12;
    constexpr qsizetype short_group = 6;
    const int line = line_height(code_size);
    for (qsizetype g = 0; g < groups.size(); ++g) {
        const qsizetype size = groups[g].size();
        for (qsizetype i = 0; i < size; ++i) {
            const bool last_of_listing = g + 1 == groups.size() && i + 1 == size;
            const bool after_blank = g > 0 && i == 0;
            Piece piece;
            piece.gap = g == 0 && i == 0 ? paragraph_gap : after_blank ? line : 0;
            piece.height = line;
            piece.keep_with_next = !last_of_listing
                                   && (count <= short_listing
                                       || (i + 1 < size && (size <= short_group || i == 0 || i == size - 2)));
            piece.draw = [set = groups[g][i], after_blank](Pen &pen, int y) {
                const int rule_top = after_blank ? y - pen.gap : y;
                pen.page().line(left + 120, rule_top, left + 120, y + line_height(code_size));
                pen.line(set, code_size, left + 300, y);
            };
            add(std::move(piece));
        }
    }
}

void BookLayout::caption(const QString &caption)
{
    const QString numbered = QStringLiteral("図 %1　").arg(++figure_number_) + caption;
    const auto reference = [](const QString &anchor) { return anchor; };
    const QList<SetLine> lines = set_lines(styled(numbered, TextFace::Gothic, reference), caption_size, width);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        Piece piece;
        piece.gap = i == 0 ? 80 : 0;
        piece.height = line_height(caption_size);
        piece.keep_with_next = i + 1 < lines.size();
        piece.draw = [line = lines[i]](Pen &pen, int y) {
            pen.line(line, caption_size, (left + right - int(line.width)) / 2, y);
        };
        add(std::move(piece));
    }
    pieces_.back().height += figure_gap / 2;
}

void BookLayout::picture(Picture picture, const QString &caption_text)
{
    const QSizeF size = natural_size(picture);
    Piece piece;
    piece.gap = figure_gap;
    piece.height = int(size.height());
    piece.keep_with_next = true;
    piece.draw = [picture, size](Pen &pen, int y) {
        pen.page().picture(picture, (left + right - int(size.width())) / 2, y);
    };
    add(std::move(piece));
    caption(caption_text);
}

void BookLayout::image(const QImage &image, int image_width, const QString &caption_text)
{
    const int image_height = image.isNull() ? 0 : int(double(image_width) * image.height() / image.width());
    Piece piece;
    piece.gap = figure_gap;
    piece.height = image_height;
    piece.keep_with_next = true;
    piece.draw = [image, image_width, image_height](Pen &pen, int y) {
        const int x = (left + right - image_width) / 2;
        pen.page().image(image, x, y, image_width, image_height);
        // A hairline frame, as a window's border on paper.
        pen.page().line(x, y, x + image_width, y);
        pen.page().line(x, y + image_height, x + image_width, y + image_height);
        pen.page().line(x, y, x, y + image_height);
        pen.page().line(x + image_width, y, x + image_width, y + image_height);
    };
    add(std::move(piece));
    caption(caption_text);
}

void BookLayout::formula(const WorkedFormula &formula)
{
    // The text that introduces a formula stays with it.
    if (!pieces_.empty())
        pieces_.back().keep_with_next = true;
    const QSizeF size = drawing::worked_formula_size(formula);
    Piece piece;
    piece.gap = 140;
    piece.height = int(size.height()) + 140;
    piece.draw = [formula](Pen &pen, int y) { pen.page().formula(formula, left + 500, y); };
    add(std::move(piece));
}

void BookLayout::leader_line(const QString &left_text, const QList<PageNumber> &numbers)
{
    // A list of entries (an index) is set in the tables' size, closer than running text.
    constexpr double entry_size = table_size;
    const auto reference = [](const QString &anchor) { return anchor; };
    const QList<SetLine> lines = set_lines(styled(left_text, TextFace::Mincho, reference), entry_size, width - 1500);
    if (lines.isEmpty())
        return;
    const SetLine line = lines.first();
    // The numbers, parted by commas, each a run that leads to its page.
    QList<SetRun> number_runs;
    double number_width = 0;
    for (const PageNumber &number : numbers) {
        if (!number_runs.isEmpty()) {
            const QString comma = QStringLiteral(", ");
            number_runs.append({comma, TextFace::Mincho, number_width, text_width(comma, entry_size, TextFace::Mincho), {}});
            number_width += number_runs.last().width;
        }
        number_runs.append({number.text, TextFace::Mincho, number_width, text_width(number.text, entry_size, TextFace::Mincho),
                            {}, number.page});
        number_width += number_runs.last().width;
    }
    const double dot = text_width(QStringLiteral("・"), entry_size, TextFace::Mincho);
    // Pages too many to stand beside their entry go on a line of their own below it, indented.
    const bool own_line = line.width + 3 * dot + number_width + 240 > width;
    const double start = own_line ? 2 * dot : line.width;
    Piece piece;
    piece.height = line_height(entry_size) * (own_line ? 2 : 1);
    piece.draw = [line, number_runs, number_width, dot, own_line, start](Pen &pen, int y) {
        pen.line(line, entry_size, left, y);
        const int dots = int((width - start - number_width - 240) / dot);
        SetLine leader{{{QString(std::max(dots, 0), u'・'), TextFace::Mincho, right - number_width - 120 - dots * dot - left, dots * dot, {}}},
                       double(width)};
        for (SetRun run : number_runs) {
            run.x += width - number_width;
            leader.runs.append(run);
        }
        pen.line(leader, entry_size, left, own_line ? y + line_height(entry_size) : y);
    };
    add(std::move(piece));
}

void BookLayout::finish()
{
    QList<Pen> pens;
    QString running_chapter;
    int y = bottom;
    const auto new_page = [&] {
        ReportPage page;
        add_page_frame(page, running_title_, running_chapter, first_page_ + int(pages_.size()) + 1);
        pages_.append(page);
        pens.append(Pen{*this, int(pages_.size()) - 1});
        y = top;
    };
    const auto place = [&](std::size_t k, int foot) {
        const Piece &piece = pieces_[k];
        int gap = y == top ? 0 : piece.gap;
        if (y + gap + piece.height > foot && y > top) {
            new_page();
            gap = 0;
        }
        if (y == top && piece.header >= 0) {
            const Piece &header = pieces_[std::size_t(piece.header)];
            header.draw(pens.last(), y);
            y += header.height;
        }
        y += gap;
        pens.last().gap = gap;
        piece.draw(pens.last(), y);
        y += piece.height;
    };

    std::size_t i = 0;
    while (i < pieces_.size()) {
        // The chain of pieces that keep together, and the height it needs here.
        std::size_t last = i;
        while (last + 1 < pieces_.size() && pieces_[last].keep_with_next && !pieces_[last + 1].new_page)
            ++last;
        int needed = 0;
        for (std::size_t k = i; k <= last; ++k)
            needed += (k == i && y == top ? 0 : pieces_[k].gap) + pieces_[k].height;
        // The last lines of a chapter may reach a little into the foot margin rather than stand
        // alone on a page of their own.
        const bool ends_chapter = last + 1 == pieces_.size() || pieces_[last + 1].new_page;
        const int foot = bottom + (ends_chapter ? chapter_end_allowance : 0);
        if (pieces_[i].new_page) {
            running_chapter = pieces_[i].chapter;
            const bool shares_page = !pages_.isEmpty() && y - top < (bottom - top) * shared_page_share
                                     && y + chapter_gap + needed <= bottom;
            if (shares_page)
                y += chapter_gap;
            else
                new_page();
        } else if (pages_.isEmpty() || (y + needed > foot && y > top)) {
            new_page();
        }
        for (std::size_t k = i; k <= last; ++k)
            place(k, foot);
        i = last + 1;
    }
}

} // namespace book
