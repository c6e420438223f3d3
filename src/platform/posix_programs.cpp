#include "platform/file_search.h"
#include "platform/host.h"
#include "platform/path_mapping.h"
#include "platform/process_spawn.h"
#include "platform/program_command_line.h"
#include "platform/programs.h"
#include "platform/x11_window_list.h"

#include <QProcess>
#include <QStandardPaths>
#include <cerrno>
#include <poll.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace morvek::platform {
namespace {

// A pidfd of the process, called through syscall() since the C library's header lacks C
// linkage; -1 when the process has ended already.
int OpenPidFd(pid_t id) {
    return static_cast<int>(::syscall(SYS_pidfd_open, id, 0));
}

// Watches the process through a pidfd, which works for a process that is not our child.
class PosixStartedProcess final : public StartedProcess {
public:
    explicit PosixStartedProcess(pid_t id) : processId(id), pidFd(OpenPidFd(id)) {}
    ~PosixStartedProcess() override {
        if (pidFd >= 0) {
            ::close(pidFd);
        }
    }
    PosixStartedProcess(const PosixStartedProcess&) = delete;
    PosixStartedProcess& operator=(const PosixStartedProcess&) = delete;

    bool WaitForEnd(int milliseconds) override {
        if (pidFd < 0) {
            return true;
        }
        pollfd end{pidFd, POLLIN, 0};
        return ::poll(&end, 1, milliseconds) > 0;
    }

    bool BringWindowToFront() override {
        if (!windows) {
            windows = std::make_unique<X11WindowList>();
        }
        return windows->ActivateWindowOf(processId);
    }

private:
    pid_t processId;
    int pidFd;
    std::unique_ptr<X11WindowList> windows; // connected on first use
};

bool StartDetached(const QString& program, const QStringList& arguments, const QString& folder) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(folder);
    process.setEnvironment(CurrentHost().environment->Block());
    return process.startDetached();
}

bool StartProgram(ShellVerb verb, const QString& program, const QString& parameter,
                  const QString& folder) {
    QStringList arguments = QProcess::splitCommand(parameter);
    const QString elevator = verb == ShellVerb::RunAs
                                 ? QStandardPaths::findExecutable(QStringLiteral("pkexec"))
                                 : QString();
    if (elevator.isEmpty()) {
        return StartDetached(program, arguments, folder);
    }
    arguments.prepend(program);
    return StartDetached(elevator, arguments, folder);
}

ProcessCreation Failure(int error) {
    ProcessCreation creation;
    creation.errorText = qt_error_string(error);
    return creation;
}

} // namespace

bool PosixPrograms::ShellExecute(const ShellRequest& request) {
    const QString folder = HostPath(request.workingFolder);
    const QString program = ProgramHostPath(request.file);
    if (IsExecutableFile(program)) {
        return StartProgram(request.verb, program, request.parameter, folder);
    }
    const QString document = HostPath(request.file);
    return !document.isEmpty() && StartDetached(QStringLiteral("xdg-open"), {document}, folder);
}

ProcessCreation PosixPrograms::CreateProcess(const QString& commandLine,
                                             const QString& workingFolder) {
    const ProgramCall call = SplitCommandLine(commandLine);
    const QString folder = HostPath(workingFolder);
    if (call.program.isEmpty() || (!workingFolder.isEmpty() && folder.isEmpty())) {
        return Failure(ENOENT);
    }
    const SpawnResult spawned =
        SpawnDetached(call.program, call.arguments, folder, CurrentHost().environment->Block());
    if (spawned.processId < 0) {
        return Failure(spawned.error);
    }
    ProcessCreation creation;
    creation.process = std::make_unique<PosixStartedProcess>(spawned.processId);
    return creation;
}

} // namespace morvek::platform
