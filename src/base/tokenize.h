#pragma once

#include <QStringList>

namespace morvek::base {

// Cuts text into tokens at any of the separator characters; runs of separators count as one,
// so no token is empty. Tokens are not trimmed.
QStringList Tokenize(QStringView text, QStringView separators);

// The common list rule of the portal files: tokens at the separators, each trimmed, ending at
// the first token that is empty after trimming.
QStringList TrimmedItems(QStringView text, QStringView separators);

} // namespace morvek::base
