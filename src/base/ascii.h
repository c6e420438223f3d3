#pragma once

#include <QString>

// Case folding for the portal's comparisons: only the ASCII letters A to Z fold, so that
// names compare the same on every host and locale.
namespace morvek::base {

QChar ToUpperAscii(QChar c);
QString ToUpperAscii(QStringView text);
bool EqualsNoCase(QStringView a, QStringView b);
bool StartsWithNoCase(QStringView text, QStringView prefix);
// Position of the first occurrence of needle in text from `from` on, or -1.
qsizetype IndexOfNoCase(QStringView text, QStringView needle, qsizetype from = 0);

} // namespace morvek::base
