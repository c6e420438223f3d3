#pragma once

#include <QString>

namespace morvek::config {

class CVariableStore;

// Whether a text begins with one of the address prefixes "http://", "ftp:\\", "ftp://" or
// "file://" (without regard to case); such texts are not paths of the portal.
bool IsWebOrFileAddress(const QString& text);

// Trims and expands a path, keeps web and file addresses, puts the base folder in front of a
// relative path and removes "\..\" steps; empty for a path without file name.
QString ResolvePath(const QString& text, const QString& base, const CVariableStore& variables);

} // namespace morvek::config
