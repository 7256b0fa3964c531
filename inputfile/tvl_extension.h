#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

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

// One section as the file holds it: the name and version its header gives, its lines' bytes
// without their line ends, and the header and lines as they stood, line ends included. The block
// is found in the bytes themselves: its quotation marks, commas and line ends are single bytes that
// are never part of a CP932 or UTF-8 character, so a section of any encoding is kept as it stood.
struct ExtensionSection {
    QString name;
    QString version;
    QList<QByteArray> lines;
    QByteArray bytes;

    bool operator==(const ExtensionSection &) const = default;
};

// What stood after the 25 items.
struct ExtensionRead {
    QList<ExtensionSection> sections;  // the block's sections, in the file's order
    QByteArray foreign;                // what is no block of this version, or follows the block's
                                       // sections: kept as it stood
    bool foreign_in_block = false;     // that followed the marker line
    // The sections left out because their header cannot be read or claims more lines than the
    // file holds: each one's name, empty when the header does not give it.
    QStringList damaged;
};

ExtensionRead read_extension(const QByteArray &rest);

// The items of one line of a section, its escapes read; none when the line is not in the form the
// block writes or an escape is broken.
std::optional<QStringList> section_line_items(const QString &line);

// A section's header and lines, escaped.
QString section_text(const QString &name, const QString &version, const QList<QStringList> &lines);

// The marker line that opens the block.
QString extension_marker_line();

} // namespace inputfile
