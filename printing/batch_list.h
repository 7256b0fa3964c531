#pragma once

#include "printing/print_document.h"

namespace batch {
struct BatchJob;
struct BatchResults;
} // namespace batch

namespace printing {

// The printed list of a table of flumes (一括計算　結果一覧), A4 landscape in the reports' face and
// frame. The first page gives the conditions the rows start from: the table and the base file, the
// base's inputs that no column of the table gives, and, where the members are judged, the
// materials and each member's bars. Then one line per row of the table: 行, 名称, the inputs the
// table gives (with the values used), KA, PA, Fs and qmax each over its 判定, each member's
// governing stress and ratio over its judgement, 総合判定 and 理由; the head of the table on every
// page, "- n -" below it. A cell too wide for its column is set smaller. Bookmarked by the list and
// by each page's rows ("行 2～23").
PrintDocument batch_list(const batch::BatchJob &job, const batch::BatchResults &results, const QString &table_name);

} // namespace printing
