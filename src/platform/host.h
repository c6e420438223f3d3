#pragma once

#include "platform/desktop_applications.h"
#include "platform/environment.h"
#include "platform/message_sink.h"
#include "platform/mount_table.h"
#include "platform/programs.h"
#include "platform/settings.h"
#include "platform/system_info.h"

namespace morvek::platform {

// The host facilities the system uses. One set is installed for the process; programs
// install theirs at start (the window its message boxes), tests install doubles.
struct Host {
    MessageSink* messages = nullptr;
    Settings* settings = nullptr;
    Environment* environment = nullptr;
    MountTable* mounts = nullptr;
    SystemInfo* system = nullptr;
    DesktopApplications* desktop = nullptr;
    Programs* programs = nullptr;
};

// The installed facilities; the real POSIX/Qt ones for every facility nobody installed.
const Host& CurrentHost();

// Installs the non-null facilities of `host` (not owned) for as long as it lives and
// restores the previous set when it ends.
class ScopedHost final {
public:
    explicit ScopedHost(const Host& host);
    ~ScopedHost();
    ScopedHost(const ScopedHost&) = delete;
    ScopedHost& operator=(const ScopedHost&) = delete;

private:
    Host previous;
};

} // namespace morvek::platform
