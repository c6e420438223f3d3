#pragma once

#include <QString>

// Trimming of the portal's white space: blank, tab, carriage return, line feed, vertical tab
// and form feed. Other Unicode spaces (such as U+00A0 in ISO 8859-1 files) are text.
namespace morvek::base {

bool IsTrimSpace(QChar c);
QString Trim(QStringView text);
QString TrimLeft(QStringView text);
QString TrimRight(QStringView text);

} // namespace morvek::base
