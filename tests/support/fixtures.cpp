#include "support/fixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace morvek::test {

QString TempFiles::Write(const QString& name, const QByteArray& bytes) const {
    const QString path = dir.filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(bytes);
    }
    return path;
}

} // namespace morvek::test
