#include "platform/program_command_line.h"

#include "base/trim.h"
#include "platform/file_search.h"

#include <QFileInfo>
#include <QProcess>

namespace morvek::platform {
namespace {

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

qsizetype NextBlank(const QString& line, qsizetype from) {
    while (from < line.size() && !IsBlank(line[from])) {
        ++from;
    }
    return from;
}

ProgramCall QuotedProgram(const QString& line) {
    const qsizetype close = line.indexOf(u'"', 1);
    if (close < 0) {
        return {ProgramHostPath(line.mid(1)), {}};
    }
    return {ProgramHostPath(line.mid(1, close - 1)), QProcess::splitCommand(line.mid(close + 1))};
}

ProgramCall UnquotedProgram(const QString& line) {
    for (qsizetype end = NextBlank(line, 0); end <= line.size(); end = NextBlank(line, end + 1)) {
        const QString program = ProgramHostPath(line.left(end));
        if (QFileInfo(program).isFile()) {
            return {program, QProcess::splitCommand(line.mid(end))};
        }
        if (end == line.size()) {
            break;
        }
    }
    const qsizetype firstBlank = NextBlank(line, 0);
    return {ProgramHostPath(line.left(firstBlank)), QProcess::splitCommand(line.mid(firstBlank))};
}

} // namespace

ProgramCall SplitCommandLine(const QString& commandLine) {
    const QString line = base::TrimLeft(commandLine);
    return line.startsWith(u'"') ? QuotedProgram(line) : UnquotedProgram(line);
}

} // namespace morvek::platform
