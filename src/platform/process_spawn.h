#pragma once

#include <QString>
#include <QStringList>
#include <sys/types.h>

namespace morvek::platform {

struct SpawnResult {
    pid_t processId = -1; // the started program; -1 when it could not be started
    int error = 0;        // errno of the failure
};

// Starts a program (host path) detached from this process: in a session of its own, reaped
// by the system, with no descriptor of ours beyond standard input, output and error. The
// program receives itself and then `arguments` as its argv, the "NAME=value" entries of
// `environment` as its environment, and `folder` (a host path; empty: ours) as its working
// folder. A failure of chdir or execve is reported with its errno.
SpawnResult SpawnDetached(const QString& program, const QStringList& arguments,
                          const QString& folder, const QStringList& environment);

} // namespace morvek::platform
