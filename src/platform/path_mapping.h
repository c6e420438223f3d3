#pragma once

#include <QString>

// Portal files hold Windows paths (drive letters, UNC paths, backslashes). Every file access
// turns such a portal path into a host path here:
//  - "X:" + rest: the mount point of setting "Drives"/"X"; an unmapped letter names no file;
//  - "\\host\share\rest": the mounted CIFS file system of //host/share, else the setting
//    "Shares"/"host/share"; otherwise no file;
//  - then every remaining "\" becomes "/".
namespace morvek::platform {

// The host path of a portal path; empty when it names no file on this host.
QString HostPath(const QString& portalPath);

} // namespace morvek::platform
