#pragma once

#include "flume/field.h"

#include <QList>
#include <QString>
#include <QStringView>

namespace flume {

// An input or a result of the flume check as every place names it: the windows, the command-line
// check, 設計条件 and the reference book all read it from here.
struct Quantity {
    Field field;
    Page page;         // the page it is typed on or computed on; the shape dimensions' is ShapeInput
    QString symbol;    // unique and typeable, for finding it by name: "T1", "θ", "H'", "Ss1(3)"
    QString printed;   // the symbol as the documents print it: "Ss1" for Case 2 and Case 3 alike
    QString caption;   // the screen's caption before its field: "T1 =", "壁傾きθ=", "PA ="
    QString unit;      // the screen's unit after its field: "ｍ", "度", "KN/m3"; empty for a pure number
    QString tooltip;   // the screen's tooltip on its field; empty for none
    QString term;      // the document's term: "側壁の厚さ（天端）"
    QString si_unit;   // the document's unit: "m", "°", "kN/m³"; empty for a pure number
    QString json_key;  // its key in the inputs or results of tavrel --check --json
};

// The 25 inputs in the order of the input file, then the results page by page from top to bottom.
const QList<Quantity> &quantities();

// The quantity of an input or a result; an empty one (no symbol) for any other field.
const Quantity &quantity(Field field);

// The quantity whose symbol is the given one, or nullptr: "H1", "γw", "Mt1(3)".
const Quantity *quantity_by_symbol(QStringView symbol);

// The inputs typed on a page, in the order of the input file.
QList<Quantity> inputs_of(Page page);

// A page's results from top to bottom.
QList<Quantity> results_of(Page page);

// The key of a Case result's value in N or N·cm in tavrel --check --json: "case1_wall_shear_n".
QString json_key(const ConvertedCompanion &companion);

// The unit of a Case result's value in N or N·cm as the documents print it.
QString si_unit(const ConvertedCompanion &companion);

// A caption that holds its field in a run of blanks, as the left panel and pages 1 and 5 show theirs:
// the caption, the blanks, then the unit, followed by blanks up to unit_places half-width places
// (a full-width character takes two): "壁傾きθ=             度    ".
QString caption_holding_field(const QString &caption, int blanks, const QString &unit, int unit_places = 0);

// The symbol under which the later pages take a value over: PV becomes Pv, as their formulas and
// reports write it; every other value keeps its printed symbol.
QString carried_symbol(Field source);

} // namespace flume
