#pragma once

#include "flume/flume_sheet.h"
#include "inputfile/tvl_file.h"
#include "members/member_sheet.h"

namespace test_support {

// What a flume window keeps in its .tvl file, without the window: a sheet with the member check,
// the data a file carried unread and 計算書の設定.
struct FlumeFileWindow : flume::FlumeSheet {
    members::MemberSheet members{*this};
    inputfile::KeptExtension kept;
    document::DocumentData document;
    operator inputfile::FlumeFileState() { return {*this, members, kept, document}; }
};

} // namespace test_support
