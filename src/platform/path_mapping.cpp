#include "platform/path_mapping.h"

#include "base/ascii.h"
#include "platform/host.h"

namespace morvek::platform {
namespace {

bool IsSeparator(QChar c) {
    return c == u'\\' || c == u'/';
}

bool IsAsciiLetter(QChar c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool IsSmbMount(const MountEntry& mount) {
    return mount.fsType == u"cifs" || mount.fsType == u"smb3" || mount.fsType == u"smbfs";
}

// Joins a mount point and the rest of a portal path with exactly one separator.
QString Join(QString folder, const QString& rest) {
    while (folder.size() > 1 && folder.endsWith(u'/')) {
        folder.chop(1);
    }
    if (rest.isEmpty()) {
        return folder;
    }
    if (!IsSeparator(rest[0]) && !folder.endsWith(u'/')) {
        folder += u'/';
    }
    return folder + rest;
}

QString MapDrive(const QString& portalPath) {
    const QString letter = base::ToUpperAscii(portalPath.left(1));
    const QString mountPoint =
        CurrentHost().settings->Value(QStringLiteral("Drives"), letter).toString();
    if (mountPoint.isEmpty()) {
        return {};
    }
    return Join(mountPoint, portalPath.mid(2));
}

QString MapShare(const QString& portalPath) {
    const QString text = portalPath.mid(2);
    qsizetype hostEnd = 0;
    while (hostEnd < text.size() && !IsSeparator(text[hostEnd])) {
        ++hostEnd;
    }
    qsizetype shareEnd = hostEnd + 1;
    while (shareEnd < text.size() && !IsSeparator(text[shareEnd])) {
        ++shareEnd;
    }
    const QString host = text.left(hostEnd);
    const QString share = text.mid(hostEnd + 1, shareEnd - hostEnd - 1);
    if (host.isEmpty() || share.isEmpty()) {
        return {};
    }
    const QString rest = text.mid(shareEnd);
    const QString source = QStringLiteral("//") + host + u'/' + share;
    for (const MountEntry& mount : CurrentHost().mounts->Mounts()) {
        QString mountSource = mount.source;
        while (mountSource.endsWith(u'/')) {
            mountSource.chop(1);
        }
        if (IsSmbMount(mount) && base::EqualsNoCase(mountSource, source)) {
            return Join(mount.mountPoint, rest);
        }
    }
    const Settings& settings = *CurrentHost().settings;
    const QString key = host + u'/' + share;
    QString mountPoint = settings.Value(QStringLiteral("Shares"), key).toString();
    if (mountPoint.isEmpty()) {
        mountPoint = settings.Value(QStringLiteral("Shares"), key.toLower()).toString();
    }
    if (mountPoint.isEmpty()) {
        return {};
    }
    return Join(mountPoint, rest);
}

} // namespace

QString HostPath(const QString& portalPath) {
    QString hostPath;
    if (portalPath.size() >= 2 && portalPath[1] == u':' && IsAsciiLetter(portalPath[0])) {
        hostPath = MapDrive(portalPath);
    } else if (portalPath.startsWith(QStringLiteral("\\\\"))) {
        hostPath = MapShare(portalPath);
    } else {
        hostPath = portalPath;
    }
    hostPath.replace(u'\\', u'/');
    return hostPath;
}

} // namespace morvek::platform
