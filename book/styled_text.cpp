#include "book/styled_text.h"

#include "common/window_words.h"

namespace book {

namespace {

constexpr char16_t screen_open = u'\uE000';
constexpr char16_t screen_close = u'\uE001';
constexpr char16_t code_open = u'\uE002';
constexpr char16_t code_close = u'\uE003';
constexpr char16_t ref_open = u'\uE004';
constexpr char16_t ref_close = u'\uE005';

} // namespace

QString screen(const QString &words) { return QChar(screen_open) + words + QChar(screen_close); }
QString code(const QString &text) { return QChar(code_open) + text + QChar(code_close); }
QString quoted(const QString &words) { return u'「' + screen(words) + u'」'; }
QString quoted_caption(const QString &caption) { return quoted(common::shown_caption(caption)); }
QString screen_caption(const QString &caption) { return screen(common::shown_caption(caption)); }
QString ref(const QString &anchor) { return QChar(ref_open) + anchor + QChar(ref_close); }

StyledText styled(const QString &marked, TextFace face, const ReferenceText &reference)
{
    StyledText out;
    QList<TextFace> faces{face};
    const auto append = [&out](const QString &text, TextFace f, const QString &anchor = {}) {
        if (text.isEmpty())
            return;
        if (!out.stretches.isEmpty() && out.stretches.last().face == f && out.stretches.last().anchor == anchor)
            out.stretches.last().length += int(text.size());
        else
            out.stretches.append({int(out.text.size()), int(text.size()), f, anchor});
        out.text += text;
    };
    QString pending;
    for (qsizetype i = 0; i < marked.size(); ++i) {
        const char16_t c = marked[i].unicode();
        if (c == screen_open || c == code_open || c == screen_close || c == code_close) {
            append(pending, faces.last());
            pending.clear();
            if (c == screen_open)
                faces.append(TextFace::Gothic);
            else if (c == code_open)
                faces.append(TextFace::Mono);
            else if (faces.size() > 1)
                faces.removeLast();
            continue;
        }
        if (c == ref_open) {
            append(pending, faces.last());
            pending.clear();
            const qsizetype end = marked.indexOf(QChar(ref_close), i + 1);
            const QString anchor = marked.mid(i + 1, (end < 0 ? marked.size() : end) - i - 1);
            append(reference ? reference(anchor) : anchor, faces.last(), anchor);
            i = end < 0 ? marked.size() : end;
            continue;
        }
        pending += marked[i];
    }
    append(pending, faces.last());
    return out;
}

QString plain(const QString &marked)
{
    return styled(marked, TextFace::Mincho, {}).text;
}

} // namespace book
