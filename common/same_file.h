#pragma once

#include <QString>

namespace common {

// Whether two paths name one and the same existing file, after following symbolic links and
// through hard links alike. A path that names nothing is the same as nothing.
bool is_same_file(const QString &first, const QString &second);

} // namespace common
