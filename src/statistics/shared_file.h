#pragma once

#include <QString>

// The statistics file is shared by every workstation of a portal. Access is guarded by
// advisory open-file-description record locks on the whole file: a writer holds an exclusive
// lock while it appends one record, a reader a shared lock while it reads; whoever finds the
// lock held retries every 10 ms, 6000 times at most.
namespace morvek::statistics {

// Owns a POSIX file descriptor; closing it releases its locks.
class FileDescriptor final {
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int descriptor) : fd(descriptor) {}
    FileDescriptor(FileDescriptor&& other) noexcept;
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    ~FileDescriptor();

    bool IsValid() const { return fd >= 0; }
    int Get() const { return fd; }

private:
    int fd = -1;
};

// Tries once to lock the whole file (F_RDLCK or F_WRLCK). Returns 0, or the errno value
// (EAGAIN or EACCES while another open of the file holds a conflicting lock).
int TryLockFile(int fd, short type);

// Retries TryLockFile every 10 ms while the lock is held elsewhere. Returns 0 (also where the
// file system has no record locks), or the errno value of the last attempt.
int WaitForLock(int fd, short type);

// Opens the file at the host path for appending, holding its exclusive lock. A missing file
// is created together with its header, so no writer ever sees it without one. Invalid when
// the file cannot be opened or created or stays locked.
FileDescriptor OpenForAppend(const QString& hostPath);

} // namespace morvek::statistics
