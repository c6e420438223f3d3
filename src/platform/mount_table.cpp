#include "platform/mount_table.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace morvek::platform {
namespace {

// mountinfo escapes blanks, tabs, line feeds and backslashes as three octal digits.
bool IsOctalEscape(const QByteArray& field, qsizetype i) {
    if (field[i] != '\\' || i + 3 >= field.size()) {
        return false;
    }
    for (qsizetype k = i + 1; k <= i + 3; ++k) {
        if (field[k] < '0' || field[k] > '7') {
            return false;
        }
    }
    return true;
}

QString UnescapeMountField(const QByteArray& field) {
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (IsOctalEscape(field, i)) {
            out.append(static_cast<char>(field.mid(i + 1, 3).toInt(nullptr, 8)));
            i += 3;
        } else {
            out.append(field[i]);
        }
    }
    return QFile::decodeName(out);
}

bool ReadFlag(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(1) == "1";
}

// /sys/dev/block/<major:minor> names a disk or a partition; a partition's disk is its parent.
bool IsRemovableDevice(const QByteArray& majorMinor) {
    const QString device =
        QFileInfo(QStringLiteral("/sys/dev/block/") + QString::fromLatin1(majorMinor))
            .canonicalFilePath();
    if (device.isEmpty()) {
        return false;
    }
    if (QFileInfo::exists(device + QStringLiteral("/removable"))) {
        return ReadFlag(device + QStringLiteral("/removable"));
    }
    return ReadFlag(device + QStringLiteral("/../removable"));
}

bool IsBelow(const QString& path, const QString& mountPoint) {
    if (mountPoint == u"/") {
        return path.startsWith(u'/');
    }
    return path == mountPoint || path.startsWith(mountPoint + u'/');
}

} // namespace

QList<MountEntry> ProcMountTable::Mounts() const {
    QFile file(QStringLiteral("/proc/self/mountinfo"));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return ParseMountInfo(file.readAll());
}

QList<MountEntry> ParseMountInfo(const QByteArray& text) {
    QList<MountEntry> mounts;
    for (const QByteArray& line : text.split('\n')) {
        // id parent major:minor root mount-point options [optional...] - type source super
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype dash = fields.indexOf("-");
        if (fields.size() < 5 || dash < 0 || dash + 2 >= fields.size()) {
            continue;
        }
        MountEntry entry;
        entry.mountPoint = UnescapeMountField(fields[4]);
        entry.fsType = UnescapeMountField(fields[dash + 1]);
        entry.source = UnescapeMountField(fields[dash + 2]);
        entry.removable = IsRemovableDevice(fields[2]);
        mounts.append(entry);
    }
    return mounts;
}

const MountEntry* FindMount(const QList<MountEntry>& mounts, const QString& hostPath) {
    QString path = QFileInfo(hostPath).canonicalFilePath();
    if (path.isEmpty()) {
        path = QDir::cleanPath(QFileInfo(hostPath).absoluteFilePath());
    }
    const MountEntry* best = nullptr;
    for (const MountEntry& mount : mounts) {
        // Later mounts on the same point hide earlier ones.
        if (IsBelow(path, mount.mountPoint) &&
            (!best || mount.mountPoint.size() >= best->mountPoint.size())) {
            best = &mount;
        }
    }
    return best;
}

DriveType DriveTypeOf(const MountEntry& mount) {
    if (mount.fsType == u"iso9660" || mount.fsType == u"udf" ||
        mount.source.startsWith(QStringLiteral("/dev/sr"))) {
        return DriveType::CdRom;
    }
    if (mount.removable) {
        return DriveType::Removable;
    }
    if (mount.fsType == u"tmpfs" || mount.fsType == u"ramfs") {
        return DriveType::RamDisk;
    }
    return DriveType::Other;
}

QString NetworkSourceAsUnc(const MountEntry& mount) {
    QString host;
    QString path;
    if (mount.fsType == u"cifs" || mount.fsType == u"smb3" || mount.fsType == u"smbfs") {
        if (!mount.source.startsWith(QStringLiteral("//"))) {
            return {};
        }
        const QString text = mount.source.mid(2);
        const qsizetype slash = text.indexOf(u'/');
        host = slash < 0 ? text : text.left(slash);
        path = slash < 0 ? QString() : text.mid(slash);
    } else if (mount.fsType == u"nfs" || mount.fsType == u"nfs4" || mount.fsType == u"fuse.sshfs") {
        const qsizetype colon = mount.source.indexOf(u':');
        if (colon <= 0) {
            return {};
        }
        host = mount.source.left(colon);
        host = host.mid(host.lastIndexOf(u'@') + 1);
        path = mount.source.mid(colon + 1);
    } else {
        return {};
    }
    if (host.isEmpty()) {
        return {};
    }
    path.replace(u'/', u'\\');
    while (path.endsWith(u'\\')) {
        path.chop(1);
    }
    if (!path.isEmpty() && !path.startsWith(u'\\')) {
        path.prepend(u'\\');
    }
    return QStringLiteral("\\\\") + host + path;
}

} // namespace morvek::platform
