#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace morvek::test {

// The path of a file below tests/fixtures.
inline QString FixturePath(const char* relative) {
    return QStringLiteral(MORVEK_FIXTURES "/") + QString::fromUtf8(relative);
}

// A temporary folder that writes small files for a test.
class TempFiles final {
public:
    // Writes the bytes (ISO 8859-1 portal text) and returns the file's path.
    QString Write(const QString& name, const QByteArray& bytes) const;
    QString Path(const QString& name) const { return dir.filePath(name); }

private:
    QTemporaryDir dir;
};

} // namespace morvek::test
