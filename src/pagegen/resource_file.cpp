#include "pagegen/resource_file.h"

#include "platform/file_access.h"
#include "platform/path_mapping.h"

#include <QFile>
#include <QFileInfo>

// The player and clock files are compiled into the library; a static library has to
// register its resources itself.
static void RegisterPlayerResources() {
    Q_INIT_RESOURCE(morvek_swf);
}

namespace morvek::pagegen {
namespace {

QByteArray ResourceBytes(const QString& type, int id) {
    static const bool registered = (RegisterPlayerResources(), true);
    Q_UNUSED(registered);
    QFile resource(QStringLiteral(":/morvek/") + type + u'/' + QString::number(id));
    if (!resource.open(QIODevice::ReadOnly)) {
        return {};
    }
    return resource.readAll();
}

QString JoinFolder(const QString& folder, const QString& fileName) {
    if (folder.endsWith(u'\\') || folder.endsWith(u'/')) {
        return folder + fileName;
    }
    return folder + u'\\' + fileName;
}

} // namespace

QString WriteResourceFile(const QString& type, int id, const QString& folder,
                          const QString& fileName) {
    const QByteArray bytes = ResourceBytes(type, id);
    if (bytes.isEmpty()) {
        return {};
    }
    const QString path = JoinFolder(folder, fileName);
    QFile file;
    if (platform::OpenPortalFile(path, QIODevice::WriteOnly | QIODevice::Truncate, file) == 0) {
        file.write(bytes);
    }
    return path;
}

void ProvideResourceFile(const QString& type, int id, const QString& folder,
                         const QString& fileName) {
    if (!QFileInfo::exists(platform::HostPath(JoinFolder(folder, fileName)))) {
        WriteResourceFile(type, id, folder, fileName);
    }
}

} // namespace morvek::pagegen
