#pragma once

#include <QString>

namespace morvek::pagegen {

// Writes the viewer's resource of that type and id unchanged to folder + fileName and
// returns the path; an empty path when there is no such resource. A file error is ignored:
// the page then refers to a missing file.
QString WriteResourceFile(const QString& type, int id, const QString& folder,
                          const QString& fileName);

// Writes the resource into the temporary folder unless a file of that name is there.
void ProvideResourceFile(const QString& type, int id, const QString& folder,
                         const QString& fileName);

} // namespace morvek::pagegen
