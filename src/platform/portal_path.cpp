#include "platform/portal_path.h"

#include "platform/host.h"
#include "platform/path_mapping.h"

namespace morvek::platform {
namespace {

constexpr qsizetype kMaxPart = 255;

bool IsSeparator(QChar c) {
    return c == u'\\' || c == u'/';
}

bool HasDriveLetter(const QString& path) {
    return path.size() >= 2 && path[1] == u':';
}

// The network path that a drive letter is connected to: the network source of the mount
// that the drive is mapped to, followed by the mapped folder's place inside that mount.
QString RemoteNameOfDrive(const QString& drive) {
    const QString hostFolder = HostPath(drive + u'\\');
    if (hostFolder.isEmpty()) {
        return {};
    }
    const QList<MountEntry> mounts = CurrentHost().mounts->Mounts();
    const MountEntry* mount = FindMount(mounts, hostFolder);
    if (!mount) {
        return {};
    }
    const QString unc = NetworkSourceAsUnc(*mount);
    if (unc.isEmpty()) {
        return {};
    }
    QString inside = WithoutTrailingSeparators(hostFolder.mid(mount->mountPoint.size()));
    inside.replace(u'/', u'\\');
    if (!inside.isEmpty() && !inside.startsWith(u'\\')) {
        inside.prepend(u'\\');
    }
    return unc + inside;
}

// The platform's path splitting, without asking the network layer.
CPathParts SplitNames(const QString& path) {
    CPathParts parts;
    QString rest = path;
    if (HasDriveLetter(path)) {
        parts.drive = path.left(2);
        rest = path.mid(2);
    }
    qsizetype lastSeparator = rest.size() - 1;
    while (lastSeparator >= 0 && !IsSeparator(rest[lastSeparator])) {
        --lastSeparator;
    }
    parts.folder = rest.left(lastSeparator + 1).left(kMaxPart);
    const QString fileName = rest.mid(lastSeparator + 1);
    const qsizetype dot = fileName.lastIndexOf(u'.');
    parts.name = (dot < 0 ? fileName : fileName.left(dot)).left(kMaxPart);
    parts.extension = (dot < 0 ? QString() : fileName.mid(dot)).left(kMaxPart);
    return parts;
}

} // namespace

QString WithoutTrailingSeparators(QString text) {
    while (!text.isEmpty() && IsSeparator(text.back())) {
        text.chop(1);
    }
    return text;
}

QString ServerOfUnc(const QString& unc) {
    if (unc.size() <= 2 || !unc.startsWith(QStringLiteral("\\\\"))) {
        return {};
    }
    QString server = unc.mid(2);
    server.truncate(server.indexOf(u'.') < 0 ? server.size() : server.indexOf(u'.'));
    server.truncate(server.indexOf(u'\\') < 0 ? server.size() : server.indexOf(u'\\'));
    return server;
}

CPathParts SplitPath(const QString& path) {
    CPathParts parts = SplitNames(path);
    QString candidate = path;
    if (path.size() > 2 && HasDriveLetter(path)) {
        const QString remote = RemoteNameOfDrive(path.left(2));
        if (!remote.isEmpty()) {
            parts.driveMapping = remote;
            candidate = remote;
        }
    }
    parts.serverName = ServerOfUnc(candidate);
    return parts;
}

QString FolderOfPath(const QString& path) {
    const CPathParts parts = SplitNames(path);
    return parts.drive + parts.folder;
}

QString FileNameOfPath(const QString& path) {
    const CPathParts parts = SplitNames(path);
    return parts.name + parts.extension;
}

} // namespace morvek::platform
