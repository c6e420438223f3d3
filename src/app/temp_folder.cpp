#include "app/temp_folder.h"

#include "platform/host.h"

#include <QDir>
#include <QFile>

namespace morvek::app {

QString CreateTempFolder() {
    const platform::SystemInfo& system = *platform::CurrentHost().system;
    QString guid = system.CreateGuid();
    if (guid.size() >= 2) {
        guid = guid.mid(1, guid.size() - 2);
    }
    const QString folder = system.TempPath() + QStringLiteral("Morvek") + guid;
    QDir().mkdir(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return folder + QDir::separator();
}

void RemoveTempFolder(const QString& folder) {
    QDir dir(folder);
    const QStringList files = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : files) {
        dir.remove(name);
    }
    QDir().rmdir(folder);
}

} // namespace morvek::app
