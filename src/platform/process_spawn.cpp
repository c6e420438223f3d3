#include "platform/process_spawn.h"

#include <QFile>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace morvek::platform {
namespace {

// A null-terminated array of C strings for execve, built before forking: the child of a
// threaded process may not allocate.
class CStringArray final {
public:
    explicit CStringArray(QList<QByteArray> strings) : storage(std::move(strings)) {
        for (QByteArray& text : storage) {
            pointers.push_back(text.data());
        }
        pointers.push_back(nullptr);
    }
    char* const* Data() const { return pointers.data(); }

private:
    QList<QByteArray> storage;
    std::vector<char*> pointers;
};

QList<QByteArray> EncodedArgv(const QString& program, const QStringList& arguments) {
    QList<QByteArray> argv{QFile::encodeName(program)};
    for (const QString& argument : arguments) {
        argv.append(argument.toLocal8Bit());
    }
    return argv;
}

QList<QByteArray> EncodedEnvironment(const QStringList& environment) {
    QList<QByteArray> entries;
    for (const QString& entry : environment) {
        entries.append(entry.toLocal8Bit());
    }
    return entries;
}

struct ExecPlan {
    QByteArray program;
    CStringArray argv;
    CStringArray environment;
    QByteArray folder;
};

void WriteInt(int fd, int value) {
    while (::write(fd, &value, sizeof value) < 0 && errno == EINTR) {
    }
}

// True when a whole int arrived before the other end was closed.
bool ReadInt(int fd, int& value) {
    ssize_t count = 0;
    do {
        count = ::read(fd, &value, sizeof value);
    } while (count < 0 && errno == EINTR);
    return count == static_cast<ssize_t>(sizeof value);
}

// In the program's process, before execve: async-signal-safe calls only.
[[noreturn]] void ExecProgram(const ExecPlan& plan, int errorPipe) {
    sigset_t noSignals;
    sigemptyset(&noSignals);
    sigprocmask(SIG_SETMASK, &noSignals, nullptr);
    std::signal(SIGPIPE, SIG_DFL);
    ::close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);
    if (plan.folder.isEmpty() || ::chdir(plan.folder.constData()) == 0) {
        ::execve(plan.program.constData(), plan.argv.Data(), plan.environment.Data());
    }
    WriteInt(errorPipe, errno);
    ::_exit(127);
}

// The intermediate process: starts the program in a new session and ends at once, so that
// the system, not the viewer, reaps the program. Reports the program's pid or -errno.
[[noreturn]] void StartProgramAndLeave(const ExecPlan& plan, int pidPipe, int errorPipe) {
    ::setsid();
    const pid_t program = ::fork();
    if (program == 0) {
        ExecProgram(plan, errorPipe);
    }
    WriteInt(pidPipe, program < 0 ? -errno : program);
    ::_exit(0);
}

SpawnResult ResultOfIntermediate(pid_t intermediate, int pidPipe, int errorPipe) {
    SpawnResult result;
    int reported = 0;
    const bool pidArrived = ReadInt(pidPipe, reported);
    while (::waitpid(intermediate, nullptr, 0) < 0 && errno == EINTR) {
    }
    int execError = 0;
    if (!pidArrived) {
        result.error = ECHILD;
    } else if (reported < 0) {
        result.error = -reported;
    } else if (ReadInt(errorPipe, execError)) {
        result.error = execError;
    } else {
        result.processId = reported;
    }
    return result;
}

} // namespace

SpawnResult SpawnDetached(const QString& program, const QStringList& arguments,
                          const QString& folder, const QStringList& environment) {
    const ExecPlan plan{QFile::encodeName(program), CStringArray(EncodedArgv(program, arguments)),
                        CStringArray(EncodedEnvironment(environment)), QFile::encodeName(folder)};
    int pidPipe[2];
    int errorPipe[2];
    if (::pipe2(pidPipe, O_CLOEXEC) != 0) {
        return {-1, errno};
    }
    if (::pipe2(errorPipe, O_CLOEXEC) != 0) {
        const int error = errno;
        ::close(pidPipe[0]);
        ::close(pidPipe[1]);
        return {-1, error};
    }
    const pid_t intermediate = ::fork();
    if (intermediate == 0) {
        StartProgramAndLeave(plan, pidPipe[1], errorPipe[1]);
    }
    const int forkError = errno;
    ::close(pidPipe[1]);
    ::close(errorPipe[1]);
    const SpawnResult result = intermediate < 0
                                   ? SpawnResult{-1, forkError}
                                   : ResultOfIntermediate(intermediate, pidPipe[0], errorPipe[0]);
    ::close(pidPipe[0]);
    ::close(errorPipe[0]);
    return result;
}

} // namespace morvek::platform
