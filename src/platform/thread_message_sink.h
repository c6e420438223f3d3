#pragma once

#include "platform/message_sink.h"

class QObject;

namespace morvek::platform {

// Hands messages to a sink that may be used on one thread only, as a message box is: a
// message from the thread of `owner` is shown at once, one from any other thread is queued
// to that thread and shown when its event loop runs, while the calling thread goes on.
// `owner` lives as long as the sink is in use; queued messages die with it. `target`
// outlives `owner`.
class ThreadMessageSink final : public MessageSink {
public:
    ThreadMessageSink(QObject& owner, MessageSink& target);
    void ShowMessage(const QString& text) override;

private:
    QObject& owner;
    MessageSink& target;
};

} // namespace morvek::platform
