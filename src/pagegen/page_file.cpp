#include "pagegen/page_file.h"

#include "platform/file_access.h"
#include "platform/path_mapping.h"

#include <QFile>
#include <QStringEncoder>
#include <cerrno>

namespace morvek::pagegen {

bool WritePageFile(const QString& path, const QString& html) {
    QStringEncoder encoder(QStringConverter::Utf16LE);
    const QByteArray bytes = encoder.encode(html);
    QFile file;
    const int openError = platform::OpenPortalFile(
        path, QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered, file);
    if (openError != 0) {
        platform::ReportFileError(openError, path);
        return false;
    }
    errno = 0;
    const bool written = file.write(bytes) == bytes.size();
    const int writeError = errno != 0 ? errno : EIO;
    file.close();
    if (!written) {
        // A page cut short would show as a different page; better none at all.
        QFile::remove(platform::HostPath(path));
        platform::ReportFileError(writeError, path);
        return false;
    }
    return true;
}

} // namespace morvek::pagegen
