#pragma once

#include <QString>

namespace morvek::platform {

// Whether a portal path names an existing file or folder on this host.
bool PortalPathExists(const QString& portalPath);

// The system's search for a file given by name: the current folder, then each folder of the
// environment's PATH. The absolute host path of the first file found, or empty.
QString SearchFile(const QString& fileName);

// The host path of the program a portal path names: the mapped path when the text has a
// folder, otherwise the file that SearchFile finds; empty when it names none.
QString ProgramHostPath(const QString& portalPath);

// Whether a host path names a regular file that may be executed.
bool IsExecutableFile(const QString& hostPath);

} // namespace morvek::platform
