#pragma once

#include <QString>

namespace morvek::platform {

// Where the system's modal messages go: the window shows an exclamation box with an OK button
// and the application's title; command-line tools print the text.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void ShowMessage(const QString& text) = 0;
};

// Prints each message on standard error, followed by a line feed.
class StderrMessageSink final : public MessageSink {
public:
    void ShowMessage(const QString& text) override;
};

} // namespace morvek::platform
