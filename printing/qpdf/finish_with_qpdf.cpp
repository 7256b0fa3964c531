#include "printing/pdf_finishing_entry.h"

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <exception>
#include <type_traits>
#include <vector>

namespace printing {

namespace {

using Object = QPDFObjectHandle;

// A PDF text string of any text: plain bytes when the text is printable ASCII, else UTF-16BE behind
// its byte-order mark. qpdf writes the bytes escaped (or as hex), so that no byte of the text can
// end the string or be read as another character. A surrogate without its pair (a byte of a file
// name that is not UTF-8) is no character and stands as U+FFFD.
Object text_string(const QString &text)
{
    bool ascii = true;
    for (QChar c : text)
        ascii = ascii && c.unicode() >= 0x20 && c.unicode() < 0x7f;
    if (ascii)
        return Object::newString(text.toStdString());
    std::string utf16("\xfe\xff", 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        char16_t unit = text[i].unicode();
        const bool pair = QChar::isHighSurrogate(unit) && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (QChar::isSurrogate(unit) && !pair)
            unit = u'\ufffd';
        utf16 += char(unit >> 8);
        utf16 += char(unit & 0xff);
        if (pair) {
            const char16_t low = text[++i].unicode();
            utf16 += char(low >> 8);
            utf16 += char(low & 0xff);
        }
    }
    return Object::newString(utf16);
}

// Report twips to PDF user space: points from the bottom-left corner of the paper.
class PagePlaces
{
public:
    explicit PagePlaces(QPDF &pdf)
    {
        for (QPDFPageObjectHelper &page : QPDFPageDocumentHelper(pdf).getAllPages()) {
            pages_.push_back(page.getObjectHandle());
            heights_.push_back(page.getMediaBox().getArrayAsRectangle().ury);
        }
    }

    bool has(int page) const { return page >= 0 && std::size_t(page) < pages_.size(); }
    Object page(int page) const { return pages_[std::size_t(page)]; }
    static double x(int twips) { return (pdf_origin_twips + twips) / 20.0; }
    double y(int page, int twips) const { return heights_[std::size_t(page)] - (pdf_origin_twips + twips) / 20.0; }

    // The destination of a bookmark or link: the page, left as it is, with the top at the place.
    Object destination(int page, int top) const
    {
        Object dest = Object::newArray();
        dest.appendItem(pages_[std::size_t(page)]);
        dest.appendItem(Object::newName("/XYZ"));
        dest.appendItem(Object::newNull());
        dest.appendItem(Object::newReal(y(page, top), 2));
        dest.appendItem(Object::newNull());
        return dest;
    }

private:
    std::vector<Object> pages_;
    std::vector<double> heights_;
};

void set_information(QPDF &pdf, const PdfDescription &description)
{
    Object trailer = pdf.getTrailer();
    Object info = trailer.getKey("/Info");
    if (!info.isDictionary()) {
        info = pdf.makeIndirectObject(Object::newDictionary());
        trailer.replaceKey("/Info", info);
    }
    const std::pair<const char *, const QString &> entries[] = {
        {"/Title", description.title}, {"/Author", description.author}, {"/Subject", description.subject}};
    for (const auto &[key, text] : entries) {
        if (text.isEmpty())
            info.removeKey(key);
        else
            info.replaceKey(key, text_string(text));
    }
}

// Links the items of one level of the outline under their parent; returns the number of items
// shown when the parent is open.
int link_items(Object parent, const std::vector<Object> &items)
{
    for (std::size_t i = 0; i < items.size(); ++i) {
        Object item = items[i];
        item.replaceKey("/Parent", parent);
        if (i > 0)
            item.replaceKey("/Prev", items[i - 1]);
        if (i + 1 < items.size())
            item.replaceKey("/Next", items[i + 1]);
    }
    if (!items.empty()) {
        parent.replaceKey("/First", items.front());
        parent.replaceKey("/Last", items.back());
    }
    return int(items.size());
}

bool set_outline(QPDF &pdf, const PagePlaces &places, const QList<PdfBookmark> &bookmarks, QString &error)
{
    if (bookmarks.isEmpty())
        return true;
    std::vector<Object> chapters;
    std::vector<std::vector<Object>> sections;
    for (const PdfBookmark &bookmark : bookmarks) {
        if (!places.has(bookmark.page)) {
            error = QStringLiteral("しおり「%1」のページ %2 がありません。").arg(bookmark.title).arg(bookmark.page + 1);
            return false;
        }
        Object item = pdf.makeIndirectObject(Object::newDictionary());
        item.replaceKey("/Title", text_string(bookmark.title));
        item.replaceKey("/Dest", places.destination(bookmark.page, bookmark.top));
        if (bookmark.level > 0 && !chapters.empty()) {
            sections.back().push_back(item);
        } else {
            chapters.push_back(item);
            sections.emplace_back();
        }
    }
    Object outlines = pdf.makeIndirectObject(Object::newDictionary());
    outlines.replaceKey("/Type", Object::newName("/Outlines"));
    outlines.replaceKey("/Count", Object::newInteger(link_items(outlines, chapters)));
    for (std::size_t i = 0; i < chapters.size(); ++i) {
        // A chapter's sections start folded away: the outline opens as the list of chapters.
        if (const int count = link_items(chapters[i], sections[i]))
            chapters[i].replaceKey("/Count", Object::newInteger(-count));
    }
    Object root = pdf.getRoot();
    root.replaceKey("/Outlines", outlines);
    root.replaceKey("/PageMode", Object::newName("/UseOutlines"));
    return true;
}

bool add_links(QPDF &pdf, const PagePlaces &places, const QList<PdfLink> &links, QString &error)
{
    for (const PdfLink &link : links) {
        if (!places.has(link.page) || !places.has(link.target_page)) {
            error = QStringLiteral("リンクのページ %1 → %2 がありません。").arg(link.page + 1).arg(link.target_page + 1);
            return false;
        }
        Object rect = Object::newArray();
        rect.appendItem(Object::newReal(PagePlaces::x(link.area.left()), 2));
        rect.appendItem(Object::newReal(places.y(link.page, link.area.top() + link.area.height()), 2));
        rect.appendItem(Object::newReal(PagePlaces::x(link.area.left() + link.area.width()), 2));
        rect.appendItem(Object::newReal(places.y(link.page, link.area.top()), 2));
        Object annotation = pdf.makeIndirectObject(Object::parse("<< /Type /Annot /Subtype /Link /Border [0 0 0] >>"));
        annotation.replaceKey("/Rect", rect);
        annotation.replaceKey("/Dest", places.destination(link.target_page, link.target_top));
        Object page = places.page(link.page);
        Object annotations = page.getKey("/Annots");
        if (!annotations.isArray()) {
            annotations = Object::newArray();
            page.replaceKey("/Annots", annotations);
        }
        annotations.appendItem(annotation);
    }
    return true;
}

bool finish(const QByteArray &document, const PdfDescription &description, QByteArray &finished, QString &reason)
{
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processMemoryFile("report", document.constData(), std::size_t(document.size()));
        const PagePlaces places(pdf);
        set_information(pdf, description);
        if (!description.language.isEmpty())
            pdf.getRoot().replaceKey("/Lang", text_string(description.language));
        if (set_outline(pdf, places, description.bookmarks, reason) && add_links(pdf, places, description.links, reason)) {
            QPDFWriter writer(pdf);
            writer.setOutputMemory();
            // The page streams and fonts are copied as QPdfWriter compressed them; the small objects
            // go into object streams.
            writer.setDecodeLevel(qpdf_dl_none);
            writer.setObjectStreamMode(qpdf_o_generate);
            writer.write();
            const std::shared_ptr<Buffer> written = writer.getBufferSharedPointer();
            finished = QByteArray(reinterpret_cast<const char *>(written->getBuffer()), qsizetype(written->getSize()));
            return true;
        }
    } catch (const std::exception &e) {
        reason = QStringLiteral("PDF を読めませんでした（%1）。").arg(QString::fromLocal8Bit(e.what()));
    }
    return false;
}

} // namespace

} // namespace printing

extern "C" Q_DECL_EXPORT bool tavrel_finish_pdf_1(const QByteArray *pdf, const printing::PdfDescription *description,
                                                  QByteArray *finished, QString *error)
{
    return printing::finish(*pdf, *description, *finished, *error);
}

// The entry has the type the programs call it by.
static_assert(std::is_same_v<decltype(&tavrel_finish_pdf_1), printing::FinishPdfEntry>);
