#pragma once

#include <QString>

namespace common {

// The version of both programs ("3.01"), as the project gives it.
inline const QString version_number = QStringLiteral(TAVREL_VERSION);

// Tavrel's title and version as the About box shows them; the reference book's title page repeats them.
inline const QString program_title = QStringLiteral("地震時を考慮しなくてよいQuenfor");
inline const QString program_version = QStringLiteral("Ver." TAVREL_VERSION);

} // namespace common
