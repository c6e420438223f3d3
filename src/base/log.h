#pragma once

#include <QString>

// The system's own running log: one text for the whole process, shown by the log window.
// It is part of the behaviour and kept apart from developer diagnostics (QLoggingCategory).
namespace morvek::base {

// Receives every appended line (also the empty refresh line) and the clearing of the log;
// the log window implements it.
class LogListener {
public:
    virtual ~LogListener() = default;
    virtual void OnLogAppended(const QString& line) = 0;
    virtual void OnLogCleared() = 0;
};

// Appends text followed by "\r\n"; an empty text adds nothing but still notifies the
// listener. In user mode nothing is logged.
void AppendLog(const QString& text);
const QString& logText();
void ClearLog();
void SetLogUserMode(bool userMode);
// The listener is not owned; pass nullptr to detach it.
void SetLogListener(LogListener* listener);

} // namespace morvek::base
