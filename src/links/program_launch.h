#pragma once

#include <QString>

namespace morvek::pagegen {
struct CProgramEntry;
}

namespace morvek::links {

// Starts a program entry of a page: through the shell when its flags ask for administrator
// rights or when it is a document, otherwise as a process of its own.
void StartProgramEntry(const pagegen::CProgramEntry& entry);

// Hands the program or document to the shell on a worker thread of its own and returns at
// once; the shell reports its own errors. False only when no worker could be started.
bool LaunchViaShell(const QString& program, const QString& parameter, const QString& workingFolder,
                    int flags);

// Creates the process "program parameter" on a worker thread of its own, which brings the
// program's first window to the front and ends when the program shows one or ends; returns
// at once. A process that cannot be created is reported with the system's text; one that
// needs administrator rights goes to the shell. False only when no worker could be started.
bool LaunchProcess(const QString& workingFolder, const QString& program, const QString& parameter,
                   int flags);

// Creates a process for the command line and lets it run without waiting; false when it
// could not be created.
bool RunCommandLine(const QString& commandLine);

} // namespace morvek::links
