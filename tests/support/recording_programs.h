#pragma once

#include "platform/programs.h"

#include <QList>
#include <atomic>
#include <mutex>
#include <ostream>

namespace morvek::test {

// Records what would be started, from any thread, and plays processes by a script instead
// of starting them.
class RecordingPrograms final : public platform::Programs {
public:
    struct ProcessCall {
        QString commandLine;
        QString workingFolder;
        bool operator==(const ProcessCall&) const = default;
    };

    bool ShellExecute(const platform::ShellRequest& request) override {
        const std::lock_guard lock(mutex);
        shellRequests.append(request);
        return true;
    }

    platform::ProcessCreation CreateProcess(const QString& commandLine,
                                            const QString& workingFolder) override {
        const std::lock_guard lock(mutex);
        processCalls.append({commandLine, workingFolder});
        platform::ProcessCreation creation;
        creation.errorText = failure;
        creation.elevationRequired = elevationRequired;
        if (failure.isEmpty() && !elevationRequired) {
            creation.process = std::make_unique<ScriptedProcess>(*this);
        }
        return creation;
    }

    QList<platform::ShellRequest> ShellRequests() const {
        const std::lock_guard lock(mutex);
        return shellRequests;
    }
    QList<ProcessCall> ProcessCalls() const {
        const std::lock_guard lock(mutex);
        return processCalls;
    }

    // The script of the processes created next, set before they are started.
    QString failure;                // creation fails with this text
    bool elevationRequired = false; // creation fails asking for administrator rights
    int windowAfterPolls = 0;       // the window shows at this poll; 0: never
    int endAfterWaits = 1;          // the process ends during this wait

    // What the started processes were asked.
    std::atomic<int> windowPolls = 0;
    std::atomic<int> waits = 0;
    std::atomic<int> windowsBroughtToFront = 0;

private:
    class ScriptedProcess final : public platform::StartedProcess {
    public:
        explicit ScriptedProcess(RecordingPrograms& owner) : programs(owner) {}
        bool WaitForEnd(int) override { return ++programs.waits >= programs.endAfterWaits; }
        bool BringWindowToFront() override {
            const bool shown = ++programs.windowPolls == programs.windowAfterPolls;
            if (shown) {
                ++programs.windowsBroughtToFront;
            }
            return shown;
        }

    private:
        RecordingPrograms& programs;
    };

    mutable std::mutex mutex;
    QList<platform::ShellRequest> shellRequests;
    QList<ProcessCall> processCalls;
};

} // namespace morvek::test

namespace morvek::platform {
inline void PrintTo(const ShellRequest& request, std::ostream* os) {
    *os << (request.verb == ShellVerb::RunAs ? "runas " : "open ") << '"'
        << request.file.toStdString() << "\" parameter \"" << request.parameter.toStdString()
        << "\" in \"" << request.workingFolder.toStdString() << '"';
}
} // namespace morvek::platform

namespace morvek::test {
inline void PrintTo(const RecordingPrograms::ProcessCall& call, std::ostream* os) {
    *os << '"' << call.commandLine.toStdString() << "\" in \"" << call.workingFolder.toStdString()
        << '"';
}
} // namespace morvek::test
