#pragma once

#include <QString>

namespace morvek::config {

// Where and for whom the portal was started. Names are kept in upper case as soon as they
// are stored, because the rights compare them case-sensitively against upper-case members.
struct CStartContext {
    QString tempFolder; // private temporary folder, with trailing separator
    QString serverName;
    QString userName;
    QString startDrive;
    QString driveTypeName; // "REMOVABLE", "CDROM", "RAMDISK" or empty
    QString driveMapping;
    QString serverFromCommandLine;
    bool userMode = false;
    bool shiftAtStart = false;
};

} // namespace morvek::config
