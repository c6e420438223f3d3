#pragma once

#include <QString>

namespace morvek::config {

class CVariableStore;

// Defines the eight Office application variables ("Word.Application", ...) as system
// variables holding the program registered for them, or empty.
void DefineOfficeVariables(CVariableStore& variables);

// The program registered for a programmatic identifier: the desktop's default application of
// the matching document type; empty when there is none.
QString LookupLocalServer(const QString& identifier);

} // namespace morvek::config
