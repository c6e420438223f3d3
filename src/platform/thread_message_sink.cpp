#include "platform/thread_message_sink.h"

#include <QMetaObject>
#include <QObject>
#include <QThread>

namespace morvek::platform {

ThreadMessageSink::ThreadMessageSink(QObject& ownerObject, MessageSink& targetSink)
    : owner(ownerObject), target(targetSink) {}

void ThreadMessageSink::ShowMessage(const QString& text) {
    if (owner.thread() == QThread::currentThread()) {
        target.ShowMessage(text);
        return;
    }
    MessageSink* sink = &target;
    QMetaObject::invokeMethod(
        &owner, [sink, text] { sink->ShowMessage(text); }, Qt::QueuedConnection);
}

} // namespace morvek::platform
