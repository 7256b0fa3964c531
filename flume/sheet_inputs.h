#pragma once

#include <QStringList>

namespace flume {

class FlumeSheet;

// The texts of the 25 input fields, T1 first and h' last.
QStringList input_texts(const FlumeSheet &sheet);

// Puts texts into the 25 input fields in that order, as typing would; inputs beyond the texts given
// are emptied and texts beyond the 25th are ignored. Nothing is calculated.
void put_input_texts(FlumeSheet &sheet, const QStringList &texts);

} // namespace flume
