#include "platform/file_search.h"

#include "platform/host.h"
#include "platform/path_mapping.h"

#include <QDir>
#include <QFileInfo>

namespace morvek::platform {

bool PortalPathExists(const QString& portalPath) {
    const QString hostPath = HostPath(portalPath);
    return !hostPath.isEmpty() && QFileInfo::exists(hostPath);
}

QString SearchFile(const QString& fileName) {
    if (fileName.isEmpty()) {
        return {};
    }
    QStringList folders{QDir::currentPath()};
    const std::optional<QString> path = CurrentHost().environment->Get(QStringLiteral("PATH"));
    if (path) {
        folders += path->split(QDir::listSeparator(), Qt::SkipEmptyParts);
    }
    for (const QString& folder : folders) {
        const QFileInfo candidate(QDir(folder), fileName);
        if (candidate.isFile()) {
            return candidate.absoluteFilePath();
        }
    }
    return {};
}

QString ProgramHostPath(const QString& portalPath) {
    if (portalPath.contains(u'\\') || portalPath.contains(u'/') || portalPath.contains(u':')) {
        return HostPath(portalPath);
    }
    return SearchFile(portalPath);
}

bool IsExecutableFile(const QString& hostPath) {
    const QFileInfo info(hostPath);
    return !hostPath.isEmpty() && info.isFile() && info.isExecutable();
}

} // namespace morvek::platform
