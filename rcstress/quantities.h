#pragma once

#include "rcstress/section_sheet.h"

#include <QList>
#include <QString>
#include <QStringView>

namespace rcstress {

// An input or a result of Morvik as every place names it: its window, morvik --check and the
// reference book read it from here.
struct Quantity {
    Field field;
    QString symbol;    // unique and typeable: "As", "σc"
    QString caption;   // the window's caption beside its field: "鉄筋量：Ａｓ"
    QString unit;      // the window's unit after an input's field: "（c㎡）"; results carry theirs in their text
    QString term;      // the document's term: "引張鉄筋の断面積（単位幅あたり）"
    QString si_unit;   // the document's unit: "cm²", "N·cm"; empty for a pure number
    QString json_key;  // its key in the inputs or results of morvik --check --json
};

// The six inputs in the order of morvik --check's arguments, then the seven results.
const QList<Quantity> &quantities();

// The quantity of a field.
const Quantity &quantity(Field field);

// The quantity whose symbol is the given one, or nullptr.
const Quantity *quantity_by_symbol(QStringView symbol);

} // namespace rcstress
