#pragma once

#include <QString>

namespace morvek::app {

struct CStartLocation {
    QString startDrive;
    QString serverName; // the start drive when no server is known
    QString driveTypeName;
    QString driveMapping;
};

// Where a folder (given without trailing separator) lies: its drive, server, drive type and
// the network path its drive is connected to.
CStartLocation GetStartLocation(const QString& folder);

} // namespace morvek::app
