#pragma once

#include "printing/print_document.h"

#include <QDate>

namespace document {
struct DocumentData;
}
namespace flume {
class FlumeSheet;
}
namespace members {
struct MemberCheckInputs;
}

namespace printing {

// The structural calculation document (構造計算書) of the flume, A4 portrait: 表紙 and 目次
// without page numbers, then from page 1 the chapters 設計条件, the reports of the pages whose
// results are shown and 部材の応力度照査 once some member has stresses, each exactly as its print
// entry prints it, every numbered page with the works' name at its head and its number at its foot.
// A chapter not reached is listed in 目次 as 未計算, without a page. The PDF is titled
// "<工事名> 構造計算書", its author is the designer, its bookmarks are the chapters and 目次 links
// to them. Undated data bears printing_day.
PrintDocument calculation_document(const flume::FlumeSheet &sheet, const members::MemberCheckInputs &member_inputs,
                                   const document::DocumentData &data, const QDate &printing_day);

} // namespace printing
