#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace morvek::platform {

struct MountEntry {
    QString mountPoint;     // host path, "/" for the root file system
    QString source;         // "//host/share", "host:/export", "/dev/sdb1", ...
    QString fsType;         // "ext4", "cifs", "nfs4", "iso9660", ...
    bool removable = false; // the block device or its disk is marked removable
};

// The mounted file systems of the host.
class MountTable {
public:
    virtual ~MountTable() = default;
    virtual QList<MountEntry> Mounts() const = 0;
};

// Reads /proc/self/mountinfo and /sys/dev/block anew on every call.
class ProcMountTable final : public MountTable {
public:
    QList<MountEntry> Mounts() const override;
};

// The entries of a /proc/<pid>/mountinfo text; removability is read from /sys/dev/block.
QList<MountEntry> ParseMountInfo(const QByteArray& text);

enum class DriveType { Other, Removable, CdRom, RamDisk };

// The mount that holds hostPath (longest mount-point prefix), or nullptr.
const MountEntry* FindMount(const QList<MountEntry>& mounts, const QString& hostPath);
DriveType DriveTypeOf(const MountEntry& mount);
// The network source of a mount in the portal's form "\\host\path"; empty for a local one.
QString NetworkSourceAsUnc(const MountEntry& mount);

} // namespace morvek::platform
