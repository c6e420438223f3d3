#include "statistics/shared_file.h"

#include "statistics/record_format.h"

#include <QFile>
#include <QFileInfo>
#include <QUuid>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace morvek::statistics {
namespace {

constexpr int kLockAttempts = 6000;
constexpr std::chrono::milliseconds kRetryDelay(10);

bool IsLockHeld(int error) {
    return error == EAGAIN || error == EACCES;
}

// Some network mounts offer no record locks at all; there the file is used unlocked rather
// than never, so that no call is lost and the table still shows.
bool LocksUnsupported(int error) {
    return error == ENOLCK || error == EINVAL || error == EOPNOTSUPP || error == ENOSYS;
}

bool WriteAll(int fd, QByteArrayView bytes) {
    return ::write(fd, bytes.data(), bytes.size()) == bytes.size();
}

QByteArray Encoded(const QString& path) {
    return QFile::encodeName(path);
}

enum class Creation { Created, Exists, Failed };

struct NewFile {
    Creation result = Creation::Failed;
    FileDescriptor fd;
};

// Creates the file exclusively, locks it and writes the header into it.
NewFile CreateLockedWithHeader(const QString& path) {
    FileDescriptor fd(
        ::open(Encoded(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!fd.IsValid()) {
        return {errno == EEXIST ? Creation::Exists : Creation::Failed, {}};
    }
    if (TryLockFile(fd.Get(), F_WRLCK) != 0 || !WriteAll(fd.Get(), StatisticsHeader())) {
        ::unlink(Encoded(path).constData());
        return {};
    }
    return {Creation::Created, std::move(fd)};
}

bool LacksHardLinks(int error) {
    return error == EPERM || error == EOPNOTSUPP || error == ENOSYS;
}

// Writes the header into a temporary file of the same folder and links it into place, so the
// file appears with its header. File systems without hard links (FAT sticks) get the file
// created in place and locked at once, which leaves a window of a few instructions.
NewFile CreateWithHeader(const QString& hostPath) {
    const QFileInfo target(hostPath);
    const QString temporary = target.path() + u"/." + target.fileName() + u'.' +
                              QUuid::createUuid().toString(QUuid::Id128);
    NewFile created = CreateLockedWithHeader(temporary);
    if (created.result != Creation::Created) {
        return {};
    }
    const int linked = ::link(Encoded(temporary).constData(), Encoded(hostPath).constData());
    const int linkError = errno;
    ::unlink(Encoded(temporary).constData());
    if (linked == 0) {
        return created;
    }
    if (LacksHardLinks(linkError)) {
        return CreateLockedWithHeader(hostPath);
    }
    return {linkError == EEXIST ? Creation::Exists : Creation::Failed, {}};
}

} // namespace

FileDescriptor::FileDescriptor(FileDescriptor&& other) noexcept : fd(std::exchange(other.fd, -1)) {}

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
    std::swap(fd, other.fd);
    return *this;
}

FileDescriptor::~FileDescriptor() {
    if (fd >= 0) {
        ::close(fd);
    }
}

int TryLockFile(int fd, short type) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 0;
    return ::fcntl(fd, F_OFD_SETLK, &lock) == 0 ? 0 : errno;
}

int WaitForLock(int fd, short type) {
    int error = TryLockFile(fd, type);
    for (int attempt = 1; attempt < kLockAttempts && IsLockHeld(error); ++attempt) {
        std::this_thread::sleep_for(kRetryDelay);
        error = TryLockFile(fd, type);
    }
    return LocksUnsupported(error) ? 0 : error;
}

// "Exists" means another writer created the file in the meantime: open that one.
FileDescriptor OpenForAppend(const QString& hostPath) {
    if (hostPath.isEmpty()) {
        return {};
    }
    for (int attempt = 0; attempt < kLockAttempts; ++attempt) {
        FileDescriptor fd(::open(Encoded(hostPath).constData(), O_WRONLY | O_CLOEXEC));
        if (fd.IsValid()) {
            return WaitForLock(fd.Get(), F_WRLCK) == 0 ? std::move(fd) : FileDescriptor();
        }
        if (errno != ENOENT) {
            return {};
        }
        NewFile created = CreateWithHeader(hostPath);
        if (created.result != Creation::Exists) {
            return std::move(created.fd);
        }
    }
    return {};
}

} // namespace morvek::statistics
