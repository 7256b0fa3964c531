#pragma once

#include <QString>

namespace common {

// The user's own folders, for files that concern nobody else (the lock of a running Tavrel, the
// earlier content of a file that could not be written back). A folder is the user's own when it is
// a folder, not a link, belongs to the user, and nobody else may enter it: in a folder shared with
// others, another user could take a name first, and in one others may read, see which files the
// user works on.
bool is_own_folder(const QString &path);

// The session's runtime folder (XDG_RUNTIME_DIR) when it is the user's own; else empty.
QString own_runtime_folder();

// "tavrel" in the user's cache folder (XDG_CACHE_HOME, else ~/.cache, else the cache folder below the
// home folder the system knows for the user), made when missing and closed to others when it is the
// user's but open to them. Empty when none is the user's own
// or can be made, with the reason in *why.
QString own_cache_folder(QString *why = nullptr);

} // namespace common
