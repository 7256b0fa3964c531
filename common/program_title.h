#pragma once

#include <QString>

namespace common {

// Tavrel's title and version as the About box shows them; the reference book's title page repeats them.
inline const QString program_title = QStringLiteral("地震時を考慮しなくてよいQuenfor");
inline const QString program_version = QStringLiteral("Ver.3.01");

} // namespace common
