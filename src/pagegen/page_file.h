#pragma once

#include <QString>

namespace morvek::pagegen {

// Writes a generated page as UTF-16 little-endian without byte-order mark, in one write. On
// failure the platform's file-error message has been shown, a partly written file is deleted
// and false is returned.
bool WritePageFile(const QString& path, const QString& html);

} // namespace morvek::pagegen
