#pragma once

#include "flume/field.h"

#include <QList>
#include <QString>

namespace flume {

class FlumeSheet;

// One carried-value slot as a page uses it: the slot field, the field it copies, its caption and the
// note that names the page the value comes from.
struct CarriedSlot {
    Field slot;
    Field source;
    QString caption;
    QString note;
};

// The slots a page fills when it is opened, in the left panel's order; slots not listed are hidden.
QList<CarriedSlot> carried_slots(Page page);

// Opening a calculation page, data side: copies the page's carried slots verbatim, locks the shape
// fields (page 1), makes the page the shown one, and enables the page's own print entry exactly
// when its last result holds text while disabling the four others.
void open_page(FlumeSheet &sheet, Page page);

// Shape-input mode, data side: only the page-1 button stays enabled, KA, PA, PAV and PV are
// cleared, the shape fields become editable and no report can be printed.
void enter_shape_input(FlumeSheet &sheet);

} // namespace flume
