#include "base/log.h"

namespace morvek::base {
namespace {

struct LogState {
    QString text;
    bool userMode = false;
    LogListener* listener = nullptr;
};

LogState& State() {
    static LogState state;
    return state;
}

} // namespace

void AppendLog(const QString& text) {
    LogState& state = State();
    if (state.userMode) {
        return;
    }
    const QString line = text.isEmpty() ? QString() : text + QStringLiteral("\r\n");
    state.text += line;
    if (state.listener) {
        state.listener->OnLogAppended(line);
    }
}

const QString& logText() {
    return State().text;
}

void ClearLog() {
    LogState& state = State();
    state.text.clear();
    if (state.listener) {
        state.listener->OnLogCleared();
    }
}

void SetLogUserMode(bool userMode) {
    State().userMode = userMode;
}

void SetLogListener(LogListener* listener) {
    State().listener = listener;
}

} // namespace morvek::base
