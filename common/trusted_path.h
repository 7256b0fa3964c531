#pragma once

#include "common/file_error.h"

#include <QString>

namespace common {

// Whether a program or module at path may be run or loaded: it is a regular file, and it and every
// folder above it, up to the root, belong to the user or to root and nobody else may change them.
// A folder others may write into is accepted only when it is sticky (as /tmp): there nobody may
// rename or remove what is not his. Otherwise another user could have put the file there, or could
// swap it, and it would run as this user. The reason names the first place that fails.
FileResult check_trusted(const QString &path);

} // namespace common
