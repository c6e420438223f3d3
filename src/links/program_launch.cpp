#include "links/program_launch.h"

#include "base/ascii.h"
#include "base/decimal.h"
#include "links/launch_request.h"
#include "links/worker_threads.h"
#include "pagegen/program_table.h"
#include "platform/file_search.h"
#include "platform/host.h"
#include "platform/portal_path.h"

#include <memory>

namespace morvek::links {
namespace {

using RequestPointer = std::unique_ptr<CLaunchRequest>;

// How often a starting program is asked for a window, in milliseconds.
constexpr int kWindowPollInterval = 10;

void ShellLaunch(RequestPointer request) {
    const platform::ShellVerb verb =
        request->flags & kFlagRunAs ? platform::ShellVerb::RunAs : platform::ShellVerb::Open;
    platform::CurrentHost().programs->ShellExecute(
        {verb, request->program, request->parameter, request->workingFolder});
}

void WaitForWindowOrEnd(platform::StartedProcess& process) {
    bool windowShown = false;
    bool ended = false;
    while (!windowShown && !ended) {
        windowShown = process.BringWindowToFront();
        ended = process.WaitForEnd(kWindowPollInterval);
    }
}

void ProcessLaunch(RequestPointer request) {
    const QString commandLine = request->program + u' ' + request->parameter;
    platform::ProcessCreation created =
        platform::CurrentHost().programs->CreateProcess(commandLine, request->workingFolder);
    if (created.process) {
        WaitForWindowOrEnd(*created.process);
    } else if (created.elevationRequired) {
        ShellLaunch(std::move(request));
    } else if (request->reportErrors) {
        platform::CurrentHost().messages->ShowMessage(created.errorText);
    }
}

RequestPointer MakeRequest(const QString& program, const QString& parameter,
                           const QString& workingFolder, bool reportErrors, int flags) {
    return std::make_unique<CLaunchRequest>(
        CLaunchRequest{program, parameter, workingFolder, reportErrors, flags});
}

// A program of its own process: an ".exe", or on this host any executable file.
bool IsProcessProgram(const QString& program) {
    return base::EqualsNoCase(platform::SplitPath(program).extension, u".exe") ||
           platform::IsExecutableFile(platform::ProgramHostPath(program));
}

} // namespace

void StartProgramEntry(const pagegen::CProgramEntry& entry) {
    const int flags = base::ReadDecimal(entry.flags);
    if (flags & kFlagRunAs || !IsProcessProgram(entry.program)) {
        LaunchViaShell(entry.program, entry.parameter, entry.workingFolder, flags);
    } else {
        LaunchProcess(entry.workingFolder, entry.program, entry.parameter, flags);
    }
}

bool LaunchViaShell(const QString& program, const QString& parameter, const QString& workingFolder,
                    int flags) {
    return StartWorker(
        [request = MakeRequest(program, parameter, workingFolder, false, flags)]() mutable {
            ShellLaunch(std::move(request));
        });
}

bool LaunchProcess(const QString& workingFolder, const QString& program, const QString& parameter,
                   int flags) {
    return StartWorker(
        [request = MakeRequest(program, parameter, workingFolder, true, flags)]() mutable {
            ProcessLaunch(std::move(request));
        });
}

bool RunCommandLine(const QString& commandLine) {
    return platform::CurrentHost().programs->CreateProcess(commandLine, {}).process != nullptr;
}

} // namespace morvek::links
