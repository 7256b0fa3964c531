#pragma once

#include "printing/print_document.h"

#include <QDate>

namespace document {
struct DocumentData;
}
namespace flume {
struct WalkedFlume;
}
namespace members {
struct MemberCheckInputs;
}

namespace printing {

// The structural calculation document (構造計算書) of one flume, made from its inputs walked
// through the pages (flume::walk_flume), so that every result in it belongs to the inputs beside
// it. A4 portrait: 表紙 and 目次 without page numbers, then from page 1 the chapters 結果一覧,
// 設計条件, the reports of the pages the walk computed and 部材の応力度照査 once some member has
// stresses, each report exactly as its print entry prints it; every numbered page has the works'
// name at its head and its number at its foot, and a report its chapter's number and title in that
// head ("3　主働土圧"), the document's own pages in their title. A chapter not reached is listed
// in 目次 as 未計算 with its reason, without a page. The PDF is titled "<工事名> 構造計算書", its
// author is the designer, its bookmarks are the chapters and 目次 links to them. Undated data bears
// printing_day.
PrintDocument calculation_document(const flume::WalkedFlume &walked, const members::MemberCheckInputs &member_inputs,
                                   const document::DocumentData &data, const QDate &printing_day);

} // namespace printing
