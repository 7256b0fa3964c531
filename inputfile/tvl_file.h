#pragma once

#include "common/file_error.h"
#include "common/file_read.h"
#include "common/safe_file_write.h"
#include "document/document_data.h"
#include "inputfile/tvl_extension.h"
#include "members/member_inputs.h"

#include <QString>
#include <QStringList>

namespace flume {
class FlumeSheet;
}
namespace members {
class MemberSheet;
}

namespace inputfile {

// A file of the format is a few hundred bytes; a larger file than this is not one (a huge or binary
// file chosen by mistake) and is refused whole rather than read in part.
inline constexpr qint64 max_file_bytes = 1024 * 1024;

// Why a file is refused before it is read.
namespace reason {
inline const QString &not_a_file = common::not_a_regular_file;
inline const QString too_large = QStringLiteral("ファイルが大きすぎます（.tvl ファイルは 1\u00a0MiB まで）。");
} // namespace reason

// Every reason Tavrel's file messages can give: common::file_failure_reasons(), then the refusals of
// the reader.
QStringList file_message_reasons();

// What a .tvl file carried after its 25 items that this version does not read: sections of a name it
// does not know or of another version, a second copy of a section it reads, and whatever follows
// that is no section of this version's block. Written back byte for byte, whatever its encoding,
// after this version's own sections.
struct KeptExtension {
    QList<ExtensionSection> sections;
    QByteArray foreign;
    bool foreign_in_block = false;  // the foreign bytes followed the block's marker, and still do

    bool operator==(const KeptExtension &) const = default;
    bool empty() const { return sections.isEmpty() && foreign.isEmpty(); }
};

// Everything a .tvl file holds.
struct TvlContents {
    QStringList inputs;                  // the 25 input texts; fewer when the file has fewer
    members::MemberCheckInputs members;  // as a new window has them when the file carries none
    KeptExtension kept;
    document::DocumentData document;     // 計算書の設定; empty when the file carries none
};

// What reading a file's extension has to tell the user.
struct ExtensionNotes {
    bool kept = false;        // the file carries data this version keeps without reading
    QStringList damaged;      // what was left out because it cannot be read ("部材のデータ")
    QStringList duplicated;   // what the file holds twice: the first is read, the others kept
};

// The file's bytes: the 25 inputs in their 7 lines, then, only when more than the inputs was
// entered or kept, the extension with the member check's sections, 計算書の設定 and the kept ones.
QByteArray tvl_file_bytes(const TvlContents &contents);

// The contents of a file's bytes. A damaged section is left out as if the file had none.
TvlContents parse_tvl_file_bytes(const QByteArray &bytes, ExtensionNotes *notes = nullptr);

// Writes a .tvl file (common::write_file_safely): on any failure the file that was there before
// stays as it was. Contents that would make a file larger than max_file_bytes, which could not be
// opened again, are refused.
common::FileResult write_tvl_file(const QString &path, const TvlContents &contents,
                                  common::ReadOnlyFile read_only = common::ReadOnlyFile::Refuse);
common::FileResult write_tvl_file(const QString &path, const QStringList &inputs);

// Reads a .tvl file. A pipe, a device, a folder or a file larger than max_file_bytes is refused
// with the reason.
common::FileResult read_tvl_file(const QString &path, TvlContents &contents, ExtensionNotes *notes = nullptr);
// The items of a .tvl file's inputs (at most 25; fewer when the file has fewer).
common::FileResult read_tvl_file(const QString &path, QStringList &items);

// What of the flume window a .tvl file holds: the sheet's 25 inputs, the member check's inputs,
// what the opened file carried unread, and 計算書の設定.
struct FlumeFileState {
    flume::FlumeSheet &sheet;
    members::MemberSheet &members;
    KeptExtension &kept;
    document::DocumentData &document;
};

// What a save writes of the window: its inputs, member data, 計算書の設定 and what the opened file
// carried unread.
TvlContents file_contents(const FlumeFileState &state);

// Saves the window's inputs.
common::FileResult save_inputs(const FlumeFileState &state, const QString &path,
                               common::ReadOnlyFile read_only = common::ReadOnlyFile::Refuse);

// Puts contents into the window as typing would: inputs beyond those given are emptied, and member
// data and 計算書の設定 replaced. Nothing is calculated; results and carried values stay.
void put_contents(const FlumeFileState &state, const TvlContents &contents);

// Puts a .tvl file's contents into the window, as typing would: inputs without an item in the file
// are emptied, and a file without member data or 計算書の設定 empties them. Nothing is calculated, and
// results and carried values stay. A file that cannot be opened or read leaves everything as it was.
common::FileResult open_inputs(const FlumeFileState &state, const QString &path, ExtensionNotes *notes = nullptr);

} // namespace inputfile
