#pragma once

#include <QString>

namespace morvek::config {

class CVariableStore;

// Trims and expands a path, keeps web and file addresses, puts the base folder in front of a
// relative path and removes "\..\" steps; empty for a path without file name.
QString ResolvePath(const QString& text, const QString& base, const CVariableStore& variables);

} // namespace morvek::config
