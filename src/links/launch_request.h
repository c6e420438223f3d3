#pragma once

#include <QString>

namespace morvek::links {

// Bit 0 of a program entry's flags: start through the shell with administrator rights.
inline constexpr int kFlagRunAs = 1;

// One program start, created by the caller and owned and freed by the worker thread that
// carries it out. No other bits of the flags have a meaning; they are carried along.
struct CLaunchRequest {
    QString program;
    QString parameter; // passed as one text
    QString workingFolder;
    bool reportErrors = false; // show a message when the process cannot be created
    int flags = 0;
};

} // namespace morvek::links
