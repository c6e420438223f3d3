#include "platform/file_access.h"

#include "platform/host.h"
#include "platform/path_mapping.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace morvek::platform {
namespace {

int OpenFlags(QIODevice::OpenMode mode) {
    int flags = O_CLOEXEC;
    if (mode.testFlag(QIODevice::ReadOnly) && mode.testFlag(QIODevice::WriteOnly)) {
        flags |= O_RDWR | O_CREAT;
    } else if (mode.testFlag(QIODevice::WriteOnly)) {
        flags |= O_WRONLY | O_CREAT;
    } else {
        flags |= O_RDONLY;
    }
    if (mode.testFlag(QIODevice::Truncate)) {
        flags |= O_TRUNC;
    }
    if (mode.testFlag(QIODevice::Append)) {
        flags |= O_APPEND;
    }
    return flags;
}

} // namespace

int OpenPortalFile(const QString& portalPath, QIODevice::OpenMode mode, QFile& file) {
    const QString hostPath = HostPath(portalPath);
    if (hostPath.isEmpty()) {
        return ENOENT;
    }
    const int fd = ::open(QFile::encodeName(hostPath).constData(), OpenFlags(mode), 0666);
    if (fd < 0) {
        return errno;
    }
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        return EISDIR;
    }
    if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return EIO;
    }
    return 0;
}

QString FileErrorText(int errorCode, const QString& fileName) {
    switch (errorCode) {
    case ENOENT:
        return QStringLiteral("%1 wurde nicht gefunden.").arg(fileName);
    case EACCES:
    case EPERM:
        return QStringLiteral("Zugriff auf %1 wurde verweigert.").arg(fileName);
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return QStringLiteral("%1 enthält einen ungültigen Pfad.").arg(fileName);
    case EISDIR:
        return QStringLiteral("%1 ist ein Verzeichnis und keine Datei.").arg(fileName);
    case EMFILE:
    case ENFILE:
        return QStringLiteral("%1 konnte nicht geöffnet werden, weil zu viele Dateien geöffnet "
                              "sind.")
            .arg(fileName);
    case EBUSY:
    case ETXTBSY:
    case EAGAIN:
        return QStringLiteral("Bei %1 ist eine Freigabeverletzung aufgetreten.").arg(fileName);
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("Der Datenträger für %1 ist voll.").arg(fileName);
    case EROFS:
        return QStringLiteral("%1 liegt auf einem schreibgeschützten Datenträger.").arg(fileName);
    case EIO:
        return QStringLiteral("Beim Zugriff auf %1 ist ein Hardware-E/A-Fehler aufgetreten.")
            .arg(fileName);
    default:
        return QStringLiteral("Beim Zugriff auf %1 ist ein unbekannter Fehler aufgetreten.")
            .arg(fileName);
    }
}

void ReportFileError(int errorCode, const QString& fileName) {
    CurrentHost().messages->ShowMessage(FileErrorText(errorCode, fileName));
}

} // namespace morvek::platform
