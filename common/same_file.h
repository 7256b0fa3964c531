#pragma once

#include <QString>

namespace common {

// Whether two paths name one and the same file, after following symbolic links and through hard
// links alike; two paths that name no file yet are the same when they would make the same file.
bool is_same_file(const QString &first, const QString &second);

} // namespace common
