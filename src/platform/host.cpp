#include "platform/host.h"

namespace morvek::platform {
namespace {

Host& RealHost() {
    static StderrMessageSink messages;
    static QtSettings settings;
    static ProcessEnvironment environment;
    static ProcMountTable mounts;
    static PosixSystemInfo system;
    static XdgDesktopApplications desktop;
    static PosixPrograms programs;
    static Host host{&messages, &settings, &environment, &mounts, &system, &desktop, &programs};
    return host;
}

Host& Installed() {
    static Host host = RealHost();
    return host;
}

template <typename T>
void Overlay(T*& target, T* source) {
    if (source) {
        target = source;
    }
}

} // namespace

const Host& CurrentHost() {
    return Installed();
}

ScopedHost::ScopedHost(const Host& host) : previous(Installed()) {
    Host& installed = Installed();
    Overlay(installed.messages, host.messages);
    Overlay(installed.settings, host.settings);
    Overlay(installed.environment, host.environment);
    Overlay(installed.mounts, host.mounts);
    Overlay(installed.system, host.system);
    Overlay(installed.desktop, host.desktop);
    Overlay(installed.programs, host.programs);
}

ScopedHost::~ScopedHost() {
    Installed() = previous;
}

} // namespace morvek::platform
