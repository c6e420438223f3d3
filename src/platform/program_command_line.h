#pragma once

#include <QString>
#include <QStringList>

namespace morvek::platform {

struct ProgramCall {
    QString program; // host path; empty when the command line names no file of this host
    QStringList arguments;
};

// Cuts a command line into the program and its arguments. A program in double quotes ends
// at the closing quote. An unquoted program may contain blanks: like the Windows loader, it
// is the shortest text up to a blank (or the whole line) that names a file, otherwise the
// first word. The rest is split into arguments with blanks and double quotes.
ProgramCall SplitCommandLine(const QString& commandLine);

} // namespace morvek::platform
