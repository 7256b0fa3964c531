#pragma once

#include <QString>

namespace gui::common {

// A caption with its access key, the key Alt (or, in an open menu, the key alone) presses: the
// caption's own character underlined where it has it ("ケース.&1", "&Tavrel(PDF)"), else the key in
// brackets after it, as Japanese captions show it ("主働土圧(&A)").
QString with_access_key(const QString &caption, QChar key);

} // namespace gui::common
