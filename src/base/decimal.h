#pragma once

#include <QStringView>

namespace morvek::base {

// Reads a decimal integer the way the portal files are read everywhere: leading white space,
// an optional sign, then digits up to the first non-digit. No digits give 0; values beyond
// the int range are clamped.
int ReadDecimal(QStringView text);

} // namespace morvek::base
