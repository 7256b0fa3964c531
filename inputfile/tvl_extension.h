#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace inputfile {

// The block a .tvl file carries after its 25 items when more than the inputs was entered, in the
// form of the items: lines of quoted items separated by single commas, each line ended by CR LF.
// A reader that takes the first 25 items never sees it.
//
//   "TavrelExtension","1"                      the marker: the extension and the block's version
//   "section","materials","1","1"              a section: its name, version and number of lines
//   "24","SD345","一般","異形鉄筋","","","",""    its lines
//   "section","members","1","6"
//   …
//
// Inside the block a backslash, a quotation mark, a control character and any character without
// a CP932 form are written as \u{hex code point}, so that the block never makes the file leave CP932.
inline const QString extension_marker = QStringLiteral("TavrelExtension");
inline const QString extension_version = QStringLiteral("1");

// One section: its name and version, its lines' items, and the header and lines as they stood in
// the file, ends of line included.
struct ExtensionSection {
    QString name;
    QString version;
    QList<QStringList> lines;
    QString text;

    bool operator==(const ExtensionSection &) const = default;
};

// What stood after the 25 items.
struct ExtensionRead {
    QList<ExtensionSection> sections;  // the block's sections, in the file's order
    QString foreign;                   // what is no block of this version: kept as it stood
    bool damaged = false;              // a section's header or lines cannot be read; it and the
                                       // rest of the block are left out
    QString damaged_section;           // the name of that section, when its header could be read
};

ExtensionRead read_extension(const QString &text);

// A section's header and lines, escaped.
QString section_text(const QString &name, const QString &version, const QList<QStringList> &lines);

// The block of the given section texts behind its marker line; empty without sections.
QString extension_text(const QStringList &section_texts);

} // namespace inputfile
