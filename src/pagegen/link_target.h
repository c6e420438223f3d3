#pragma once

#include <QString>

namespace morvek::pagegen {

struct CPageConverter;

// The href of a LINKAKTION value: "app:" and "prog:" values as written, everything else
// resolved; an HTML(page) value is converted at once and becomes the generated file.
QString ResolveLinkTarget(CPageConverter& converter, const QString& value);

} // namespace morvek::pagegen
