#pragma once

#include <QString>

namespace morvek::app {

// A new private folder in the system's temporary folder, named "Morvek" and a GUID, with a
// trailing separator. A failure to create it is not reported: page generation then fails to
// write its files.
QString CreateTempFolder();

// Deletes the files directly in the folder, then the folder; failures are ignored, so a
// folder that holds a subfolder stays.
void RemoveTempFolder(const QString& folder);

} // namespace morvek::app
