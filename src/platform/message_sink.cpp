#include "platform/message_sink.h"

#include <cstdio>

namespace morvek::platform {

void StderrMessageSink::ShowMessage(const QString& text) {
    const QByteArray bytes = text.toLocal8Bit() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}

} // namespace morvek::platform
