#pragma once

#include <QString>
#include <memory>

namespace morvek::platform {

enum class ShellVerb {
    Open,  // the default: documents open with their associated program, programs start
    RunAs, // start with administrator rights
};

struct ShellRequest {
    ShellVerb verb = ShellVerb::Open;
    QString file;          // portal path of a document or program, or an address
    QString parameter;     // the parameter text for a program
    QString workingFolder; // portal path; empty for none

    bool operator==(const ShellRequest&) const = default;
};

// A process made by Programs::CreateProcess. Letting go of it leaves the process running.
class StartedProcess {
public:
    virtual ~StartedProcess() = default;
    // Waits at most `milliseconds` for the process to end; true once it has ended.
    virtual bool WaitForEnd(int milliseconds) = 0;
    // Brings the first visible top-level window of the process to the front; false while it
    // has none, and always where there is no window list to ask.
    virtual bool BringWindowToFront() = 0;
};

struct ProcessCreation {
    std::unique_ptr<StartedProcess> process; // null when the process could not be created
    bool elevationRequired = false;          // it can only be started with administrator rights
    QString errorText;                       // the system's text for the failure
};

// Starting programs and opening documents. May be used from any thread.
class Programs {
public:
    virtual ~Programs() = default;
    // Opens a document or address with its associated program, or starts a program with the
    // parameter text. The shell reports its own failures; false when it could not be asked.
    virtual bool ShellExecute(const ShellRequest& request) = 0;
    // Creates a process from a command line: the program (a portal path, in double quotes or
    // unquoted), a blank and its parameters. The working folder is a portal path; empty for
    // the viewer's current folder. The process inherits the process environment.
    virtual ProcessCreation CreateProcess(const QString& commandLine,
                                          const QString& workingFolder) = 0;
};

// Documents and addresses go to xdg-open; programs (executable files) are started directly,
// through pkexec for "runas" where it is installed. Processes are created by fork and exec;
// their windows are found in the X11 window list.
class PosixPrograms final : public Programs {
public:
    bool ShellExecute(const ShellRequest& request) override;
    ProcessCreation CreateProcess(const QString& commandLine,
                                  const QString& workingFolder) override;
};

} // namespace morvek::platform
