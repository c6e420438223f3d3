#include "app/start_location.h"

#include "base/ascii.h"
#include "platform/host.h"
#include "platform/path_mapping.h"
#include "platform/portal_path.h"

namespace morvek::app {
namespace {

QString DriveTypeName(platform::DriveType type) {
    switch (type) {
    case platform::DriveType::Removable:
        return QStringLiteral("REMOVABLE");
    case platform::DriveType::CdRom:
        return QStringLiteral("CDROM");
    case platform::DriveType::RamDisk:
        return QStringLiteral("RAMDISK");
    case platform::DriveType::Other:
        break;
    }
    return {};
}

// A drive letter as a folder: "X:" names the drive's root, not its current folder.
QString HostPathOfDrive(const QString& startDrive) {
    const bool bareDrive = startDrive.size() == 2 && startDrive[1] == u':';
    return platform::HostPath(bareDrive ? startDrive + u'\\' : startDrive);
}

} // namespace

CStartLocation GetStartLocation(const QString& folder) {
    const platform::CPathParts parts = platform::SplitPath(folder);
    const QList<platform::MountEntry> mounts = platform::CurrentHost().mounts->Mounts();
    CStartLocation location;
    if (!parts.drive.isEmpty()) {
        location.startDrive = parts.drive;
        location.serverName = parts.serverName;
        location.driveMapping = parts.driveMapping;
    } else if (folder.startsWith(QStringLiteral("\\\\"))) {
        location.startDrive = platform::WithoutTrailingSeparators(parts.folder);
        location.serverName = parts.serverName;
    } else {
        // A path of this host: the mount that holds it stands for the drive.
        const QString hostPath = platform::HostPath(folder);
        const platform::MountEntry* mount =
            platform::FindMount(mounts, hostPath.isEmpty() ? QStringLiteral(".") : hostPath);
        if (mount) {
            location.startDrive = mount->mountPoint;
            location.driveMapping = platform::NetworkSourceAsUnc(*mount);
            location.serverName = platform::ServerOfUnc(location.driveMapping);
        }
    }
    location.serverName = base::ToUpperAscii(location.serverName);
    if (location.serverName.isEmpty()) {
        location.serverName = location.startDrive;
    }
    const QString driveHostPath = HostPathOfDrive(location.startDrive);
    if (!driveHostPath.isEmpty()) {
        if (const platform::MountEntry* mount = platform::FindMount(mounts, driveHostPath)) {
            location.driveTypeName = DriveTypeName(platform::DriveTypeOf(*mount));
        }
    }
    return location;
}

} // namespace morvek::app
